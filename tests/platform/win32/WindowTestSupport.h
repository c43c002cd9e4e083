// What the window, dialog, control and timer tests share: a screen that starts empty for every test, a
// window class whose procedure records what it receives, and ways to read what the windows show.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "ExpectFailure.h"
#include "Win32.h"
#include "win32sub/Desktop.h"

namespace windowtest {

struct Received {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Every message that reaches a RecordingProc window, in order.
inline std::vector<Received>& Log() {
    static std::vector<Received> log;
    return log;
}

inline LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Log().push_back(Received{window, message, wParam, lParam});
    return DefWindowProcW(window, message, wParam, lParam);
}

// The messages of the log that `window` received, optionally only those in `wanted`.
inline std::vector<UINT> MessagesOf(HWND window, const std::vector<UINT>& wanted = {}) {
    std::vector<UINT> messages;
    for (const Received& received : Log()) {
        if (received.window == window &&
            (wanted.empty() || std::find(wanted.begin(), wanted.end(), received.message) != wanted.end())) {
            messages.push_back(received.message);
        }
    }
    return messages;
}

// The WM_COMMAND notifications that `parent` received from `control`: their codes, in order.
inline std::vector<WORD> NotificationsFrom(HWND parent, HWND control) {
    std::vector<WORD> codes;
    for (const Received& r : Log()) {
        if (r.window == parent && r.message == WM_COMMAND && reinterpret_cast<HWND>(r.lParam) == control) {
            codes.push_back(HIWORD(r.wParam));
        }
    }
    return codes;
}

// The first message `message` that `window` received; all zero when there is none.
inline Received First(HWND window, UINT message) {
    for (const Received& received : Log())
        if (received.window == window && received.message == message) return received;
    return Received{};
}

// A rectangle as "left,top,right,bottom" and a point as "x,y", to compare them whole.
inline std::string Text(const RECT& rect) {
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + "," + std::to_string(rect.right) + "," +
           std::to_string(rect.bottom);
}
inline std::string Text(const POINT& point) { return std::to_string(point.x) + "," + std::to_string(point.y); }

// Sends `message` (CB_ADDSTRING, LB_ADDSTRING) to `control` with each text in turn.
inline void AddEntries(HWND control, UINT message, std::initializer_list<const wchar_t*> texts) {
    for (const wchar_t* text : texts) SendMessageW(control, message, 0, reinterpret_cast<LPARAM>(text));
}

inline std::wstring TextOf(HWND window) {
    wchar_t text[256];
    GetWindowTextW(window, text, 256);
    return text;
}

inline RECT RectOf(HWND window) {
    WINSUB_WINDOWINFO info{};
    WinSub_GetWindowInfo(window, &info);
    return info.rect;
}

inline std::wstring Dump(HWND root = nullptr, DWORD flags = 0) {
    std::wstring text(static_cast<std::size_t>(WinSub_DumpWindows(root, flags, nullptr, 0)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(WinSub_DumpWindows(root, flags, text.data(), static_cast<int>(text.size()))));
    return text;
}

// A test with an empty screen, a recording class "Recorder" and a clean log; whatever it leaves is destroyed.
class Desktop : public testing::Test {
protected:
    void SetUp() override {
        Log().clear();
        WNDCLASSW recorder{};
        recorder.lpfnWndProc = RecordingProc;
        recorder.lpszClassName = L"Recorder";
        recorder.cbWndExtra = 16;
        ASSERT_NE(RegisterClassW(&recorder), 0);
    }

    void TearDown() override {
        WinSub_SetInputSource(nullptr, nullptr);
        WinSub_SetMessageSpy(nullptr, nullptr);
        WinSub_SetProcedureCaller(nullptr, nullptr);
        WinSub_ResetDesktop();
        EXPECT_TRUE(UnregisterClassW(L"Recorder", nullptr));
        Log().clear();
    }

    // A top-level window of the recording class.
    static HWND TopLevel(DWORD style = WS_POPUP | WS_VISIBLE, int x = 100, int y = 50, int width = 400,
                         int height = 300, HWND owner = nullptr) {
        return CreateWindowExW(0, L"Recorder", L"Top", style, x, y, width, height, owner, nullptr, nullptr, nullptr);
    }

    // A child of the recording class.
    static HWND Child(HWND parent, int id, DWORD style = WS_CHILD | WS_VISIBLE, int x = 0, int y = 0, int width = 50,
                      int height = 20) {
        return CreateWindowExW(0, L"Recorder", L"Child", style, x, y, width, height, parent,
                               reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
    }

    // A standard control in `parent`.
    static HWND Control(HWND parent, const wchar_t* className, int id, DWORD style, int x = 10, int y = 10,
                        int width = 100, int height = 20, const wchar_t* text = L"") {
        return CreateWindowExW(0, className, text, style | WS_CHILD | WS_VISIBLE, x, y, width, height, parent,
                               reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
    }
};

}  // namespace windowtest
