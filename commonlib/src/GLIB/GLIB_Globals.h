// The common library's process-wide settings, in one reference-counted object (see GLIB_GlobalsInst).
// Each read or write of a setting holds the globals mutex for just that access; every change is broadcast
// to the attached targets as a GLIB_GlobalsMessage, outside the mutex.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "GLIB/GLIB_GlobalsRef.h"
#include "GLIB/GLIB_GuardedAlloc.h"
#include "GLIB/GLIB_Log.h"
#include "GLIB/GLIB_MessageFormatter.h"
#include "GLIB/GLIB_Observable.h"

class GLIB_GlobalsMessage;
class GLIB_MessageConnection;
class GLIB_MessageTarget;

class GLIB_Globals {
public:
    class GlobalsDispatcher : public GLIB_Observable {};

    static constexpr std::size_t kMemoryReserveSize = 32000;

    // Sets the defaults and allocates the memory reserve (GLIB_BadAllocException when it cannot).
    GLIB_Globals();
    ~GLIB_Globals();
    GLIB_Globals(const GLIB_Globals&) = delete;
    GLIB_Globals& operator=(const GLIB_Globals&) = delete;

    OutOfMemoryHandler GetOutOfMemoryHandler() const;
    void SetOutOfMemoryHandler(OutOfMemoryHandler handler);
    GLIB_LogSink GetLogSink() const;
    void SetLogSink(GLIB_LogSink sink);
    MessageFormatter GetMessageFormatter() const;
    void SetMessageFormatter(MessageFormatter formatter);
    std::string GetTempFilesSetting() const;
    std::vector<uint32_t> GetRegisteredHandles() const;
    // A null handle is ignored; duplicates are kept.
    void AddRegisteredHandle(uint32_t handle);
    // Removes the first occurrence; broadcasts only when something was removed.
    void RemoveRegisteredHandle(uint32_t handle);

    // Takes over every setting the message carries, then broadcasts them.
    void Apply(const GLIB_GlobalsMessage& message);

    // Gives the reserve back to the system so that an out-of-memory report has room to run; once only.
    void ReleaseMemoryReserve();
    bool HasMemoryReserve() const;

    // Targets that want to hear of settings changes attach a connection here.
    void Attach(std::unique_ptr<GLIB_MessageConnection> connection);
    void Detach(GLIB_MessageTarget& target);

private:
    friend class GLIB_GlobalsInst;

    // Separate from construction: it allocates through the out-of-memory handler, which reads this object.
    void CreateDispatcher();
    void Broadcast();
    // One locked read or write of a setting; every write is broadcast.
    template <class Setting>
    Setting Read(const Setting& setting) const;
    template <class Setting>
    void Store(Setting& setting, Setting value);

    OutOfMemoryHandler m_outOfMemoryHandler;
    GLIB_LogSink m_logSink;
    std::string m_tempFilesSetting;
    MessageFormatter m_formatter;
    std::vector<uint32_t> m_registeredHandles;
    GlobalsDispatcher* m_dispatcher = nullptr;
    void* m_memoryReserve = nullptr;
};
