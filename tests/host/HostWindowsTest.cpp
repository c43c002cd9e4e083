// The host's windows through its AcroView and Win entries: a host window around a plug-in's dialog, failing
// procedures, the key window, cursors, and handles that are refused.
#include <gmock/gmock.h>
#include <stdexcept>
#include <string>
#include <vector>

#include "HostEntryTest.h"
#include "host/core/HostPaths.h"
#include "host/entries/HostTables.h"
#include "win32sub/Desktop.h"

namespace {

using ::testing::HasSubstr;

using View = HostAcroViewTable;

std::vector<std::string> g_events;
HWND g_destroyRequest = nullptr;

void OnMouseDown(HostWindow, int16_t x, int16_t y, const HostWindowEvent* event) {
    g_events.push_back("mouse " + std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(event->message));
}
void OnKeyDown(HostWindow, uint32_t key, const HostWindowEvent*) { g_events.push_back("key " + std::to_string(key)); }
void OnDraw(HostWindow, const HostDevRect* rect) {
    g_events.push_back("draw " + std::to_string(rect->right - rect->left) + "x" +
                       std::to_string(rect->bottom - rect->top));
}
void OnDestroyPlatformThing(HostWindow, void* platform) {
    g_destroyRequest = static_cast<HWND>(platform);
    DestroyWindow(g_destroyRequest);
}

bool g_raiseOnClick = false;

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    if (message == WM_LBUTTONDOWN && g_raiseOnClick) Host::Current().Frames().Raise(kHostGeneralError);
    if (message == WM_RBUTTONDOWN && g_raiseOnClick) throw std::runtime_error("no menu here");
    return message == WM_INITDIALOG;
}

class HostWindowEntries : public HostEntryTest {
protected:
    HostWindowEntries() {
        g_events.clear();
        g_destroyRequest = nullptr;
        g_raiseOnClick = false;
        const std::string plugin = HostPaths::LinuxToPlatformText(std::string(GEOM_BIN_DIR) + "/Geometry.api");
        resources = LoadLibraryW(std::wstring(plugin.begin(), plugin.end()).c_str());
    }
    ~HostWindowEntries() override {
        for (HWND window : {dialog, plain}) {
            if (IsWindow(window)) DestroyWindow(window);
        }
        FreeLibrary(resources);
    }

    // The About box template of the geometry plug-in, shown, as a modeless dialog of the host's main window.
    HWND ShownDialog() {
        dialog =
            CreateDialogParamW(resources, MAKEINTRESOURCEW(20000), host->Windows().MainWindow(), PlainDialogProc, 0);
        ShowWindow(dialog, SW_SHOW);
        WinSub_Idle();
        return dialog;
    }
    HostWindowHandlerRecord Handlers() {
        HostWindowHandlerRecord record{};
        record.size = sizeof record;
        record.mouseDown = Callback(OnMouseDown);
        record.keyDown = Callback(OnKeyDown);
        record.draw = Callback(OnDraw);
        record.destroyPlatformThing = Callback(OnDestroyPlatformThing);
        return record;
    }
    HostWindow Around(HWND platform) {
        const HostWindowHandlerRecord record = Handlers();
        HostWindow window = HostWindow::None;
        EXPECT_TRUE(Entry([&] { window = View::View_NewWindowAroundPlatform(platform, 0, 0, &record, owner); }));
        return window;
    }

    HMODULE resources = nullptr;
    HWND dialog = nullptr;
    HWND plain = nullptr;
};

// Its owner data: WindowObj.AttachingMakesAHostWindowAroundThePlatformWindowAndSubclassesIt.
TEST_F(HostWindowEntries, AHostWindowWrapsItsPlatformWindow) {
    ASSERT_TRUE(IsWindow(host->Windows().MainWindow()));  // shown and given to the plug-ins
    EXPECT_TRUE(IsWindowVisible(host->Windows().MainWindow()));
    const HostWindow window = Around(ShownDialog());
    void* platform = nullptr;
    HostBool visible = 0;
    ASSERT_TRUE(Entry([&] {
        platform = View::View_PlatformWindowOf(window);
        View::View_HideWindow(window);
        visible = View::View_WindowIsVisible(window);
    }));
    EXPECT_EQ(platform, dialog);
    EXPECT_FALSE(visible);
    ASSERT_TRUE(Entry([&] {
        View::View_ShowWindow(window);
        visible = View::View_WindowIsVisible(window);
    }));
    EXPECT_TRUE(visible);
    EXPECT_TRUE(IsWindowVisible(dialog));
}

