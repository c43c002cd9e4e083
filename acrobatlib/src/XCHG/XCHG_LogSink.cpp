#include "XCHG/XCHG_LogSink.h"

#include "GLIB/GLIB_ErrorCodes.h"
#include "GLIB/GLIB_StringUtils.h"
#include "XCHG/XCHG_DebugOutput.h"
#include "XCHG/XCHG_Exception.h"
#include "XCHG/XCHG_ReportError.h"

namespace {

constexpr int kBufferSize = 512;
constexpr int32_t XCHG_ERR_ASSERTION = GLIB_MakeErrorCode(XCHG_LIBRARY, 1);

}  // namespace

const char* XCHG_LevelName(LogLevel level) {
    switch (level) {
        case GLIB_LOG_FATAL:
        case GLIB_LOG_ASSERT:
        case GLIB_LOG_ERROR:
            return "Error";
        case GLIB_LOG_WARNING:
            return "Warning";
        case GLIB_LOG_TRACE:
            return "Trace";
        case GLIB_LOG_INFO:
            return "Info";
        default:
            return "Debug";
    }
}

void XCHG_LogSink(LogLevel level, const wchar_t* text, const char* file, int32_t line) {
    char buffer[kBufferSize];
    GLIB_Format(buffer, sizeof buffer, "%-8.8s %-35.35s line %3d:", XCHG_LevelName(level), file != nullptr ? file : "",
                static_cast<int>(line));
    GLIB_AppendNarrowed(buffer, text, sizeof buffer);
    GLIB_StrAppend(buffer, "\n", sizeof buffer);
    XCHG_DebugPrintf("%s", buffer);
}

void XCHG_AssertHandler(const wchar_t* expression, const char* file, int32_t line) {
    char text[kBufferSize] = "Assertion failed: ";
    GLIB_AppendNarrowed(text, expression, sizeof text);
    GLIB_StrAppend(text, ", file ", sizeof text);
    GLIB_StrAppend(text, file, sizeof text);
    GLIB_StrAppend(text, ", line ", sizeof text);
    char number[16];
    GLIB_Format(number, sizeof number, "%d", static_cast<int>(line));
    GLIB_StrAppend(text, number, sizeof text);
    XCHG_ReportError(1, text, 1);
    throw XCHG_Exception(XCHG_ERR_ASSERTION, text, file, line);
}
