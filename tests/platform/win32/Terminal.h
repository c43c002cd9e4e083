// A child process whose standard streams are a pseudo-terminal of its own, and everything that terminal
// receives.
#pragma once

#include <gtest/gtest.h>

#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <functional>
#include <string>

struct ChildRun {
    std::string report;    // what the child's body returned
    std::string terminal;  // every byte the terminal received
};

inline std::string ReadAll(int fd) {
    std::string data;
    char chunk[512];
    ssize_t n;
    while ((n = read(fd, chunk, sizeof chunk)) > 0 || (n < 0 && errno == EINTR))
        data.append(chunk, n > 0 ? static_cast<std::size_t>(n) : 0);
    return data;  // a terminal whose other side has closed reads EIO
}

// Runs `body` in a child whose standard streams are a new raw terminal (no output translation).
inline ChildRun RunOnTerminal(const std::function<std::string()>& body, unsigned short columns = 80,
                              unsigned short rows = 25) {
    int report[2];
    EXPECT_EQ(pipe(report), 0);
    termios raw{};
    cfmakeraw(&raw);
    winsize size{rows, columns, 0, 0};
    std::fflush(nullptr);  // or the child would write this process's pending output again
    int master = -1;
    const pid_t child = forkpty(&master, nullptr, &raw, &size);
    if (child == 0) {
        const std::string text = body();
        std::fflush(nullptr);
        _exit(write(report[1], text.data(), text.size()) == static_cast<ssize_t>(text.size()) ? 0 : 1);
    }
    close(report[1]);
    ChildRun run;
    if (child > 0) {
        run.terminal = ReadAll(master);
        run.report = ReadAll(report[0]);
        close(master);
        waitpid(child, nullptr, 0);
    }
    close(report[0]);
    return run;
}
