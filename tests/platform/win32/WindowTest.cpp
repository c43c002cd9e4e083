// Windows: classes, failed creation, destruction, window data, properties, text, positions, showing and
// enabling, focus and activation, painting, the tree, and handles that are not (or no longer) windows.
#include <functional>
#include <utility>

#include "WindowTestSupport.h"

namespace {

using windowtest::First;
using windowtest::Log;
using windowtest::MessagesOf;
using windowtest::Text;
using windowtest::TextOf;

using Windows = windowtest::Desktop;

// ---- Creation ----

TEST_F(Windows, FailedCreationLeavesNoWindow) {
    // WS_CHILD without a parent, a top-level window with a menu, an unknown class, a bad parent.
    const auto create = [](const wchar_t* className, DWORD style, HWND parent, HMENU menu) {
        return CreateWindowExW(0, className, L"", style, 0, 0, 1, 1, parent, menu, nullptr, nullptr);
    };
    EXPECT_FAILS_WITH(create(L"Recorder", WS_CHILD, nullptr, nullptr) == nullptr, ERROR_TLW_WITH_WSCHILD);
    EXPECT_FAILS_WITH(create(L"Recorder", WS_POPUP, nullptr, reinterpret_cast<HMENU>(5)) == nullptr,
                      ERROR_INVALID_MENU_HANDLE);
    EXPECT_FAILS_WITH(create(L"NoSuchClass", WS_POPUP, nullptr, nullptr) == nullptr, ERROR_CANNOT_FIND_WND_CLASS);
    EXPECT_FAILS_WITH(create(L"Recorder", WS_CHILD, reinterpret_cast<HWND>(0x4440), nullptr) == nullptr,
                      ERROR_INVALID_WINDOW_HANDLE);
    EXPECT_EQ(WinSub_GetWindows(nullptr, nullptr, 0), 0);
}

LRESULT CALLBACK RefusingCreate(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    windowtest::RecordingProc(window, message, wParam, lParam);
    return message == WM_CREATE ? -1 : DefWindowProcW(window, message, wParam, lParam);
}

TEST_F(Windows, WindowThatRefusesCreateIsDestroyed) {
    WNDCLASSW refusing{};
    refusing.lpfnWndProc = RefusingCreate;
    refusing.lpszClassName = L"Refusing";
    ASSERT_NE(RegisterClassW(&refusing), 0);
    EXPECT_EQ(CreateWindowExW(0, L"Refusing", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
    ASSERT_FALSE(Log().empty());
    const HWND window = Log().front().window;
    EXPECT_EQ(MessagesOf(window), (std::vector<UINT>{WM_NCCREATE, WM_CREATE, WM_DESTROY, WM_NCDESTROY}));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(UnregisterClassW(L"Refusing", nullptr));
}

// ---- Destruction ----

TEST_F(Windows, DestroyingAChildTellsItsParentAndLeavesItsSiblings) {
    const HWND parent = TopLevel();
    const HWND first = Child(parent, 1);
    const HWND second = Child(parent, 2);
    Log().clear();
    EXPECT_TRUE(DestroyWindow(first));
    EXPECT_EQ(MessagesOf(parent, {WM_PARENTNOTIFY}).size(), 1u);
    EXPECT_EQ(First(parent, WM_PARENTNOTIFY).wParam, MAKEWPARAM(WM_DESTROY, 1));
    EXPECT_EQ(GetWindow(parent, GW_CHILD), second);
    EXPECT_TRUE(IsWindow(second));
    // WM_CLOSE by default destroys the window.
    EXPECT_EQ(SendMessageW(parent, WM_CLOSE, 0, 0), 0);
    EXPECT_FALSE(IsWindow(parent));
}

LRESULT CALLBACK DestroysItselfOnCommand(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    windowtest::RecordingProc(window, message, wParam, lParam);
    if (message == WM_COMMAND) {
        DestroyWindow(window);
        // The window is gone, but this call goes on safely.
        return GetWindowLongPtrW(window, GWLP_USERDATA) == 0 && GetLastError() == ERROR_INVALID_WINDOW_HANDLE ? 5 : 6;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK DestroysAgain(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    windowtest::RecordingProc(window, message, wParam, lParam);
    if (message == WM_DESTROY) {
        // Already on its way: nothing more happens, and the window still exists while it hears of it.
        EXPECT_TRUE(DestroyWindow(window));
        EXPECT_TRUE(IsWindow(window));
    }
    return 0;
}

TEST_F(Windows, ProcedureMayDestroyItsOwnWindowWhileItRunsAndAgainWhileItGoes) {
    const HWND first = TopLevel();
    SetWindowLongPtrW(first, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DestroysItselfOnCommand));
    EXPECT_EQ(SendMessageW(first, WM_COMMAND, 0, 0), 5);
    EXPECT_FALSE(IsWindow(first));
    const HWND window = TopLevel();
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DestroysAgain));
    Log().clear();
    EXPECT_TRUE(DestroyWindow(window));
    EXPECT_EQ(MessagesOf(window, {WM_DESTROY, WM_NCDESTROY}), (std::vector<UINT>{WM_DESTROY, WM_NCDESTROY}));
    EXPECT_FALSE(IsWindow(window));
}

// ---- Window data and properties ----

TEST_F(Windows, ExtraBytesAndUserDataKeepTheirValues) {
    const HWND window = TopLevel();
    EXPECT_EQ(SetWindowLongPtrW(window, 0, 0x1122334455667788), 0);
    EXPECT_EQ(SetWindowLongPtrW(window, 8, -3), 0);
    EXPECT_EQ(GetWindowLongPtrW(window, 0), 0x1122334455667788);
    EXPECT_EQ(GetWindowLongPtrW(window, 8), -3);
    EXPECT_EQ(GetWindowLongW(window, 0), 0x55667788);
    EXPECT_EQ(SetWindowLongPtrW(window, 8, 9), -3);
    // The class has 16 extra bytes: a pointer-sized value at 9 would reach beyond them.
    EXPECT_FAILS_WITH(GetWindowLongPtrW(window, 9) == 0, ERROR_INVALID_INDEX);
    EXPECT_FAILS_WITH(SetWindowLongPtrW(window, -100, 1) == 0, ERROR_INVALID_INDEX);
    EXPECT_FAILS_WITH(GetWindowLongW(window, GWLP_WNDPROC) == 0,
                      ERROR_INVALID_INDEX);  // pointers need the pointer form
    EXPECT_EQ(SetWindowLongPtrW(window, GWLP_USERDATA, 1234), 0);
    EXPECT_EQ(GetWindowLongPtrW(window, GWLP_USERDATA), 1234);
}

TEST_F(Windows, StyleChangesAreAnnounced) {
    const HWND window = TopLevel(WS_POPUP);
    Log().clear();
    EXPECT_EQ(static_cast<DWORD>(SetWindowLongPtrW(window, GWL_STYLE, WS_POPUP | WS_BORDER)),
              static_cast<DWORD>(WS_POPUP));
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), static_cast<DWORD>(WS_POPUP | WS_BORDER));
    EXPECT_EQ(MessagesOf(window), (std::vector<UINT>{WM_STYLECHANGING, WM_STYLECHANGED}));
    EXPECT_EQ(static_cast<int>(Log().front().wParam), GWL_STYLE);
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 398);  // the border now takes a pixel on each side
}

