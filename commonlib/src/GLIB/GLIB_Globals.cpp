#include "GLIB/GLIB_Globals.h"

#include <algorithm>
#include <new>
#include <utility>

#include "GLIB/GLIB_BadAllocException.h"
#include "GLIB/GLIB_GlobalsLock.h"
#include "GLIB/GLIB_GlobalsMessage.h"
#include "GLIB/GLIB_MessageConnection.h"

GLIB_Globals::GLIB_Globals()
    : m_outOfMemoryHandler(GLIB_DefaultOutOfMemoryHandler),
      m_logSink(GLIB_ConsoleLogSink),
      m_tempFilesSetting("TEMP"),
      m_formatter(GLIB_DefaultMessageFormatter),
      m_memoryReserve(GLIB_RawAlloc(kMemoryReserveSize)) {
    if (m_memoryReserve == nullptr) {
        throw GLIB_BadAllocException(kMemoryReserveSize, __FILE__, 71);
    }
}

GLIB_Globals::~GLIB_Globals() {
    GLIB_GuardedFree(m_memoryReserve);
    if (m_dispatcher != nullptr) {
        m_dispatcher->~GlobalsDispatcher();
        GLIB_GuardedFree(m_dispatcher);
    }
}

void GLIB_Globals::CreateDispatcher() {
    if (m_dispatcher != nullptr) {
        return;
    }
    if (void* block = GLIB_GuardedAlloc(sizeof(GlobalsDispatcher), 97, __FILE__)) {
        m_dispatcher = new (block) GlobalsDispatcher;
    }
}

template <class Setting>
Setting GLIB_Globals::Read(const Setting& setting) const {
    GLIB_GlobalsLock lock;
    return setting;
}

template <class Setting>
void GLIB_Globals::Store(Setting& setting, Setting value) {
    {
        GLIB_GlobalsLock lock;
        setting = std::move(value);
    }
    Broadcast();
}

OutOfMemoryHandler GLIB_Globals::GetOutOfMemoryHandler() const { return Read(m_outOfMemoryHandler); }
void GLIB_Globals::SetOutOfMemoryHandler(OutOfMemoryHandler handler) { Store(m_outOfMemoryHandler, handler); }
GLIB_LogSink GLIB_Globals::GetLogSink() const { return Read(m_logSink); }
void GLIB_Globals::SetLogSink(GLIB_LogSink sink) { Store(m_logSink, sink); }
MessageFormatter GLIB_Globals::GetMessageFormatter() const { return Read(m_formatter); }
void GLIB_Globals::SetMessageFormatter(MessageFormatter formatter) { Store(m_formatter, formatter); }
std::string GLIB_Globals::GetTempFilesSetting() const { return Read(m_tempFilesSetting); }
std::vector<uint32_t> GLIB_Globals::GetRegisteredHandles() const { return Read(m_registeredHandles); }

void GLIB_Globals::AddRegisteredHandle(uint32_t handle) {
    if (handle == 0) {
        return;
    }
    {
        GLIB_GlobalsLock lock;
        m_registeredHandles.push_back(handle);
    }
    Broadcast();
}

void GLIB_Globals::RemoveRegisteredHandle(uint32_t handle) {
    {
        GLIB_GlobalsLock lock;
        auto it = std::find(m_registeredHandles.begin(), m_registeredHandles.end(), handle);
        if (it == m_registeredHandles.end()) {
            return;
        }
        m_registeredHandles.erase(it);
    }
    Broadcast();
}

void GLIB_Globals::Apply(const GLIB_GlobalsMessage& message) {
    {
        GLIB_GlobalsLock lock;
        m_formatter = message.GetMessageFormatter();
        m_logSink = message.GetLogSink();
        m_outOfMemoryHandler = message.GetOutOfMemoryHandler();
        m_registeredHandles = message.GetRegisteredHandles();
        m_tempFilesSetting = message.GetTempFilesSetting();
    }
    Broadcast();
}

void GLIB_Globals::ReleaseMemoryReserve() {
    GLIB_GlobalsLock lock;
    GLIB_GuardedFree(std::exchange(m_memoryReserve, nullptr));
}

bool GLIB_Globals::HasMemoryReserve() const {
    GLIB_GlobalsLock lock;
    return m_memoryReserve != nullptr;
}

void GLIB_Globals::Attach(std::unique_ptr<GLIB_MessageConnection> connection) {
    GLIB_GlobalsLock lock;
    CreateDispatcher();
    if (m_dispatcher != nullptr) {
        m_dispatcher->Attach(std::move(connection));
    }
}

void GLIB_Globals::Detach(GLIB_MessageTarget& target) {
    GLIB_GlobalsLock lock;
    if (m_dispatcher != nullptr) {
        m_dispatcher->Detach(target);
    }
}

void GLIB_Globals::Broadcast() {
    GlobalsDispatcher* dispatcher;
    std::unique_ptr<GLIB_GlobalsMessage> message;
    {
        GLIB_GlobalsLock lock;
        dispatcher = m_dispatcher;
        if (dispatcher == nullptr) {
            return;
        }
        message = std::make_unique<GLIB_GlobalsMessage>(m_tempFilesSetting, m_formatter, m_outOfMemoryHandler,
                                                        m_logSink, m_registeredHandles);
    }
    dispatcher->Send(*message);
}
