// The one log entry point of the system. Entries go to a replaceable sink held by the globals; before
// anything replaces it, the console sink writes them to standard output, coloured by level on a terminal.
#pragma once

#include <cstdint>
#include <string>

#include "GLIB/GLIB_GlobalsRef.h"

using LogLevel = int32_t;

enum : LogLevel {
    GLIB_LOG_FATAL = 0,  // the entry is written, then GLIB_FatalException is thrown
    GLIB_LOG_ASSERT = 1,
    GLIB_LOG_ERROR = 2,
    GLIB_LOG_WARNING = 3,
    GLIB_LOG_TRACE = 4,
    GLIB_LOG_DEBUG = 5,
    GLIB_LOG_INFO = 6,
};

using GLIB_LogSink = void (*)(LogLevel level, const wchar_t* text, const char* sourceFile, int32_t line);

// The level's name ("FATAL" ... "INFO"); a number outside 0 to 6 is named "INFO".
const char* GLIB_LogLevelName(LogLevel level);

void GLIB_Log(LogLevel level, const wchar_t* text, const char* sourceFile, int32_t line);
void GLIB_Log(LogLevel level, const char* text, const char* sourceFile, int32_t line);
inline void GLIB_Log(LogLevel level, const std::wstring& text, const char* sourceFile, int32_t line) {
    GLIB_Log(level, text.c_str(), sourceFile, line);
}
inline void GLIB_Log(LogLevel level, const std::string& text, const char* sourceFile, int32_t line) {
    GLIB_Log(level, text.c_str(), sourceFile, line);
}

#define GLIB_LOG(level, text) GLIB_Log((level), (text), __FILE__, __LINE__)

// Installs a sink and returns the one it replaces; a null sink reinstates the console sink.
GLIB_LogSink SetLogSink(GLIB_LogSink sink);

// The default sink: "LEVEL: file(line): text" and a line feed on standard output.
void GLIB_ConsoleLogSink(LogLevel level, const wchar_t* text, const char* sourceFile, int32_t line);