TEST_F(Windows, PropertiesAreFoundByNameWithoutRegardToCaseOrByAtom) {
    const HWND window = TopLevel();
    int object = 0;
    EXPECT_TRUE(SetPropW(window, L"XCHG_WinWindowSubclassProp", &object));
    EXPECT_EQ(GetPropW(window, L"xchg_winwindowsubclassprop"), &object);
    EXPECT_TRUE(SetPropW(window, MAKEINTATOM(42), reinterpret_cast<HANDLE>(7)));
    EXPECT_EQ(GetPropW(window, MAKEINTATOM(42)), reinterpret_cast<HANDLE>(7));
    EXPECT_EQ(GetPropW(window, MAKEINTATOM(43)), nullptr);
    EXPECT_EQ(GetPropW(window, L"Other"), nullptr);
    EXPECT_TRUE(SetPropW(window, L"XCHG_WINWINDOWSUBCLASSPROP", reinterpret_cast<HANDLE>(9)));
    EXPECT_EQ(RemovePropW(window, L"XCHG_WinWindowSubclassProp"), reinterpret_cast<HANDLE>(9));
    EXPECT_EQ(GetPropW(window, L"XCHG_WinWindowSubclassProp"), nullptr);
    EXPECT_EQ(RemovePropW(window, L"XCHG_WinWindowSubclassProp"), nullptr);
    EXPECT_TRUE(DestroyWindow(window));
    EXPECT_FAILS_WITH(GetPropW(window, MAKEINTATOM(42)) == nullptr, ERROR_INVALID_WINDOW_HANDLE);
}

