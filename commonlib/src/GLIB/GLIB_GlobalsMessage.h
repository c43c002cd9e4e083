// The broadcast after every change of a globals setting: a copy of all the settings.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "GLIB/GLIB_GuardedAlloc.h"
#include "GLIB/GLIB_Log.h"
#include "GLIB/GLIB_Message.h"
#include "GLIB/GLIB_MessageFormatter.h"

class GLIB_GlobalsMessage : public GLIB_Message {
public:
    GLIB_GlobalsMessage(std::string tempFilesSetting, MessageFormatter formatter, OutOfMemoryHandler outOfMemoryHandler,
                        GLIB_LogSink logSink, std::vector<uint32_t> registeredHandles);

    void TypeName(std::string& name) const override;

    const std::string& GetTempFilesSetting() const { return m_tempFilesSetting; }
    MessageFormatter GetMessageFormatter() const { return m_formatter; }
    OutOfMemoryHandler GetOutOfMemoryHandler() const { return m_outOfMemoryHandler; }
    GLIB_LogSink GetLogSink() const { return m_logSink; }
    const std::vector<uint32_t>& GetRegisteredHandles() const { return m_registeredHandles; }

private:
    std::string m_tempFilesSetting;
    MessageFormatter m_formatter;
    OutOfMemoryHandler m_outOfMemoryHandler;
    GLIB_LogSink m_logSink;
    std::vector<uint32_t> m_registeredHandles;
};
