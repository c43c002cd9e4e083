#include "GLIB/GLIB_Log.h"

#include <iostream>

#include "GLIB/GLIB_FatalException.h"
#include "GLIB/GLIB_Globals.h"
#include "GLIB/GLIB_StringUtils.h"
#include "Win32.h"

namespace {

WORD ForegroundForLevel(LogLevel level) {
    switch (level) {
        case GLIB_LOG_FATAL:
        case GLIB_LOG_ASSERT:
        case GLIB_LOG_ERROR:
            return FOREGROUND_RED | FOREGROUND_INTENSITY;
        case GLIB_LOG_WARNING:
            return FOREGROUND_RED | FOREGROUND_GREEN | FOREGROUND_INTENSITY;
        case GLIB_LOG_TRACE:
        case GLIB_LOG_DEBUG:
            return FOREGROUND_RED | FOREGROUND_GREEN | FOREGROUND_BLUE;
        default:
            return FOREGROUND_GREEN | FOREGROUND_INTENSITY;
    }
}

void WriteConsoleLine(LogLevel level, const std::string& text, const char* sourceFile, int32_t line) {
    std::cout << GLIB_LogLevelName(level) << ": " << (sourceFile != nullptr ? sourceFile : "") << "(" << line
              << "): " << text << "\n";
    std::cout.flush();
}

}  // namespace

const char* GLIB_LogLevelName(LogLevel level) {
    static const char* const kNames[] = {"FATAL", "ASSERT", "ERROR", "WARNING", "TRACE", "DEBUG", "INFO"};
    return level >= GLIB_LOG_FATAL && level <= GLIB_LOG_INFO ? kNames[level] : "INFO";
}

void GLIB_ConsoleLogSink(LogLevel level, const wchar_t* text, const char* sourceFile, int32_t line) {
    const std::string narrow = GLIB_Narrow(text);
    HANDLE console = GetStdHandle(STD_OUTPUT_HANDLE);
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!GetConsoleScreenBufferInfo(console, &info)) {
        WriteConsoleLine(level, narrow, sourceFile, line);
        return;
    }
    const WORD background = info.wAttributes & 0xFFF0;
    SetConsoleTextAttribute(console, background | ForegroundForLevel(level));
    WriteConsoleLine(level, narrow, sourceFile, line);
    SetConsoleTextAttribute(console, info.wAttributes);
}

void GLIB_Log(LogLevel level, const wchar_t* text, const char* sourceFile, int32_t line) {
    if (text == nullptr) {
        text = L"";
    }
    {
        GLIB_GlobalsRef globals;  // keeps the sink's owner alive while the sink runs
        GLIB_LogSink sink = globals->GetLogSink();
        sink(level, text, sourceFile, line);
    }
    if (level == GLIB_LOG_FATAL) {
        throw GLIB_FatalException(text);
    }
}

void GLIB_Log(LogLevel level, const char* text, const char* sourceFile, int32_t line) {
    GLIB_Log(level, GLIB_Widen(text).c_str(), sourceFile, line);
}

GLIB_LogSink SetLogSink(GLIB_LogSink sink) {
    GLIB_GlobalsRef globals;
    GLIB_LogSink previous = globals->GetLogSink();
    globals->SetLogSink(sink != nullptr ? sink : GLIB_ConsoleLogSink);
    return previous;
}