// ---- Text ----

TEST_F(Windows, TextGoesThroughMessagesAndIsCutToTheBuffer) {
    const HWND window = TopLevel();
    Log().clear();
    EXPECT_TRUE(SetWindowTextW(window, L"Page Geometry"));
    wchar_t small[5] = {L'x', L'x', L'x', L'x', L'x'};
    EXPECT_EQ(GetWindowTextW(window, small, 5), 4);
    EXPECT_STREQ(small, L"Page");
    EXPECT_EQ(GetWindowTextLengthW(window), 13);
    EXPECT_EQ(MessagesOf(window), (std::vector<UINT>{WM_SETTEXT, WM_GETTEXT, WM_GETTEXTLENGTH}));
    EXPECT_TRUE(SetWindowTextW(window, nullptr));
    EXPECT_EQ(TextOf(window), L"");
    // Narrow text is UTF-8, cut to whole characters.
    EXPECT_TRUE(SetWindowTextA(window, "Gr\xC3\xB6\xC3\x9F\x65"));  // \x65 is the 'e'
    EXPECT_EQ(TextOf(window), L"Gr\u00F6\u00DFe");
    char buffer[5];
    // "Gr" and the two bytes of the o-umlaut fit in four bytes; the sharp s does not.
    EXPECT_EQ(GetWindowTextA(window, buffer, 5), 4);
    EXPECT_STREQ(buffer, "Gr\xC3\xB6");
    EXPECT_EQ(GetWindowTextA(window, buffer, 4), 2);
    EXPECT_STREQ(buffer, "Gr");
}

// ---- Positions ----

TEST_F(Windows, RectanglesFollowFramesAndParents) {
    const HWND top = TopLevel(WS_POPUP | WS_CAPTION | WS_VISIBLE, 100, 50, 400, 300);
    RECT rect;
    ASSERT_TRUE(GetWindowRect(top, &rect));
    EXPECT_EQ(Text(rect), "100,50,500,350");
    const HWND child = Child(top, 1, WS_CHILD | WS_VISIBLE | WS_BORDER, 5, 6, 50, 20);
    ASSERT_TRUE(GetWindowRect(child, &rect));
    EXPECT_EQ(Text(rect), "108,78,158,98");  // the parent's client area starts at (103, 72)
    ASSERT_TRUE(GetClientRect(child, &rect));
    EXPECT_EQ(Text(rect), "0,0,48,18");
    POINT point{0, 0};
    EXPECT_TRUE(ClientToScreen(child, &point));
    EXPECT_EQ(Text(point), "109,79");
    EXPECT_TRUE(ScreenToClient(top, &point));
    EXPECT_EQ(Text(point), "6,7");
    POINT points[1] = {{1, 1}};
    EXPECT_EQ(MapWindowPoints(child, top, points, 1), MAKELONG(6, 7));
    EXPECT_EQ(Text(points[0]), "7,8");
    RECT adjusted{0, 0, 100, 50};
    EXPECT_TRUE(AdjustWindowRectEx(&adjusted, WS_POPUP | WS_CAPTION, FALSE, WS_EX_CLIENTEDGE));
    EXPECT_EQ(Text(adjusted), "-5,-24,105,55");
}

LRESULT CALLBACK WidthKeeper(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_WINDOWPOSCHANGING) {
        reinterpret_cast<WINDOWPOS*>(lParam)->cx = 77;  // a window may change what is asked of it
    }
    return windowtest::RecordingProc(window, message, wParam, lParam);
}

