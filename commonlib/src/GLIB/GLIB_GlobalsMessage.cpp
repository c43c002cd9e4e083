#include "GLIB/GLIB_GlobalsMessage.h"

#include <utility>

GLIB_GlobalsMessage::GLIB_GlobalsMessage(std::string tempFilesSetting, MessageFormatter formatter,
                                         OutOfMemoryHandler outOfMemoryHandler, GLIB_LogSink logSink,
                                         std::vector<uint32_t> registeredHandles)
    : m_tempFilesSetting(std::move(tempFilesSetting)),
      m_formatter(formatter),
      m_outOfMemoryHandler(outOfMemoryHandler),
      m_logSink(logSink),
      m_registeredHandles(std::move(registeredHandles)) {}

void GLIB_GlobalsMessage::TypeName(std::string& name) const { name = "GLIB_GlobalsMessage"; }
