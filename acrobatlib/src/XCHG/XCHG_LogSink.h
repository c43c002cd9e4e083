// The framework's log sink and assertion handler, put in place at initialization.
#pragma once

#include <cstdint>

#include "GLIB/GLIB_Log.h"

// The framework's name of a level, as written to the debug output: "Error", "Warning", "Trace", "Debug",
// "Info".
const char* XCHG_LevelName(LogLevel level);
// One line per entry: "%-8.8s %-35.35s line %3d:" with level name, source file and line, then the text.
void XCHG_LogSink(LogLevel level, const wchar_t* text, const char* file, int32_t line);
// Shows and logs "Assertion failed: ..." and throws the framework's exception with code 1155001.
void XCHG_AssertHandler(const wchar_t* expression, const char* file, int32_t line);
