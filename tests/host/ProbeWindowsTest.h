// The probe plug-in with its windows (PROBE_WINDOWS) in a host, the user's hands on the screen, and the
// probe's exported functions to look inside its windows and choose how they answer.
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

#include "ProbeTest.h"
#include "Win32.h"
#include "host/Host.h"
#include "win32sub/Desktop.h"

class ProbeWindowsTest : public ProbeTest {
protected:
    static constexpr const char kAboutItem[] = "ORBA_TEST_Probe:ExtensionAboutORBA_TEST_Probe";

    ProbeWindowsTest() {
        setenv("PROBE_WINDOWS", "1", 1);
        // "Debug.log" goes to the host's current directory.
        m_previousDirectory = std::filesystem::current_path();
        std::filesystem::current_path(folder.Path());
    }
    ~ProbeWindowsTest() override {
        WinSub_SetInputSource(nullptr, nullptr);
        host.reset();
        unsetenv("PROBE_WINDOWS");
        std::filesystem::current_path(m_previousDirectory);
    }

    void Start(HostConfig config = HostConfig()) {
        out.str("");
        host = std::make_unique<Host>(std::move(config), out);
        host->LoadPlugins(folder.Path());
        host->FinishStartup();
        SetBehaviour("", "", 1);
        WindowLog();
    }

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
        const int answer = Ask<int, const char*, int, int, int, const char*, char*, int>(
            "Probe_DialogItem", helper, id, index, 0, "", text, size);
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
        WinSub_SetInputSource(&ProbeWindowsTest::ActAsUser, this);
    }

    // The lines of Debug.log without their time stamps.
    std::vector<std::string> DebugLines() {
        std::ifstream file(folder.Path() + "/Debug.log", std::ios::binary);
        std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        std::vector<std::string> lines;
        for (std::size_t start = 0, end; (end = content.find("\r\n", start)) != std::string::npos; start = end + 2) {
            lines.push_back(content.substr(start, end - start).substr(13));
        }
        return lines;
    }
    // Ends the debug output's pending line, so that it can be read.
    void FlushDebugLine() { Call<void (*)(const char*)>("Probe_DebugPrint", "\n"); }

    // The callbacks of a handler record that the host knows as the probe's.
    std::size_t LiveCallbacks(const HostWindowHandlerRecord& record) const {
        std::size_t live = 0;
        for (HostCallback callback :
             {record.mouseDown, record.willClose, record.didClose, record.didActivate, record.didBecomeKey,
              record.keyDown, record.willResignKey, record.willDeactivate, record.draw, record.willBeResized,
              record.performEditOp, record.canPerformEditOp, record.adjustCursor, record.didResize,
              record.destroyPlatformThing}) {
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
    const HostShownAlert* LastAlert() const {
        return host->Alerts().Shown().empty() ? nullptr : &host->Alerts().Shown().back();
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
    // Debug.log has no line that tells of an unknown exception.
    void ExpectNoUnknownExceptionLine() {
        FlushDebugLine();
        for (const std::string& line : DebugLines()) {
            EXPECT_EQ(line.find("caught an unknown exception"), std::string::npos) << line;
        }
    }
    static RECT WindowRect(HWND window) {
        RECT rect{};
        GetWindowRect(window, &rect);
        return rect;
    }


private:
    static BOOL ActAsUser(HWND waitingFor, void* context) {
        auto& self = *static_cast<ProbeWindowsTest*>(context);
        return self.m_user && self.m_user(waitingFor) ? TRUE : FALSE;
    }

    std::function<bool(HWND)> m_user;
    std::filesystem::path m_previousDirectory;
};