TEST_F(HostWindowEntries, AProcedureThatFailsEndsThereAndTheUserGoesOn) {
    Around(ShownDialog());
    g_raiseOnClick = true;
    ASSERT_TRUE(WinSub_Click(dialog));
    EXPECT_EQ(host->FailedCalls(), 1);
    EXPECT_THAT(out.str(), HasSubstr("[error] window procedure: "));
    ASSERT_TRUE(PostMessageW(dialog, WM_RBUTTONDOWN, 0, 0));
    WinSub_Idle();
    EXPECT_EQ(host->FailedCalls(), 2);
    EXPECT_THAT(out.str(), HasSubstr("a C++ exception escaped: no menu here"));
    EXPECT_EQ(host->Frames().Depth(), 0u);
    // The window manager was not left half-way: the dialog still takes the user's input.
    g_raiseOnClick = false;
    ASSERT_TRUE(WinSub_Click(dialog));
    EXPECT_EQ(host->FailedCalls(), 2);
    EXPECT_EQ(g_events.size(), 3u);  // the three button downs reached the host window's record
}

TEST_F(HostWindowEntries, AWindowThatIsNoDialogSeesItsOwnEventsAndIsNotToldTwice) {
    plain = CreateWindowExW(0, L"Static", L"plain", WS_POPUP | WS_VISIBLE | SS_NOTIFY, 10, 10, 100, 100, nullptr,
                            nullptr, nullptr, nullptr);
    Around(plain);
    ASSERT_TRUE(WinSub_Click(plain));
    EXPECT_TRUE(g_events.empty());
}

TEST_F(HostWindowEntries, TheKeyWindowIsActiveUntilItResigns) {
    const HostWindow window = Around(ShownDialog());
    SetActiveWindow(host->Windows().MainWindow());
    ASSERT_TRUE(Entry([&] {
        View::View_SetWindowWantsKey(window, 1);
        View::View_BecomeKeyWindow(window);
    }));
    EXPECT_EQ(host->Windows().KeyWindow(), window);
    EXPECT_TRUE(host->Windows().WantsKey(window));
    EXPECT_EQ(GetActiveWindow(), dialog);
    ASSERT_TRUE(Entry([&] { View::View_ResignKeyWindow(window); }));
    EXPECT_EQ(host->Windows().KeyWindow(), HostWindow::None);
    EXPECT_EQ(GetActiveWindow(), host->Windows().MainWindow());
}

// Standard and own cursors set: RectTools.CursorsFollowTheZones.
TEST_F(HostWindowEntries, UnknownCursorsAreRefusedAndChangeNothing) {
    const HostCursor arrow = Value([] { return View::View_StandardCursor(0); });
    ASSERT_TRUE(Entry([&] { View::View_SetCursor(arrow); }));
    EXPECT_EQ(reinterpret_cast<HCURSOR>(arrow), LoadCursorW(nullptr, IDC_ARROW));
    EXPECT_TRUE(Fails([&] { View::View_StandardCursor(99); }));
    EXPECT_TRUE(Fails([&] { View::View_SetCursor(static_cast<HostCursor>(12345)); }));
    EXPECT_EQ(host->Windows().Cursor(), arrow);
}

TEST_F(HostWindowEntries, BadWindowsAndRecordsAreRefused) {
    HostWindowHandlerRecord record = Handlers();
    record.size = 60;
    ShownDialog();
    EXPECT_TRUE(Fails([&] { View::View_NewWindowAroundPlatform(dialog, 0, 0, &record, owner); }));
    EXPECT_TRUE(Fails([&] { View::View_NewWindowAroundPlatform(nullptr, 0, 0, nullptr, owner); }));
    Around(dialog);
    EXPECT_TRUE(Fails([&] { View::View_NewWindowAroundPlatform(dialog, 0, 0, nullptr, owner); }));
    EXPECT_TRUE(Fails([&] { View::View_DestroyWindow(static_cast<HostWindow>(777)); }));
}

}  // namespace
