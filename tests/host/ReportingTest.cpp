// What the framework tells the user and writes to the debug output once it is set up: "Debug.log" lines in
// their exact layout, alerts for reports and failed assertions, and the message box before the host alert.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "GLIB/GLIB_StringUtils.h"
#include "PluginFolder.h"
#include "Win32.h"
#include "host/Host.h"

namespace {

class Reporting : public ::testing::Test {
protected:
    Reporting() {
        const std::string path = folder.Add("testplugins/Probe.api", "Probe.api");
        module = LoadLibraryW(GLIB_Widen("Z:" + path).c_str());
        // "Debug.log" goes to the host's current directory.
        m_previousDirectory = std::filesystem::current_path();
        std::filesystem::current_path(folder.Path());
    }
    ~Reporting() override {
        host.reset();
        FreeLibrary(module);
        std::filesystem::current_path(m_previousDirectory);
    }

    void Start(bool debuggerWindow = true) {
        HostConfig config;
        config.debuggerWindow = debuggerWindow;
        host = std::make_unique<Host>(config, out);
        host->LoadPlugins(folder.Path());
    }

    template <class Function, class... Arguments>
    bool Call(const char* name, Arguments... arguments) {
        auto function = reinterpret_cast<Function>(reinterpret_cast<HostProc>(GetProcAddress(module, name)));
        return host->CallPlugin(name, [&] { function(arguments...); });
    }
    void Log(int level, const char* text, const char* file = "f.cpp", int line = 1) {
        Call<void (*)(int, const char*, const char*, int)>("Probe_Log", level, text, file, line);
    }
    void DebugPrint(const char* text) { Call<void (*)(const char*)>("Probe_DebugPrint", text); }

    // The lines of Debug.log without their time stamps; each must carry one.
    std::vector<std::string> LogLines() {
        std::ifstream file(folder.Path() + "/Debug.log", std::ios::binary);
        std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        std::vector<std::string> lines;
        const std::regex stamp(R"(^\d\d:\d\d:\d\d\.\d\d\d )");
        for (std::size_t start = 0, end; (end = content.find("\r\n", start)) != std::string::npos; start = end + 2) {
            const std::string line = content.substr(start, end - start);
            EXPECT_TRUE(std::regex_search(line, stamp)) << line;
            lines.push_back(line.substr(13));
        }
        return lines;
    }

    PluginFolder folder;
    HMODULE module = nullptr;
    std::ostringstream out;
    std::unique_ptr<Host> host;

private:
    std::filesystem::path m_previousDirectory;
};

TEST_F(Reporting, LogLinesHaveTheFixedLayout) {
    Start();
    Log(6, "message text", "..\\acrobatplugins\\src\\EXGM\\EXGM_CosLexer", 269);
    Log(2, "short", "a.cpp", 7);
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Info     ..\\acrobatplugins\\src\\EXGM\\EXGM_Cos line 269:message text");
    EXPECT_EQ(lines[1], "Error    a.cpp                               line   7:short");
}

TEST_F(Reporting, LevelNamesOfTheFramework) {
    Start();
    for (int level : {1, 2, 3, 4, 5, 6, 7, 42}) Log(level, "x");
    const char* expected[] = {"Error   ", "Error   ", "Warning ", "Trace   ", "Debug   ", "Info    ", "Debug   ", "Debug   "};
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 8u);
    for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i].substr(0, 8), expected[i]) << i;
}

TEST_F(Reporting, LongTextIsWrittenAt510CharactersAndTheRestWaits) {
    Start();
    const std::string half(500, 'a');
    DebugPrint(half.c_str());
    DebugPrint(half.c_str());
    ASSERT_EQ(LogLines().size(), 1u);
    EXPECT_EQ(LogLines()[0], std::string(510, 'a'));
    DebugPrint("b\nc\nd");
    const std::vector<std::string> lines = LogLines();
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
    const std::string expected = "Assertion failed: one == 2, file tests/host/ProbePlugin/ProbePlugin.cpp, line ";
    EXPECT_EQ(shown[0].text.substr(0, expected.size()), expected);
    EXPECT_TRUE(shown[0].modal);
    EXPECT_TRUE(shown[0].beep);
    EXPECT_EQ(shown[1].text, "XCHG_Test::Assert caught an exception: " + shown[0].text + " : code 1155001");
    const std::vector<std::string> lines = LogLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_NE(lines[0].find("Error    acrobatlib/src/XCHG/XCHG_ReportErro line 110:Assertion failed: one == 2"),
              std::string::npos)
        << lines[0];
}

TEST_F(Reporting, ReportsUseAMessageBoxUntilTheHostAlertIsHooked) {
    Start();
    Call<void (*)(int, const char*)>("Probe_ReportError", 3, "through the host");
    Call<void (*)()>("Probe_ForgetAlertHook");
    Call<void (*)(int, const char*)>("Probe_ReportError", 2, "through a message box");
    const auto& shown = host->Alerts().Shown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].caption, "");
    EXPECT_EQ(shown[0].kind, 3);
    EXPECT_EQ(shown[1].caption, "XCHG_Alert");
    EXPECT_EQ(shown[1].text, "through a message box");
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].substr(0, 8), "Info    ");
    EXPECT_NE(lines[1].find("line 116:through a message box"), std::string::npos);
}

TEST_F(Reporting, WithoutADebuggerWindowNothingIsWrittenButAlertsStillShow) {
    Start(false);
    Log(2, "nowhere");
    Call<void (*)(int, const char*)>("Probe_ReportError", 1, "still shown");
    EXPECT_FALSE(std::filesystem::exists(folder.Path() + "/Debug.log"));
    ASSERT_EQ(host->Alerts().Shown().size(), 1u);
    EXPECT_EQ(host->Alerts().Shown()[0].text, "still shown");
}

}  // namespace
