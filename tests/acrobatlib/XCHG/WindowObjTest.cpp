// Framework windows around plain platform windows, as the host and the user meet them:
// XCHG_WinWindowSubclass (the replaced window procedure and the failures it hands the host) and
// XCHG_AVWindowObj (the host window and its handler record, the message table, resizing, closing, and the
// host's callbacks); paint, keys and mouse buttons, closing, the host destroying its window and failures in
// the window procedure beside those of a dialog (XCHG_Dialog).
#include <gmock/gmock.h>
#include "ProbeTest.h"

namespace {

using ::testing::HasSubstr;

class WindowObj : public ProbeWindowsTest {
protected:
    // The probe's plain window at (100, 100), 300 x 200, attached to its window object.
    HWND CreateFrame() { return frame = Open("Frame"); }
    // In a new host, the probe's "Frame", or its "Dialog" (the "Page Geometry" dialog) created and shown.
    HWND Open(const std::string& who) {
        Start();
        if (who == "Dialog") {
            Ask<HWND>("Probe_CreateDialog", 128);
            Call<void (*)()>("Probe_ShowDialog");
            WinSub_Idle();
        } else {
            Ask<HWND>("Probe_CreateFrame");
        }
        WindowLog();
        return Ask<HWND>(("Probe_" + who).c_str());
    }
    HostWindowHandlerRecord RecordOf(const std::string& who) {
        return *Ask<const HostWindowHandlerRecord*>(("Probe_" + who + "Record").c_str());
    }
    HostWindow FrameHostWindow() { return Ask<HostWindow>("Probe_FrameHostWindow"); }
    bool IsOpen() { return Ask<bool>("Probe_FrameIsOpen"); }
    void LimitWidth(int widest) { Call<void (*)(int)>("Probe_LimitWidth", widest); }

