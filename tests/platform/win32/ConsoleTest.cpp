// The console on a terminal (a pseudo-terminal given to a child process) and on redirected streams.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <string>

#include "Terminal.h"
#include "Win32.h"

namespace {

std::string Attempt(BOOL succeeded) { return succeeded ? "ok " : "failed:" + std::to_string(GetLastError()) + " "; }

std::string Info(HANDLE console) {
    CONSOLE_SCREEN_BUFFER_INFO i{};
    if (!GetConsoleScreenBufferInfo(console, &i)) return Attempt(FALSE);
    char text[96];
    std::snprintf(text, sizeof text, "%dx%d %d,%d-%d,%d max %dx%d attr %x ", i.dwSize.X, i.dwSize.Y, i.srWindow.Left,
                  i.srWindow.Top, i.srWindow.Right, i.srWindow.Bottom, i.dwMaximumWindowSize.X, i.dwMaximumWindowSize.Y,
                  i.wAttributes);
    return text;
}

const HANDLE kOut = GetStdHandle(STD_OUTPUT_HANDLE);
const HANDLE kErr = GetStdHandle(STD_ERROR_HANDLE);

}  // namespace

TEST(Console, StandardHandlesAreDistinctAndOthersInvalid) {
    HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
    EXPECT_TRUE(in != nullptr && kOut != nullptr && kErr != nullptr);
    EXPECT_TRUE(in != kOut && in != kErr && kOut != kErr);
    EXPECT_EQ(GetStdHandle(static_cast<DWORD>(-13)), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

TEST(Console, TerminalReportsItsSizeAndStartsGreyOnBlack) {
    const auto infos = [] { return Info(kOut) + Info(kErr) + Info(GetStdHandle(STD_INPUT_HANDLE)); };
    EXPECT_EQ(RunOnTerminal(infos, 100, 40).report,
              "100x40 0,0-99,39 max 100x40 attr 7 100x40 0,0-99,39 max 100x40 attr 7 failed:6 ");
    EXPECT_EQ(RunOnTerminal([] { return Info(kOut); }, 0, 0).report, "80x25 0,0-79,24 max 80x25 attr 7 ");
}

TEST(Console, AttributesBecomeSgrSequencesAfterTheTextWrittenBeforeThem) {
    const std::pair<WORD, std::string> cases[] = {
        {0x0C, "\x1b[0;91m"},     {0x09, "\x1b[0;94m"},  {0x04, "\x1b[0;31m"},    {0x06, "\x1b[0;33m"},
        {0x03, "\x1b[0;36m"},     {0x00, "\x1b[0;30m"},  {0x1F, "\x1b[0;97;44m"}, {0x4E, "\x1b[0;93;41m"},
        {0xF0, "\x1b[0;30;107m"}, {0x87, "\x1b[0;100m"},
    };
    std::string expectedTerminal = "a";
    std::string expectedReport;
    for (const auto& c : cases) {
        expectedTerminal += c.second;
        expectedReport += "ok ";
    }
    const ChildRun run = RunOnTerminal([&cases] {
        std::printf("a");
        std::string report;
        for (const auto& c : cases) report += Attempt(SetConsoleTextAttribute(kOut, c.first));
        std::cout << "b";
        report += Attempt(SetConsoleTextAttribute(kOut, 0x07));
        return report + Info(kOut);
    });
    EXPECT_EQ(run.terminal, expectedTerminal + "b\x1b[0m");  // grey on black: the terminal's own default
    EXPECT_EQ(run.report, expectedReport + "ok 80x25 0,0-79,24 max 80x25 attr 7 ");

    // Also when std::cout keeps a buffer of its own instead of writing through stdio.
    const ChildRun unsynced = RunOnTerminal([] {
        std::ios::sync_with_stdio(false);
        std::cout << "x";
        return Attempt(SetConsoleTextAttribute(kOut, 0x0A));
    });
    EXPECT_EQ(unsynced.terminal, "x\x1b[0;92m");
}
