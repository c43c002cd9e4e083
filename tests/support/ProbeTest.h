// The probe plug-in (tests/acrobatlib/XCHG/ProbePlugin) in a host: its folder, a reference to its module that keeps
// its state alive between hosts, what it sets up as the environment chooses (PROBE_MENUS: menu items, tool
// buttons and toolbars; PROBE_WINDOWS: a dialog, a plain window and the About box; PROBE_TOOLS: a multi-tool;
// PROBE_FAIL: a failing lifecycle), its exported functions, and what it and the host showed the user.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "GLIB/GLIB_StringUtils.h"
#include "PluginFolder.h"
#include "Win32.h"
#include "host/core/Host.h"
#include "win32sub/Desktop.h"

class ProbeTest : public ::testing::Test {
protected:
    using Names = std::vector<std::string>;

    static constexpr const char kItemA[] = "ORBA_TEST_Probe:ItemA";
    static constexpr const char kItemB[] = "ORBA_TEST_Probe:ItemB";
    static constexpr const char kItemC[] = "ORBA_TEST_Probe:ItemC";
    static constexpr const char kToolsItem[] = "ORBA_TEST_Probe:ORBA:OrbaToolsMenuName";
    static constexpr const char kSubmenu[] = "ORBA:OrbaToolsSubMenuName";
    static constexpr const char kToolbar[] = "ORBA:XCHG_OrbaToolBar";
    static constexpr const char kEndSeparator[] = "ORBA:XCHG_OrbaToolBar:ORBA:EndToolBarSeparator";
    static constexpr const char kMenuSeparator[] = "ORBA:OrbaToolsMenuBarSeparator";
    static constexpr const char kNullToolButton[] = "ORBA:TEST_NullToolButton";
    static constexpr const char kToolButton[] = "ORBA:TEST_ToolButton";
    static constexpr const char kPlainButton[] = "ORBA:TEST_PlainButton";
    static constexpr const char kAboutItem[] = "ORBA_TEST_Probe:ExtensionAboutORBA_TEST_Probe";

    explicit ProbeTest(const char* built = "testplugins/Probe.api", const char* name = "Probe.api") {
        module = LoadLibraryW(GLIB_Widen("Z:" + folder.Add(built, name)).c_str());
        // "Debug.log" goes to the host's current directory.
        m_previousDirectory = std::filesystem::current_path();
        std::filesystem::current_path(folder.Path());
    }
    ~ProbeTest() override {
        WinSub_SetInputSource(nullptr, nullptr);
        host.reset();
        FreeLibrary(module);
        for (const char* feature : {"PROBE_MENUS", "PROBE_WINDOWS", "PROBE_TOOLS", "PROBE_FAIL"}) unsetenv(feature);
        std::filesystem::current_path(m_previousDirectory);
    }

    // What the next host's probe sets up; a null value leaves that feature out.
    static void Choose(const char* feature, const char* value = "1") {
        value ? setenv(feature, value, 1) : unsetenv(feature);
    }
    static HostConfig Version(uint16_t major, int room = 8) {
        HostConfig config;
        config.versionMajor = major;
        config.toolbarRoom = room;
        return config;
    }
    // Starts a new host with the probe; `before` may change the host before the plug-in loads.
    const HostPlugin& Start(HostConfig config = HostConfig(), const std::function<void(Host&)>& before = {}) {
        host.reset();
        out.str("");
        host = std::make_unique<Host>(std::move(config), out);
        if (before) before(*host);
        host->LoadPlugins(folder.Path());
        host->FinishStartup();
        SetState(true, false);
        SetBehaviour("", "", 1);
        Log();
        WindowLog();
        return *host->Plugins().at(0);
    }

    // A probe function; a missing one (a stale build) fails the test instead of crashing it.
    template <class Function>
    Function Export(const char* name) {
        auto function = reinterpret_cast<Function>(reinterpret_cast<HostProc>(GetProcAddress(module, name)));
        EXPECT_NE(function, nullptr) << "the probe exports no " << name;
        return function;
    }
    // Calls a probe function the way the host calls plug-ins: inside a host frame. False when it failed.
    template <class Function, class... Args>
    bool Call(const char* name, Args... args) {
        auto function = Export<Function>(name);
        return function != nullptr && host->CallPlugin(name, [&] { function(args...); });
    }
    template <class Result, class... Args>
    Result Ask(const char* name, Args... args) {
        Result result{};
        auto function = Export<Result (*)(Args...)>(name);
        if (function != nullptr) host->CallPlugin(name, [&] { result = function(args...); });
        return result;
    }
    // A probe function that writes text, asked with a number first unless `argument` is 0.
    std::string Text(const char* name, int argument = 0) {
        char text[512] = "";
        const bool done = argument != 0 ? Call<void (*)(int, char*, int)>(name, argument, text, int{sizeof text})
                                        : Call<void (*)(char*, int)>(name, text, int{sizeof text});
        return done ? text : "(failed)";
    }
    int NestingCount() {
        auto count = Export<int (*)()>("Probe_NestingCount");
        return count != nullptr ? count() : -1;
    }
    HostExtension Extension() const { return host->Plugins().at(0)->extension; }
    const HostShownAlert* LastAlert() const {
        return host->Alerts().Shown().empty() ? nullptr : &host->Alerts().Shown().back();
    }

