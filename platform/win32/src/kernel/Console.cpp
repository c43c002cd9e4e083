// The console: the standard handles and the text attributes of the two output streams. A stream that is a
// terminal is a console screen buffer whose attributes are drawn with ANSI SGR sequences; one that is not
// (a file, a pipe) fails the console calls as a redirected handle does on Windows, and so never receives
// escape bytes.
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <iostream>
#include <mutex>

#include "Win32.h"
#include "kernel/LastError.h"

namespace {

// Grey on black: what a Windows console starts with.
constexpr WORD kDefaultAttributes = FOREGROUND_RED | FOREGROUND_GREEN | FOREGROUND_BLUE;
constexpr SHORT kDefaultColumns = 80;
constexpr SHORT kDefaultRows = 25;

struct ScreenBuffer {
    int fd;
    WORD attributes;
};

std::mutex gConsoleMutex;
ScreenBuffer gOutput{STDOUT_FILENO, kDefaultAttributes};
ScreenBuffer gError{STDERR_FILENO, kDefaultAttributes};
// The input handle only needs an identity: it has no screen buffer.
const char gInputTag = 0;

HANDLE InputHandle() { return const_cast<char*>(&gInputTag); }

// The screen buffer behind a handle when the handle is an output stream attached to a terminal.
ScreenBuffer* TerminalScreenBuffer(HANDLE console) {
    ScreenBuffer* buffer = nullptr;
    if (console == &gOutput) {
        buffer = &gOutput;
    } else if (console == &gError) {
        buffer = &gError;
    }
    return buffer != nullptr && isatty(buffer->fd) ? buffer : nullptr;
}

// Callers write through stdio and iostreams; what they wrote before the colour change must reach the
// terminal before the escape sequence does.
void FlushStreamsOf(const ScreenBuffer& buffer) {
    if (&buffer == &gOutput) {
        std::cout.flush();
        std::fflush(stdout);
    } else {
        std::cerr.flush();
        std::clog.flush();
        std::fflush(stderr);
    }
}

// Console colour bits are blue 1, green 2, red 4; ANSI colour numbers are red 1, green 2, blue 4.
int AnsiColour(int consoleColour) {
    return ((consoleColour & 4) != 0 ? 1 : 0) | (consoleColour & 2) | ((consoleColour & 1) != 0 ? 4 : 0);
}

// The SGR sequence for an attribute. The console's own defaults, grey text and a black background, are
// left to the terminal's defaults, so that 0x07 comes out as a plain reset and a program that restores
// the console's colours restores the user's terminal colours.
int RenderSgr(WORD attributes, char* out, std::size_t capacity) {
    const int foreground = attributes & 0x0F;
    const int background = (attributes >> 4) & 0x0F;
    int length = std::snprintf(out, capacity, "\x1b[0");
    if (foreground != kDefaultAttributes) {
        const int base = (foreground & FOREGROUND_INTENSITY) != 0 ? 90 : 30;
        length += std::snprintf(out + length, capacity - length, ";%d", base + AnsiColour(foreground));
    }
    if (background != 0) {
        const int base = (background & 8) != 0 ? 100 : 40;
        length += std::snprintf(out + length, capacity - length, ";%d", base + AnsiColour(background));
    }
    length += std::snprintf(out + length, capacity - length, "m");
    return length;
}

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

SHORT ClampToShort(unsigned short value) { return static_cast<SHORT>(value > SHRT_MAX ? SHRT_MAX : value); }

}  // namespace

WIN32SUB_API HANDLE WINAPI GetStdHandle(DWORD which) {
    switch (which) {
        case STD_INPUT_HANDLE:
            return InputHandle();
        case STD_OUTPUT_HANDLE:
            return &gOutput;
        case STD_ERROR_HANDLE:
            return &gError;
        default:
            SetLastError(ERROR_INVALID_HANDLE);
            return INVALID_HANDLE_VALUE;
    }
}

WIN32SUB_API BOOL WINAPI GetConsoleScreenBufferInfo(HANDLE console, PCONSOLE_SCREEN_BUFFER_INFO info) {
    ScreenBuffer* buffer = TerminalScreenBuffer(console);
    if (buffer == nullptr) {
        return win32sub::Fail(ERROR_INVALID_HANDLE, FALSE);
    }
    if (info == nullptr) {
        return win32sub::Fail(ERROR_INVALID_PARAMETER, FALSE);
    }
    // The buffer is the visible window: a terminal has no scroll-back that a program could address.
    SHORT columns = kDefaultColumns;
    SHORT rows = kDefaultRows;
    winsize size{};
    if (ioctl(buffer->fd, TIOCGWINSZ, &size) == 0 && size.ws_col > 0 && size.ws_row > 0) {
        columns = ClampToShort(size.ws_col);
        rows = ClampToShort(size.ws_row);
    }
    info->dwSize = COORD{columns, rows};
    // The terminal does not tell where its cursor is without a round trip through its input.
    info->dwCursorPosition = COORD{0, 0};
    {
        std::lock_guard<std::mutex> lock(gConsoleMutex);
        info->wAttributes = buffer->attributes;
    }
    info->srWindow = SMALL_RECT{0, 0, static_cast<SHORT>(columns - 1), static_cast<SHORT>(rows - 1)};
    info->dwMaximumWindowSize = COORD{columns, rows};
    return TRUE;
}

WIN32SUB_API BOOL WINAPI SetConsoleTextAttribute(HANDLE console, WORD attributes) {
    ScreenBuffer* buffer = TerminalScreenBuffer(console);
    if (buffer == nullptr) {
        return win32sub::Fail(ERROR_INVALID_HANDLE, FALSE);
    }
    char sequence[32];
    const int length = RenderSgr(attributes, sequence, sizeof sequence);
    // One lock over flush and write keeps two threads' colour changes from interleaving their bytes.
    std::lock_guard<std::mutex> lock(gConsoleMutex);
    FlushStreamsOf(*buffer);
    if (!WriteAll(buffer->fd, sequence, static_cast<std::size_t>(length))) {
        return win32sub::Fail(ERROR_INVALID_HANDLE, FALSE);
    }
    buffer->attributes = attributes;
    return TRUE;
}
