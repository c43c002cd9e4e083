// What the framework tells the user and writes to the debug output once it is set up: "Debug.log" lines in
// their exact layout, alerts for reports and failed assertions, and the message box before the host alert.
#include "ProbeTest.h"

namespace {

class Reporting : public ProbeTest {
protected:
    void Start(bool debuggerWindow = true) {
        HostConfig config;
        config.debuggerWindow = debuggerWindow;
        ProbeTest::Start(config);
    }
    void Write(int level, const char* text, const char* file = "f.cpp", int line = 1) {
        Call<void (*)(int, const char*, const char*, int)>("Probe_Log", level, text, file, line);
    }
    void DebugPrint(const char* text) { Call<void (*)(const char*)>("Probe_DebugPrint", text); }
    void ReportError(int kind, const char* text) { Call<void (*)(int, const char*)>("Probe_ReportError", kind, text); }
};

TEST_F(Reporting, LogLinesHaveTheFixedLayoutAndTheFrameworksLevelNames) {
    const std::pair<int, const char*> levels[] = {{1, "Error   "}, {2, "Error   "}, {3, "Warning "}, {4, "Trace   "},
                                                  {5, "Debug   "}, {6, "Info    "}, {7, "Debug   "}, {42, "Debug   "}};
    Start();
    Write(6, "message text", "..\\acrobatplugins\\src\\EXGM\\EXGM_CosLexer", 269);
    Write(2, "short", "a.cpp", 7);
    for (const auto& [level, name] : levels) Write(level, "x");
    const std::vector<std::string> lines = DebugLines();
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], "Info     ..\\acrobatplugins\\src\\EXGM\\EXGM_Cos line 269:message text");
    EXPECT_EQ(lines[1], "Error    a.cpp                               line   7:short");
    for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(lines[i + 2].substr(0, 8), levels[i].second) << levels[i].first;
}

TEST_F(Reporting, LongTextIsWrittenAt510CharactersAndTheRestWaits) {
    Start();
    const std::string half(500, 'a');
    DebugPrint(half.c_str());
    DebugPrint(half.c_str());
    ASSERT_EQ(DebugLines().size(), 1u);
    EXPECT_EQ(DebugLines()[0], std::string(510, 'a'));
    DebugPrint("b\nc\nd");
    const std::vector<std::string> lines = DebugLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], std::string(490, 'a') + "b");
    EXPECT_EQ(lines[2], "c");  // "d" waits for its line feed
}

TEST_F(Reporting, FailedAssertionIsShownLoggedAndCaughtAtTheBoundary) {
    Start();
    host->Alerts().Clear();
    EXPECT_FALSE(Call<void (*)()>("Probe_FailAssertion"));
    const auto& shown = host->Alerts().Shown();
    ASSERT_EQ(shown.size(), 2u) << out.str();
    const std::string expected =
        "Assertion failed: one == 2, file tests/acrobatlib/XCHG/ProbePlugin/ProbePlugin.cpp, line ";
    EXPECT_EQ(shown[0].text.substr(0, expected.size()), expected);
    EXPECT_TRUE(shown[0].modal);
    EXPECT_TRUE(shown[0].beep);
    EXPECT_EQ(shown[1].text, "XCHG_Test::Assert caught an exception: " + shown[0].text + " : code 1155001");
    const std::vector<std::string> lines = DebugLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_NE(lines[0].find("Error    acrobatlib/src/XCHG/XCHG_ReportErro line 110:Assertion failed: one == 2"),
              std::string::npos)
        << lines[0];
}

TEST_F(Reporting, ReportsUseAMessageBoxUntilTheHostAlertIsHooked) {
    Start();
    ReportError(3, "through the host");
    Call<void (*)()>("Probe_ForgetAlertHook");
    ReportError(2, "through a message box");
    const auto& shown = host->Alerts().Shown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].caption, "");
    EXPECT_EQ(shown[0].kind, 3);
    EXPECT_EQ(shown[1].caption, "XCHG_Alert");
    EXPECT_EQ(shown[1].text, "through a message box");
    const std::vector<std::string> lines = DebugLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].substr(0, 8), "Info    ");
    EXPECT_NE(lines[1].find("line 116:through a message box"), std::string::npos);
}

TEST_F(Reporting, WithoutADebuggerWindowNothingIsWrittenButAlertsStillShow) {
    Start(false);
    Write(2, "nowhere");
    ReportError(1, "still shown");
    EXPECT_FALSE(std::filesystem::exists(folder.Path() + "/Debug.log"));
    ASSERT_EQ(host->Alerts().Shown().size(), 1u);
    EXPECT_EQ(host->Alerts().Shown()[0].text, "still shown");
}

}  // namespace