    HWND frame = nullptr;
};

TEST_F(WindowObj, AttachingMakesAHostWindowAroundThePlatformWindowAndSubclassesIt) {
    Start();
    const std::size_t callbacksBefore = host->Callbacks().Count();
    frame = Ask<HWND>("Probe_CreateFrame");
    EXPECT_EQ(WindowLog(), "Frame.WillDestroy@0 Frame.DidCreate@0 ");  // what was held goes first

    const HostWindow hostWindow = FrameHostWindow();
    ASSERT_NE(hostWindow, HostWindow::None);
    EXPECT_EQ(host->Windows().FindByPlatform(frame), hostWindow);
    EXPECT_TRUE(IsOpen());
    EXPECT_TRUE(Ask<bool>("Probe_FrameIsFoundByItsHostWindow"));  // the object is the host window's owner data
    const HostWindowHandlerRecord record = RecordOf("Frame");
    EXPECT_EQ(record.size, 64u);
    EXPECT_EQ(LiveCallbacks(record), 15u);
    EXPECT_EQ(host->Callbacks().Count(), callbacksBefore + 15);

    EXPECT_NE(GetPropW(frame, L"XCHG_WinWindowSubclassProp"), nullptr);
    EXPECT_NE(GetWindowLongPtrW(frame, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&DefWindowProcW));
    const HostDevRect bounds = Ask<HostDevRect>("Probe_FrameBounds");
    EXPECT_EQ(Rect(RECT{bounds.left, bounds.top, bounds.right, bounds.bottom}), "100,100,400,300");
}

TEST_F(WindowObj, ItsTimerTicksEveryHundredMilliseconds) {
    CreateFrame();
    WinSub_Idle();  // the first paint
    WindowLog();
    WinSub_AdvanceClock(99);
    EXPECT_EQ(WinSub_Idle(), 0);
    WinSub_AdvanceClock(1);
    EXPECT_EQ(WinSub_Idle(), 1);
    EXPECT_EQ(WindowLog(), "");  // a timer is nobody's hook
    EXPECT_TRUE(KillTimer(frame, 0xFFFFFFFF));
}

// Each once: the plain window's own procedure hands them on (nesting 0); the dialog's procedure leaves them to
// the host's callbacks (nesting 1).
TEST_F(WindowObj, PaintKeysAndMouseButtonsComeThroughThePlainWindowsProcedureOrTheHost) {
    struct Row {
        const char* who;
        const char* at;  // the nesting
        UINT button;
        LPARAM point;
        const char* pressed;
    };
    for (const Row& row : {Row{"Frame", "@0 ", WM_RBUTTONDOWN, MAKELPARAM(-3, 7), "-3,7,516"},
                           Row{"Dialog", "@1 ", WM_MBUTTONDOWN, MAKELPARAM(4, 5), "4,5,519"}}) {
        SCOPED_TRACE(row.who);
        const std::string who = row.who;
        const HWND window = Open(who);
        InvalidateRect(window, nullptr, TRUE);
        WinSub_Idle();
        EXPECT_EQ(WindowLog(), who + ".Draw(" + ClientArea(window) + ")" + row.at);
        const HWND target = who == "Dialog" ? GetDlgItem(window, 1016) : window;  // a label lets the click through
        ASSERT_TRUE(WinSub_Click(target));
        EXPECT_EQ(WindowLog(), who + ".MouseDown(" + Middle(target, window) + ",513)" + row.at);
        ASSERT_TRUE(WinSub_PressKey(VK_F4, 0));
        EXPECT_EQ(WindowLog(), who + ".KeyDown(115,256)" + row.at);
        SendMessageW(window, row.button, 0, row.point);
        SendMessageW(window, WM_SYSKEYDOWN, VK_F4, 0);
        EXPECT_EQ(WindowLog(), who + ".MouseDown(" + row.pressed + ")" + row.at + who + ".KeyDown(115,260)" + row.at);
    }
}

TEST_F(WindowObj, ActivationAndFocusReachTheirHooks) {
    CreateFrame();
    SendMessageW(frame, WM_ACTIVATE, WA_INACTIVE, 0);
    SendMessageW(frame, WM_ACTIVATE, WA_CLICKACTIVE, 0);
    SendMessageW(frame, WM_KILLFOCUS, 0, 0);
    SendMessageW(frame, WM_SETFOCUS, 0, 0);
    EXPECT_EQ(WindowLog(), "Frame.WillDeactivate@0 Frame.DidActivate@0 Frame.WillResignKey@0 Frame.DidBecomeKey@0 ");
}

TEST_F(WindowObj, SizeMessagesCountOnlyWhenRestoredOrMaximized) {
    CreateFrame();
    EXPECT_EQ(SendMessageW(frame, WM_SIZE, SIZE_MINIMIZED, MAKELPARAM(10, 10)), 0);
    EXPECT_EQ(WindowLog(), "");
    // With no resize under way, any rectangle that has a size is a resize.
    SendMessageW(frame, WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(10, 10));
    SendMessageW(frame, WM_MOVE, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(WindowLog(), "Frame.DidResize(100,100,400,300)@0 Frame.DidResize(100,100,400,300)@0 ");
}

TEST_F(WindowObj, AResizeThatEndsAtItsStartSizeIsAMove) {
    CreateFrame();
    // The user drags the right edge out and back, then the window lands 20 pixels further right.
    RECT sizing{100, 100, 480, 300};
    SendMessageW(frame, WM_SIZING, 2, reinterpret_cast<LPARAM>(&sizing));
    sizing = RECT{100, 100, 400, 300};
    SendMessageW(frame, WM_SIZING, 2, reinterpret_cast<LPARAM>(&sizing));
    MoveWindow(frame, 120, 100, 300, 200, TRUE);
    EXPECT_EQ(WindowLog(),
              "Frame.WillBeResized(100,100,480,300)@0 Frame.WillBeResized(100,100,400,300)@0 "
              "Frame.WillBeResized(120,100,420,300)@0 Frame.DidMove(120,100,420,300)@0 ");

    // The next one starts afresh.
    MoveWindow(frame, 120, 100, 310, 200, TRUE);
    EXPECT_EQ(WindowLog(), "Frame.WillBeResized(120,100,430,300)@0 Frame.DidResize(120,100,430,300)@0 ");
    RECT moving{0, 0, 310, 200};
    SendMessageW(frame, WM_MOVING, 0, reinterpret_cast<LPARAM>(&moving));
    MoveWindow(frame, 0, 0, 310, 200, TRUE);
    EXPECT_EQ(WindowLog(),
              "Frame.WillBeResized(0,0,310,200)@0 Frame.WillBeResized(0,0,310,200)@0 Frame.DidMove(0,0,310,200)@0 ");
}

TEST_F(WindowObj, TheRectangleWillBeResizedLeavesIsTheOneThatCounts) {
    CreateFrame();
    LimitWidth(350);
    MoveWindow(frame, 100, 100, 600, 200, TRUE);
    EXPECT_EQ(Rect(WindowRect(frame)), "100,100,450,300");
    EXPECT_EQ(WindowLog(), "Frame.WillBeResized(100,100,700,300)@0 Frame.DidResize(100,100,450,300)@0 ");
    RECT sizing{100, 100, 900, 250};
    SendMessageW(frame, WM_SIZING, 2, reinterpret_cast<LPARAM>(&sizing));
    EXPECT_EQ(Rect(sizing), "100,100,450,250");
}

// The plain window goes with its host window; the dialog stays where the user can still reach it.
TEST_F(WindowObj, DestroyingTheHostWindowDestroysThePlatformWindowOnlyWhenItIsNotADialog) {
    for (const std::string who : {"Frame", "Dialog"}) {
        SCOPED_TRACE(who);
        const HWND window = Open(who);
        const HostWindowHandlerRecord record = RecordOf(who);
        ASSERT_TRUE(Call<void (*)()>(("Probe_Destroy" + who + "HostWindow").c_str()));
        const std::string log = WindowLog();
        EXPECT_EQ(log.rfind(who + ".WillDestroy@0 " + who + ".DestroyPlatformThing(own)@1 ", 0), 0u) << log;
        EXPECT_EQ(host->Windows().Count(), 0u);
        EXPECT_EQ(LiveCallbacks(record), 0u);
        if (who == "Frame") {
            EXPECT_THAT(log, HasSubstr("Frame.DidClose@1 Frame.WillDestroy@1 "));
            EXPECT_FALSE(IsWindow(window));
        } else {
            EXPECT_EQ(log, "Dialog.WillDestroy@0 Dialog.DestroyPlatformThing(own)@1 ");
            EXPECT_TRUE(IsWindowVisible(window));
            // Activating it asks nothing of the host.
            ASSERT_TRUE(WinSub_Click(host->Windows().MainWindow()));
            EXPECT_TRUE(WinSub_Click(GetDlgItem(window, 1001)));
            EXPECT_THAT(WindowLog(), HasSubstr("Dialog.DidActivate@0 "));
        }
        EXPECT_EQ(host->FailedCalls(), 0) << out.str();  // every callback given back once
    }
}

TEST_F(WindowObj, TheHostsCallbacksReachTheHooksInsideTheGuard) {
    CreateFrame();
    const HostWindowHandlerRecord record = RecordOf("Frame");
    const HostWindow window = FrameHostWindow();
    SetBehaviour("", "", 2);
    HostBool willClose = 0;
    HostBool canPerform = 1;
    HostDevRect start{100, 100, 400, 300};
    HostDevRect moved{110, 100, 410, 300};
    const HostWindowEvent click{WM_LBUTTONDOWN, 0, MAKELPARAM(5, 6)};
    ASSERT_TRUE(host->CallPlugin("window callbacks", [&] {
        HostCallbackOf<HostWindowMouseDownProc>(record.mouseDown)(window, 5, 6, &click);
        HostCallbackOf<HostWindowKeyDownProc>(record.keyDown)(window, 65, nullptr);
        willClose = HostCallbackOf<HostWindowWillCloseProc>(record.willClose)(window, 1);
        HostCallbackOf<HostWindowNoticeProc>(record.didActivate)(window);
        HostCallbackOf<HostWindowNoticeProc>(record.didBecomeKey)(window);
        HostCallbackOf<HostWindowNoticeProc>(record.willResignKey)(window);
        HostCallbackOf<HostWindowNoticeProc>(record.willDeactivate)(window);
        HostCallbackOf<HostWindowDrawProc>(record.draw)(window, &start);
        HostCallbackOf<HostWindowWillBeResizedProc>(record.willBeResized)(window, &moved);
        HostCallbackOf<HostWindowDidResizeProc>(record.didResize)(window, &moved);
        HostCallbackOf<HostWindowPerformEditOpProc>(record.performEditOp)(window, static_cast<HostAtom>(7));
        canPerform =
            HostCallbackOf<HostWindowCanPerformEditOpProc>(record.canPerformEditOp)(window, static_cast<HostAtom>(7));
        HostCallbackOf<HostWindowAdjustCursorProc>(record.adjustCursor)(window, 3, 4);
    }));
    EXPECT_EQ(WindowLog(),
              "Frame.MouseDown(5,6,513)@1 Frame.KeyDown(65,-)@1 Frame.WillClose(1)@1 Frame.DidActivate@1 "
              "Frame.DidBecomeKey@1 Frame.WillResignKey@1 Frame.WillDeactivate@1 Frame.Draw(100,100,400,300)@1 "
              "Frame.WillBeResized(110,100,410,300)@1 Frame.DidMove(110,100,410,300)@1 Frame.PerformEditOp(7)@1 "
              "Frame.CanPerformEditOp(7)@1 Frame.AdjustCursor(3,4)@1 ");
    EXPECT_EQ(willClose, 2);  // the answer goes to the host as it is
    EXPECT_EQ(canPerform, 0);
    EXPECT_EQ(host->Windows().Cursor(), host->Windows().StandardCursor(0));
    EXPECT_EQ(NestingCount(), 0);
}

TEST_F(WindowObj, TheHostClosingItsWindowLeavesThePlatformWindowAlone) {
    CreateFrame();
    const HostWindowHandlerRecord record = RecordOf("Frame");
    ASSERT_TRUE(host->CallPlugin("did close",
                                 [&] { HostCallbackOf<HostWindowNoticeProc>(record.didClose)(FrameHostWindow()); }));
    EXPECT_EQ(WindowLog(), "Frame.DidClose@1 Frame.WillDestroy@1 ");
    EXPECT_FALSE(IsOpen());
    EXPECT_EQ(LiveCallbacks(record), 0u);
    EXPECT_TRUE(IsWindow(frame));
    EXPECT_EQ(host->FailedCalls(), 0) << out.str();
}

TEST_F(WindowObj, AFailureInAHostCallbackIsReportedUnderTheCallbacksName) {
    CreateFrame();
    const HostWindowHandlerRecord record = RecordOf("Frame");
    SetBehaviour("AdjustCursor", "xchg");
    EXPECT_FALSE(host->CallPlugin("adjust cursor", [&] {
        HostCallbackOf<HostWindowAdjustCursorProc>(record.adjustCursor)(FrameHostWindow(), 3, 4);
    }));
    ASSERT_NE(LastAlert(), nullptr);
    EXPECT_EQ(LastAlert()->text,
              "XCHG_AVWindowObj::AdjustCursor caught an exception: probe window failure : code 1155990");
    EXPECT_THAT(out.str(), HasSubstr("[error] adjust cursor: An internal error occurred."));
    EXPECT_EQ(NestingCount(), 0);
}

// A failure in the plain window's procedure (in WillClose) or the dialog's (in Command, on a click of Apply).
TEST_F(WindowObj, AFailureInTheWindowProcedureIsRaisedWithTheFrameworksCodeOrAnother) {
    struct Row {
        const char* who;
        const char* kind;
        const char* shown;
        const char* debugLine;  // the last line of the debug output, if it tells of the failure
    };
    const char* const kSubclassLine = "XCHG_WinWindowSubclass::WndProc caught an unknown exception";
    const Row rows[] = {
        {"Frame", "xchg", "An error occurred (code 0x0011a396).", nullptr},
        {"Frame", "glib", "An error occurred (code 0x00000001).", kSubclassLine},
        {"Frame", "oom", "An error occurred (code 0x00000001).", kSubclassLine},
        {"Frame", "foreign", "An error occurred (code 0x00000001).", kSubclassLine},
        {"Dialog", "xchg", "An error occurred (code 0x0011a396).", nullptr},
        {"Dialog", "glib", "An error occurred (code 0x00112e66).", nullptr},
        {"Dialog", "oom", "An internal error occurred.", nullptr},
        {"Dialog", "foreign", "An internal error occurred.", "XCHG_Dialog::DlgProc caught an unknown exception"},
    };
    std::string opened;
    HWND window = nullptr;
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.who) + " " + row.kind);
        if (opened != row.who) window = Open(opened = row.who);
        out.str("");
        const std::size_t earlier = DebugLines().size();
        if (opened == "Frame") {
            SetBehaviour("WillClose", row.kind, 0);
            EXPECT_TRUE(WinSub_Close(window));
        } else {
            SetBehaviour("Command", row.kind);
            EXPECT_TRUE(WinSub_Click(GetDlgItem(window, 1001)));
        }
        EXPECT_THAT(out.str(), HasSubstr(std::string("[error] window procedure: ") + row.shown));
        EXPECT_TRUE(IsWindow(window));
        FlushDebugLine();
        std::vector<std::string> lines = DebugLines();
        lines.erase(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(earlier));
        std::erase(lines, "");
        if (row.debugLine != nullptr) {
            ASSERT_FALSE(lines.empty());
            EXPECT_EQ(lines.back(), row.debugLine);
        } else {
            for (const std::string& line : lines) EXPECT_EQ(line.find("unknown exception"), std::string::npos) << line;
        }
        EXPECT_TRUE(host->Alerts().Shown().empty());  // a window procedure reports nothing itself
        EXPECT_EQ(NestingCount(), 0);
    }
}

TEST_F(WindowObj, APaintWithNothingToUpdateIsAFatalLogEntry) {
    CreateFrame();
    WinSub_Idle();  // painted: nothing is left to update
    WindowLog();
    SendMessageW(frame, WM_PAINT, 0, 0);
    EXPECT_EQ(WindowLog(), "");
    EXPECT_THAT(out.str(), HasSubstr("[error] window procedure: An error occurred (code 0x00000001)."));
    FlushDebugLine();
    const std::vector<std::string> lines = DebugLines();
    ASSERT_GE(lines.size(), 2u);
    const std::string& fatal = lines[lines.size() - 2];
    EXPECT_EQ(fatal.rfind("Error    acrobatlib/src/XCHG/XCHG_AVWindowOb", 0), 0u) << fatal;
    EXPECT_EQ(fatal.substr(fatal.find(" line ")), " line 654:GetUpdateRect failed");
    EXPECT_EQ(lines.back(), "XCHG_WinWindowSubclass::WndProc caught an unknown exception");
}

}  // namespace