    // What reached the probe's menu target and tool since the last call.
    std::string Log() {
        char text[1024] = "";
        if (auto log = Export<void (*)(char*, int)>("Probe_MenuLog")) log(text, sizeof text);
        return text;
    }
    void SetState(bool enabled, bool marked, bool failing = false) {
        Call<void (*)(int, int, int)>("Probe_SetMenuState", enabled, marked, failing);
    }
    std::string MenuLine(const std::string& name) { return LineOf(host->Menus().Text(), name); }
    std::string ButtonLine(const std::string& name) { return LineOf(host->Toolbars().Text(), name); }

    // What reached the probe's windows since the last call.
    std::string WindowLog() {
        char text[4096] = "";
        if (auto log = Export<void (*)(char*, int)>("Probe_WindowLog")) log(text, sizeof text);
        return text;
    }
    // The next call of `hook` throws an exception of `kind` ("xchg", "glib", "oom", "foreign"); WillClose
    // answers `willClose`.
    void SetBehaviour(const char* hook, const char* kind, int willClose = 1) {
        Call<void (*)(const char*, const char*, int)>("Probe_SetWindowBehaviour", hook, kind, willClose);
    }
    int DialogItem(const char* helper, int id, int index = 0, int value = 0, const char* text = "") {
        return Ask<int, const char*, int, int, int, const char*, char*, int>("Probe_DialogItem", helper, id, index,
                                                                             value, text, nullptr, 0);
    }
    std::string DialogItemText(const char* helper, int id, int index, int size, int* result = nullptr) {
        char text[256] = "(untouched)";
        const int answer = Ask<int, const char*, int, int, int, const char*, char*, int>("Probe_DialogItem", helper, id,
                                                                                         index, 0, "", text, size);
        if (result != nullptr) *result = answer;
        return text;
    }

    // The screen as the user sees it, one window per line.
    static std::string Screen(HWND root, DWORD flags = 0) {
        std::vector<wchar_t> text(1 << 16);
        WinSub_DumpWindows(root, flags, text.data(), static_cast<int>(text.size()));
        return GLIB_Narrow(text.data());
    }
    static WINSUB_WINDOWINFO Info(HWND window) {
        WINSUB_WINDOWINFO info{};
        WinSub_GetWindowInfo(window, &info);
        return info;
    }
    // The user's next actions in a modal loop: called with the window the loop runs for; false when the user
    // has nothing more to do.
    void WhenWaiting(std::function<bool(HWND)> user) {
        m_user = std::move(user);
        WinSub_SetInputSource(&ProbeTest::ActAsUser, this);
    }

    // The lines of Debug.log without their time stamps; each must carry one.
    std::vector<std::string> DebugLines() {
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
    // Ends the debug output's pending line, so that it can be read.
    void FlushDebugLine() { Call<void (*)(const char*)>("Probe_DebugPrint", "\n"); }

    // The callbacks of a handler record that the host knows as the probe's.
    std::size_t LiveCallbacks(const HostWindowHandlerRecord& record) const {
        std::size_t live = 0;
        for (HostCallback callback : {record.mouseDown, record.willClose, record.didClose, record.didActivate,
                                      record.didBecomeKey, record.keyDown, record.willResignKey, record.willDeactivate,
                                      record.draw, record.willBeResized, record.performEditOp, record.canPerformEditOp,
                                      record.adjustCursor, record.didResize, record.destroyPlatformThing}) {
            if (host->Callbacks().Find(callback) == nullptr) continue;
            if (host->Callbacks().OwnerOf(callback) == Extension()) ++live;
        }
        return live;
    }
    // A host callback of the record, as the host calls it.
    template <class Proc>
    Proc HostCallbackOf(HostCallback callback) const {
        return host->Callbacks().FindAs<Proc>(callback);
    }
    static RECT WindowRect(HWND window) {
        RECT rect{};
        GetWindowRect(window, &rect);
        return rect;
    }
    static std::string Rect(const RECT& rect) {
        return std::to_string(rect.left) + "," + std::to_string(rect.top) + "," + std::to_string(rect.right) + "," +
               std::to_string(rect.bottom);
    }
    // "left,top,right,bottom" of the client area, from its origin.
    static std::string ClientArea(HWND window) {
        RECT client{};
        GetClientRect(window, &client);
        return Rect(client);
    }
    // "x,y" of the middle of the window, where the user clicks it, in the client coordinates of `in`.
    static std::string Middle(HWND window, HWND in) {
        const RECT rect = WindowRect(window);
        POINT middle{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        ScreenToClient(in, &middle);
        return std::to_string(middle.x) + "," + std::to_string(middle.y);
    }

    PluginFolder folder;
    HMODULE module = nullptr;
    std::ostringstream out;
    std::unique_ptr<Host> host;

private:
    static BOOL ActAsUser(HWND waitingFor, void* context) {
        auto& self = *static_cast<ProbeTest*>(context);
        return self.m_user && self.m_user(waitingFor) ? TRUE : FALSE;
    }

    std::function<bool(HWND)> m_user;
    std::filesystem::path m_previousDirectory;
};

// The probe with its menu items, tool buttons and toolbars; with its windows.
class ProbeMenusTest : public ProbeTest {
protected:
    ProbeMenusTest() { Choose("PROBE_MENUS"); }
};
class ProbeWindowsTest : public ProbeTest {
protected:
    ProbeWindowsTest() { Choose("PROBE_WINDOWS"); }
};