TEST_F(Windows, MovingSendsPositionChangesThenMoveAndSize) {
    const HWND top = TopLevel();
    const HWND child = Child(top, 1, WS_CHILD | WS_VISIBLE, 0, 0, 50, 20);
    Log().clear();
    EXPECT_TRUE(MoveWindow(child, 10, 12, 60, 30, TRUE));
    EXPECT_EQ(MessagesOf(child), (std::vector<UINT>{WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE}));
    EXPECT_EQ(windowtest::RectOf(child).right, 70);
    Log().clear();
    EXPECT_TRUE(SetWindowPos(child, nullptr, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER));
    EXPECT_EQ(MessagesOf(child), (std::vector<UINT>{WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_MOVE}));
    SetWindowLongPtrW(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WidthKeeper));
    EXPECT_TRUE(MoveWindow(child, 0, 0, 10, 10, FALSE));
    EXPECT_EQ(Text(windowtest::RectOf(child)), "0,0,77,10");
}

TEST_F(Windows, ZOrderOfSiblings) {
    const HWND top = TopLevel();
    const HWND a = Child(top, 1);
    const HWND b = Child(top, 2);
    const HWND c = Child(top, 3);
    EXPECT_EQ(GetWindow(top, GW_CHILD), a);
    EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
    EXPECT_EQ(GetWindow(c, GW_HWNDPREV), b);
    EXPECT_EQ(GetWindow(a, GW_HWNDLAST), c);
    EXPECT_TRUE(SetWindowPos(c, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE));
    EXPECT_EQ(GetWindow(top, GW_CHILD), c);
    EXPECT_TRUE(SetWindowPos(c, b, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE));
    EXPECT_EQ(GetWindow(b, GW_HWNDNEXT), c);
    EXPECT_TRUE(SetWindowPos(a, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE));
    EXPECT_EQ(GetWindow(top, GW_CHILD), b);
    EXPECT_EQ(GetWindow(b, GW_HWNDLAST), a);
}

// ---- Visibility and enabling ----

TEST_F(Windows, VisibilityNeedsEveryParent) {
    const HWND top = TopLevel(WS_POPUP);
    const HWND child = Child(top, 1);
    EXPECT_FALSE(IsWindowVisible(child));
    Log().clear();
    EXPECT_FALSE(ShowWindow(top, SW_SHOWNA));
    EXPECT_EQ(MessagesOf(top), (std::vector<UINT>{WM_SHOWWINDOW, WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED}));
    EXPECT_TRUE(IsWindowVisible(child));
    EXPECT_EQ(GetActiveWindow(), nullptr);  // shown without activation
    EXPECT_TRUE(ShowWindow(top, SW_SHOW));  // already visible: only activated
    EXPECT_EQ(GetActiveWindow(), top);
    EXPECT_TRUE(ShowWindow(child, SW_HIDE));
    EXPECT_FALSE(IsWindowVisible(child));
    EXPECT_FALSE(ShowWindow(child, SW_HIDE));
    EXPECT_FAILS_WITH(!ShowWindow(child, 99), ERROR_INVALID_PARAMETER);
}

TEST_F(Windows, EnablingReportsThePreviousStateAndDisablingTakesTheFocus) {
    const HWND top = TopLevel();
    const HWND child = Child(top, 1);
    SetFocus(child);
    ASSERT_EQ(GetFocus(), child);
    Log().clear();
    EXPECT_FALSE(EnableWindow(top, FALSE));
    EXPECT_FALSE(IsWindowEnabled(top));
    EXPECT_TRUE(IsWindowEnabled(child));  // its own state: only the parent is disabled
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(MessagesOf(child), (std::vector<UINT>{WM_KILLFOCUS}));
    EXPECT_EQ(MessagesOf(top), (std::vector<UINT>{WM_ENABLE}));
    EXPECT_TRUE(EnableWindow(top, FALSE));
    EXPECT_TRUE(EnableWindow(top, TRUE));
    EXPECT_FALSE(EnableWindow(top, TRUE));
}

