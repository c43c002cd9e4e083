#include "XCHG/XCHG_DebugOutput.h"

#include <cstdarg>
#include <cstdio>

#include "GLIB/GLIB_StringUtils.h"
#include "Win32.h"
#include "XCHG/XCHG_PluginContext.h"

namespace {

constexpr int kBufferSize = 512;
constexpr int kLongestLine = 510;
constexpr int kDebuggerWriteEntry = 3;
constexpr int kMostIndentLevels = 10;

// Process-wide, as the host's debugger window is: the line being gathered, the log file, the indentation.
char s_pending[kLongestLine + 3];  // room for carriage return, line feed and terminator
int s_pendingLength = 0;
std::FILE* s_logFile = nullptr;
int s_indentLevel = 0;
char s_indentText[2 * kMostIndentLevels + 1];

using DebuggerWrite = void (*)(const char* text);

// The log stays open while the plug-in is loaded; it is closed only when the module itself goes away.
struct LogFileCloser {
    ~LogFileCloser() {
        if (s_logFile != nullptr) std::fclose(s_logFile);
    }
} s_logFileCloser;

void UpdateIndentText() {
    const int levels = s_indentLevel < kMostIndentLevels ? s_indentLevel : kMostIndentLevels;
    for (int i = 0; i < 2 * levels; ++i) s_indentText[i] = ' ';
    s_indentText[2 * levels] = '\0';
}

void WritePendingLine() {
    s_pending[s_pendingLength++] = '\r';
    s_pending[s_pendingLength++] = '\n';
    s_pending[s_pendingLength] = '\0';
    if (s_logFile == nullptr) {
        s_logFile = std::fopen("Debug.log", "wb");  // tried again on every line until it opens
    }
    SYSTEMTIME now;
    GetLocalTime(&now);
    char clock[16];
    GLIB_Format(clock, sizeof clock, "%02u:%02u:%02u", now.wHour, now.wMinute, now.wSecond);
    char stamp[32];
    GLIB_Format(stamp, sizeof stamp, "%.8s.%03u ", clock, static_cast<unsigned>(now.wMilliseconds));

    const auto write = reinterpret_cast<DebuggerWrite>(XCHG_PluginContext::DebuggerTable()[kDebuggerWriteEntry]);
    write(stamp);
    write(s_indentText);
    write(s_pending);
    if (s_logFile != nullptr) {
        std::fprintf(s_logFile, "%s%s%s", stamp, s_indentText, s_pending);
        std::fflush(s_logFile);
    }
    s_pendingLength = 0;
}

}  // namespace

void XCHG_DebugPrintf(const char* format, ...) {
    if (XCHG_PluginContext::DebuggerTable() == nullptr) return;
    char text[kBufferSize];
    va_list arguments;
    va_start(arguments, format);
    GLIB_VFormat(text, sizeof text, format, arguments);
    va_end(arguments);
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c == '\n') {
            WritePendingLine();
            continue;
        }
        s_pending[s_pendingLength++] = *c;
        if (s_pendingLength == kLongestLine) WritePendingLine();
    }
}

void XCHG_DebugIndent() {
    ++s_indentLevel;
    UpdateIndentText();
}

void XCHG_DebugOutdent() {
    if (s_indentLevel > 0) --s_indentLevel;
    UpdateIndentText();
}
