// The log entry point, the console sink, assertions and system error texts.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "GLIB/GLIB_Assert.h"
#include "GLIB/GLIB_FatalException.h"
#include "GLIB/GLIB_Log.h"
#include "GLIB/GLIB_WinUtil.h"
#include "RecordedLog.h"
#include "Terminal.h"
#include "Win32.h"
#include "win32sub/Simulation.h"

namespace {

TEST(LogLevelName, NamesTheSevenLevelsAndCallsTheRestInfo) {
    const char* expected[] = {"FATAL", "ASSERT", "ERROR", "WARNING", "TRACE", "DEBUG", "INFO"};
    for (LogLevel level = 0; level <= 6; ++level) EXPECT_STREQ(GLIB_LogLevelName(level), expected[level]);
    EXPECT_STREQ(GLIB_LogLevelName(7), "INFO");
    EXPECT_STREQ(GLIB_LogLevelName(-1), "INFO");
}

TEST(ConsoleSink, WritesOneUncolouredLineWhenOutputIsNoTerminal) {
    testing::internal::CaptureStdout();
    GLIB_Log(GLIB_LOG_WARNING, "Malformed \xC3\xA4 box", "EXGM_Utils.cpp", 12);
    GLIB_Log(42, L"odd level", nullptr, -1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "WARNING: EXGM_Utils.cpp(12): Malformed \xC3\xA4 box\nINFO: (-1): odd level\n");
}

TEST(ConsoleSink, ColoursTheLineByLevelOnATerminal) {
    const ChildRun run = RunOnTerminal([] {
        GLIB_Log(GLIB_LOG_ERROR, "red", "a.cpp", 1);
        GLIB_Log(GLIB_LOG_WARNING, "yellow", "b.cpp", 2);
        return std::string();
    });
    // Bright red, the line, back to the console's own colours; then bright yellow.
    EXPECT_EQ(run.terminal, "\x1b[0;91mERROR: a.cpp(1): red\n\x1b[0m\x1b[0;93mWARNING: b.cpp(2): yellow\n\x1b[0m");
}

TEST_F(RecordedLog, EntriesReachTheSinkWidenedWithTheirPosition) {
    GLIB_Log(GLIB_LOG_TRACE, "narrow \xE2\x82\xAC", "x.cpp", 3);
    GLIB_Log(GLIB_LOG_DEBUG, std::wstring(L"wide"), "y.cpp", 4);
    ASSERT_EQ(g_entries.size(), 2u);
    EXPECT_EQ(g_entries[0].text, L"narrow \u20AC");
    EXPECT_EQ(g_entries[0].file, "x.cpp");
    EXPECT_EQ(g_entries[1].level, GLIB_LOG_DEBUG);
    EXPECT_EQ(g_entries[1].line, 4);
}

// Matches a call that throws a fatal exception with this message.
auto ThrowsFatal(const wchar_t* message) {
    return testing::Throws<GLIB_FatalException>(
        testing::Property(&GLIB_FatalException::GetMessage, testing::StrEq(message)));
}

TEST_F(RecordedLog, FatalEntryIsWrittenThenThrown) {
    EXPECT_THAT([] { GLIB_Log(GLIB_LOG_FATAL, "GetUpdateRect failed", "w.cpp", 654); },
                ThrowsFatal(L"GetUpdateRect failed"));
    ASSERT_EQ(g_entries.size(), 1u);
    EXPECT_EQ(g_entries[0].level, GLIB_LOG_FATAL);
}

TEST_F(RecordedLog, SettingNullSinkRestoresTheConsoleAndReturnsThePrevious) {
    EXPECT_EQ(SetLogSink(nullptr), RecordingSink);
    EXPECT_EQ(SetLogSink(RecordingSink), GLIB_ConsoleLogSink);
}

void RecordingAssertHandler(const wchar_t* expression, const char*, int32_t line) {
    g_entries.push_back({-1, expression, "handler", line});
}

TEST_F(RecordedLog, DefaultAssertHandlerLogsPrintsAndThrows) {
    testing::internal::CaptureStdout();
    EXPECT_THAT([] { GLIB_Assert(L"count > 0", "XCHG_Thing.cpp", 17); }, ThrowsFatal(L"count > 0"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Assertion failed, count > 0, file XCHG_Thing.cpp, line 17\n");
    ASSERT_EQ(g_entries.size(), 1u);
    EXPECT_EQ(g_entries[0].level, GLIB_LOG_ASSERT);
    EXPECT_EQ(g_entries[0].text, L"count > 0 in XCHG_Thing.cpp:17");
    EXPECT_EQ(g_entries[0].file, "commonlib/src/GLIB/GLIB_Assert.cpp");
    EXPECT_EQ(g_entries[0].line, 78);
}

TEST_F(RecordedLog, AssertHandlerIsReplaceableAndNullRestoresTheDefault) {
    EXPECT_EQ(SetAssertHandler(RecordingAssertHandler), GLIB_DefaultAssertHandler);
    const int zero = 0;
    GLIB_ASSERT(zero == 1);
    GLIB_ASSERT(zero == 0);
    EXPECT_EQ(SetAssertHandler(nullptr), RecordingAssertHandler);
    EXPECT_EQ(SetAssertHandler(GLIB_DefaultAssertHandler), GLIB_DefaultAssertHandler);
    ASSERT_EQ(g_entries.size(), 1u);
    EXPECT_EQ(g_entries[0].text, L"zero == 1");
}

TEST_F(RecordedLog, Win32ErrorTextKeepsTheSystemTextAndAddsTheCode) {
    EXPECT_EQ(GLIB_GetWin32ErrorText(ERROR_FILE_NOT_FOUND),
              L"The system cannot find the file specified.\r\n (code: 2)");
    EXPECT_EQ(GLIB_GetWin32ErrorTextNarrow(ERROR_INSUFFICIENT_BUFFER),
              "The data area passed to a system call is too small.\r\n (code: 122)");
    EXPECT_EQ(GLIB_GetWin32ErrorText(99999), L"The error string could not be translated (code: 99999)");
    EXPECT_TRUE(g_entries.empty());
}

TEST_F(RecordedLog, Win32ErrorTextWarnsWhenTheSystemBufferCannotBeFreed) {
    W32Sim_FailNext(W32SIM_FAULT_LOCAL_FREE, 1);
    EXPECT_EQ(GLIB_GetWin32ErrorText(ERROR_ACCESS_DENIED), L"Access is denied.\r\n (code: 5)");
    ASSERT_EQ(g_entries.size(), 1u);
    EXPECT_EQ(g_entries[0].level, GLIB_LOG_WARNING);
    EXPECT_EQ(g_entries[0].text,
              L"Failed to free buffer returned by FormatMessage() with LocalFree() - memory was leaked. Error = 6");
    EXPECT_EQ(g_entries[0].file, "commonlib/src/GLIB/GLIB_WinUtil.cpp");
    EXPECT_EQ(g_entries[0].line, 366);
}

}  // namespace