// ---- Focus and activation ----

TEST_F(Windows, FocusIntoAnInactiveWindowActivatesItFirst) {
    const HWND first = TopLevel();
    const HWND second = TopLevel();
    const HWND control = Child(first, 1);
    ASSERT_EQ(GetActiveWindow(), second);
    Log().clear();
    EXPECT_EQ(SetFocus(control), second);
    EXPECT_EQ(GetFocus(), control);
    EXPECT_EQ(GetActiveWindow(), first);
    EXPECT_EQ(MessagesOf(second), (std::vector<UINT>{WM_NCACTIVATE, WM_ACTIVATE, WM_KILLFOCUS}));
    EXPECT_EQ(MessagesOf(first), (std::vector<UINT>{WM_NCACTIVATE, WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS}));
    EXPECT_EQ(MessagesOf(control), (std::vector<UINT>{WM_SETFOCUS}));
    EXPECT_EQ(LOWORD(First(second, WM_ACTIVATE).wParam), WA_INACTIVE);
    EXPECT_EQ(First(second, WM_ACTIVATE).lParam, reinterpret_cast<LPARAM>(first));
    EXPECT_EQ(First(control, WM_SETFOCUS).wParam, reinterpret_cast<WPARAM>(first));
    // The active window came to the top.
    EXPECT_EQ(GetTopWindow(nullptr), first);
    // Hiding the active window activates the next visible one.
    ShowWindow(first, SW_HIDE);
    EXPECT_EQ(GetActiveWindow(), second);
}

// ---- Painting ----

struct Painted {
    int count = 0;
    RECT update{};
    RECT paint{};
};
Painted gPainted;

LRESULT CALLBACK Painter(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        ++gPainted.count;
        GetUpdateRect(window, &gPainted.update, FALSE);
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        gPainted.paint = paint.rcPaint;
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST_F(Windows, PaintCarriesTheUpdateRectangleAndBeginPaintValidates) {
    const HWND window = TopLevel(WS_POPUP | WS_VISIBLE, 0, 0, 200, 100);
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Painter));
    gPainted = Painted{};
    EXPECT_EQ(WinSub_Idle(), 1);  // shown: the whole client area
    EXPECT_EQ(gPainted.count, 1);
    EXPECT_EQ(Text(gPainted.update), "0,0,200,100");
    EXPECT_EQ(Text(gPainted.paint), "0,0,200,100");
    RECT rect;
    EXPECT_FALSE(GetUpdateRect(window, &rect, FALSE));
    EXPECT_TRUE(IsRectEmpty(&rect));
    EXPECT_EQ(WinSub_Idle(), 0);
    const RECT first{10, 10, 20, 20};
    const RECT second{50, 5, 60, 15};
    InvalidateRect(window, &first, FALSE);
    InvalidateRect(window, &second, TRUE);
    EXPECT_TRUE(GetUpdateRect(window, &rect, FALSE));
    EXPECT_EQ(Text(rect), "10,5,60,20");
    EXPECT_TRUE(UpdateWindow(window));  // at once, not through the queue
    EXPECT_EQ(gPainted.count, 2);
    EXPECT_EQ(Text(gPainted.paint), "10,5,60,20");
    EXPECT_EQ(WinSub_Idle(), 0);
}

TEST_F(Windows, UnpaintedWindowIsPaintedOncePerStepAndHiddenWindowsCollectNothing) {
    const HWND window = TopLevel(WS_POPUP | WS_VISIBLE, 0, 0, 200, 100);
    WinSub_Idle();
    Log().clear();
    InvalidateRect(window, nullptr, FALSE);
    EXPECT_EQ(WinSub_Idle(), 1);  // RecordingProc passes it to DefWindowProcW, which validates
    EXPECT_EQ(MessagesOf(window, {WM_PAINT}).size(), 1u);
    ValidateRect(window, nullptr);
    ShowWindow(window, SW_HIDE);
    InvalidateRect(window, nullptr, TRUE);
    RECT rect;
    EXPECT_FALSE(GetUpdateRect(window, &rect, FALSE));
    // A partial validation takes a band off the rectangle.
    ShowWindow(window, SW_SHOWNA);
    const RECT top{0, 0, 200, 40};
    EXPECT_TRUE(ValidateRect(window, &top));
    EXPECT_TRUE(GetUpdateRect(window, &rect, FALSE));
    EXPECT_EQ(Text(rect), "0,40,200,100");
}

// ---- The tree ----

BOOL CALLBACK Collect(HWND window, LPARAM lParam) {
    reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(window);
    return TRUE;
}

TEST_F(Windows, TreeIsWalkedInOrderAndFound) {
    const HWND top = TopLevel();
    SetWindowTextW(top, L"Main");
    const HWND a = Child(top, 1);
    const HWND a1 = Child(a, 11);
    const HWND b = Child(top, 2);
    SetWindowTextW(b, L"Second");
    std::vector<HWND> children;
    EXPECT_TRUE(EnumChildWindows(top, Collect, reinterpret_cast<LPARAM>(&children)));
    EXPECT_EQ(children, (std::vector<HWND>{a, a1, b}));
    std::vector<HWND> topLevel;
    EXPECT_TRUE(EnumWindows(Collect, reinterpret_cast<LPARAM>(&topLevel)));
    EXPECT_EQ(topLevel, (std::vector<HWND>{top}));
    EXPECT_EQ(FindWindowW(L"recorder", L"Main"), top);
    EXPECT_EQ(FindWindowExW(top, nullptr, nullptr, L"Second"), b);
    EXPECT_EQ(FindWindowExW(top, a, L"Recorder", nullptr), b);
    EXPECT_EQ(FindWindowExW(top, b, L"Recorder", nullptr), nullptr);
    EXPECT_EQ(GetAncestor(a1, GA_ROOT), top);
    EXPECT_EQ(GetAncestor(top, GA_PARENT), GetDesktopWindow());
    EXPECT_EQ(GetParent(top), nullptr);  // not a pop-up of an owner
    EXPECT_TRUE(IsChild(top, a1));
    EXPECT_FALSE(IsChild(a, b));
    EXPECT_EQ(WinSub_GetWindows(top, nullptr, 0), 2);
    wchar_t name[16];
    EXPECT_EQ(GetClassNameW(a, name, 16), 8);
    EXPECT_STREQ(name, L"Recorder");
    EXPECT_EQ(GetClassNameW(GetDesktopWindow(), name, 16), 6);
    EXPECT_STREQ(name, L"#32769");
    EXPECT_FALSE(DestroyWindow(GetDesktopWindow()));
}

// ---- Classes ----

TEST_F(Windows, ClassesRegisterOnceAndUnregisterWhenNoWindowIsLeft) {
    WNDCLASSW again{};
    again.lpfnWndProc = windowtest::RecordingProc;
    again.lpszClassName = L"RECORDER";
    EXPECT_FAILS_WITH(RegisterClassW(&again) == 0, ERROR_CLASS_ALREADY_EXISTS);
    const HWND window = TopLevel();
    EXPECT_FAILS_WITH(!UnregisterClassW(L"Recorder", nullptr), ERROR_CLASS_HAS_WINDOWS);
    EXPECT_FAILS_WITH(!UnregisterClassW(L"NoSuchClass", nullptr), ERROR_CLASS_DOES_NOT_EXIST);
    EXPECT_TRUE(DestroyWindow(window));
    // The system's classes can be looked at, to be superclassed, but not unregistered.
    WNDCLASSEXW button{};
    button.cbSize = sizeof button;
    EXPECT_NE(GetClassInfoExW(nullptr, L"button", &button), 0);
    EXPECT_NE(button.lpfnWndProc, nullptr);
    EXPECT_STREQ(button.lpszClassName, L"Button");
    EXPECT_FALSE(UnregisterClassW(L"Button", nullptr));
    WNDCLASSW dialog{};
    EXPECT_NE(GetClassInfoW(nullptr, WC_DIALOG, &dialog), 0);
    EXPECT_EQ(dialog.cbWndExtra, DLGWINDOWEXTRA);
    EXPECT_EQ(dialog.lpfnWndProc, DefDlgProcW);
}

// ---- Handles that are not windows ----

TEST_F(Windows, BadAndStaleHandlesFailWithInvalidWindowHandle) {
    const HWND stale = TopLevel();
    ASSERT_TRUE(DestroyWindow(stale));
    for (HWND bad : {stale, reinterpret_cast<HWND>(0x12345), reinterpret_cast<HWND>(-1), HWND_BROADCAST}) {
        EXPECT_FALSE(IsWindow(bad));
        EXPECT_FALSE(IsWindowVisible(bad));
        RECT rect;
        PAINTSTRUCT paint;
        MSG msg{bad, WM_USER, 0, 0, 0, {0, 0}};
        WINSUB_WINDOWINFO info;
        // Each call fails (true) and sets ERROR_INVALID_WINDOW_HANDLE.
        const std::pair<const char*, std::function<bool()>> calls[] = {
            {"SendMessageW", [&] { return SendMessageW(bad, WM_USER, 0, 0) == 0; }},
            {"PostMessageW", [&] { return !PostMessageW(bad, WM_USER, 0, 0); }},
            {"DestroyWindow", [&] { return !DestroyWindow(bad); }},
            {"ShowWindow", [&] { return !ShowWindow(bad, SW_SHOW); }},
            {"EnableWindow", [&] { return !EnableWindow(bad, TRUE); }},
            {"SetWindowLongPtrW", [&] { return SetWindowLongPtrW(bad, GWLP_WNDPROC, 0) == 0; }},
            {"GetWindowLongPtrW", [&] { return GetWindowLongPtrW(bad, GWLP_USERDATA) == 0; }},
            {"GetWindowTextW",
             [&] {
                 wchar_t text[4] = {L'x', 0, 0, 0};
                 return GetWindowTextW(bad, text, 4) == 0 && text[0] == L'\0';
             }},
            {"SetWindowTextW", [&] { return !SetWindowTextW(bad, L"x"); }},
            {"SetPropW", [&] { return !SetPropW(bad, L"x", nullptr); }},
            {"SetTimer", [&] { return SetTimer(bad, 1, 100, nullptr) == 0; }},
            {"KillTimer", [&] { return !KillTimer(bad, 1); }},
            {"GetWindowRect", [&] { return !GetWindowRect(bad, &rect); }},
            {"MoveWindow", [&] { return !MoveWindow(bad, 0, 0, 1, 1, TRUE); }},
            {"InvalidateRect", [&] { return !InvalidateRect(bad, nullptr, TRUE); }},
            {"GetUpdateRect", [&] { return !GetUpdateRect(bad, &rect, FALSE); }},
            {"BeginPaint", [&] { return BeginPaint(bad, &paint) == nullptr; }},
            {"GetParent", [&] { return GetParent(bad) == nullptr; }},
            {"SetFocus", [&] { return SetFocus(bad) == nullptr; }},
            {"GetDlgItem", [&] { return GetDlgItem(bad, 1) == nullptr; }},
            {"EndDialog", [&] { return !EndDialog(bad, 1); }},
            {"DefDlgProcW", [&] { return DefDlgProcW(bad, WM_USER, 0, 0) == 0; }},
            {"DefWindowProcW", [&] { return DefWindowProcW(bad, WM_GETTEXTLENGTH, 0, 0) == 0; }},
            {"DispatchMessageW", [&] { return DispatchMessageW(&msg) == 0; }},
            {"WinSub_GetWindowInfo", [&] { return !WinSub_GetWindowInfo(bad, &info); }},
            {"WinSub_Click", [&] { return !WinSub_Click(bad); }},
            {"WinSub_DumpWindows", [&] { return WinSub_DumpWindows(bad, 0, nullptr, 0) == 0; }},
        };
        for (const auto& [name, fails] : calls) {
            SetLastError(0);
            EXPECT_TRUE(fails()) << name;
            EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE)) << name;
        }
    }
    // No window at all is a different thing for some of them.
    EXPECT_TRUE(PostMessageW(nullptr, WM_USER, 0, 0));  // a message for the thread
    EXPECT_EQ(SetFocus(nullptr), nullptr);
}

}  // namespace
