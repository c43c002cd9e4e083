// Timers on the test clock, and the message queue: the order in which a loop gets messages, filters,
// WM_QUIT, the idle step, the input source that a waiting loop asks, and key translation.
#include "WindowTestSupport.h"

namespace {

using windowtest::Log;
using windowtest::MessagesOf;
using windowtest::Received;

using Timers = windowtest::Desktop;
using MessageQueue = windowtest::Desktop;

std::vector<WPARAM> TimerIds(HWND window) {
    std::vector<WPARAM> ids;
    for (const Received& r : Log())
        if (r.window == window && r.message == WM_TIMER) ids.push_back(r.wParam);
    return ids;
}

// Advances the test clock by `ms` and runs one idle step: how many messages it delivered.
int After(DWORD ms) {
    WinSub_AdvanceClock(ms);
    return WinSub_Idle();
}

TEST_F(Timers, FireOnceTheirPeriodHasPassedOnTheClockUntilKilled) {
    const struct {
        const char* name;
        UINT_PTR id;
        UINT period;
        std::vector<std::pair<DWORD, int>> steps;  // the clock advanced, then the messages of the idle step
        UINT periodAfterFirstStep = 0;             // set again with this period after the first step
    } rows[] = {
        {"fires when its period has passed", 7, 100, {{0, 0}, {99, 0}, {1, 1}, {0, 0}}},
        {"periods passed give one message; the next starts then", 0xFFFFFFFF, 100, {{350, 1}, {99, 0}, {1, 1}}},
        {"setting again starts a new period from then", 1, 100, {{60, 0}, {49, 0}, {1, 1}}, 50},
        {"a period below the minimum is raised to it", 2, 1, {{9, 0}, {1, 1}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const HWND window = TopLevel(WS_POPUP);
        Log().clear();
        EXPECT_EQ(SetTimer(window, row.id, row.period, nullptr), row.id);
        int fired = 0;
        for (std::size_t step = 0; step < row.steps.size(); ++step) {
            const auto [ms, delivered] = row.steps[step];
            WinSub_AdvanceClock(ms);
            if (step == 0 && row.periodAfterFirstStep != 0) {
                SetTimer(window, row.id, row.periodAfterFirstStep, nullptr);
            }
            EXPECT_EQ(WinSub_Idle(), delivered) << "step " << step;
            if (delivered > 0) {
                EXPECT_EQ(GetMessageTime(), static_cast<LONG>(WinSub_GetClock()));
                EXPECT_EQ(Log().back().lParam, 0);
                ++fired;
            }
        }
        EXPECT_EQ(TimerIds(window), std::vector<WPARAM>(static_cast<std::size_t>(fired), row.id));
        EXPECT_TRUE(KillTimer(window, row.id));
        EXPECT_EQ(After(1000), 0);
        EXPECT_FAILS_WITH(!KillTimer(window, row.id), ERROR_INVALID_PARAMETER);
        DestroyWindow(window);
    }
}

struct Tick {
    HWND window;
    UINT message;
    UINT_PTR id;
    DWORD time;
};
std::vector<Tick> gTicks;

void CALLBACK OnTick(HWND window, UINT message, UINT_PTR id, DWORD time) {
    gTicks.push_back(Tick{window, message, id, time});
}

TEST_F(Timers, TimerProcedureIsCalledInsteadOfTheWindowProcedure) {
    gTicks.clear();
    const HWND window = TopLevel(WS_POPUP);
    SetTimer(window, 3, 20, OnTick);
    // A timer of the thread gets an id of its own, whatever id was asked for.
    const UINT_PTR threadTimer = SetTimer(nullptr, 3, 30, OnTick);
    EXPECT_NE(threadTimer, 0u);
    EXPECT_EQ(After(30), 2);
    ASSERT_EQ(gTicks.size(), 2u);
    EXPECT_TRUE(gTicks[0].window == window && gTicks[0].message == WM_TIMER && gTicks[0].id == 3u);
    EXPECT_EQ(gTicks[0].time, WinSub_GetClock());
    EXPECT_TRUE(gTicks[1].window == nullptr && gTicks[1].id == threadTimer);
    EXPECT_TRUE(TimerIds(window).empty());
    EXPECT_TRUE(KillTimer(nullptr, threadTimer));
    // A forged WM_TIMER with a procedure that no timer has calls nothing.
    MSG forged{window, WM_TIMER, 99, reinterpret_cast<LPARAM>(OnTick), 0, {0, 0}};
    DispatchMessageW(&forged);
    EXPECT_EQ(gTicks.size(), 2u);
    EXPECT_EQ(TimerIds(window), (std::vector<WPARAM>{99}));
}

TEST_F(MessageQueue, PostedMessagesComeBeforePaintAndPaintBeforeTimers) {
    const HWND window = TopLevel(WS_POPUP | WS_VISIBLE);
    SetTimer(window, 1, 10, nullptr);
    WinSub_AdvanceClock(10);
    PostMessageW(window, WM_USER + 1, 0, 0);
    PostMessageW(window, WM_USER + 2, 0, 0);
    std::vector<UINT> order;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        order.push_back(msg.message);
        DispatchMessageW(&msg);
    }
    EXPECT_EQ(order, (std::vector<UINT>{WM_USER + 1, WM_USER + 2, WM_PAINT, WM_TIMER}));
}

TEST_F(MessageQueue, FiltersSelectByWindowAndRange) {
    const HWND first = TopLevel(WS_POPUP);
    const HWND second = TopLevel(WS_POPUP);
    const HWND child = Child(second, 1, WS_CHILD);
    PostMessageW(first, WM_USER + 1, 0, 0);
    PostMessageW(child, WM_USER + 2, 0, 0);
    PostMessageW(nullptr, WM_USER + 3, 0, 0);
    MSG msg;
    // Not removed: seen again.
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 1));
    ASSERT_TRUE(PeekMessageW(&msg, second, 0, 0, PM_REMOVE));  // a window takes its children's messages
    EXPECT_EQ(msg.hwnd, child);
    ASSERT_TRUE(PeekMessageW(&msg, reinterpret_cast<HWND>(-1), 0, 0, PM_REMOVE));  // thread messages only
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 3));
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_USER + 2, WM_USER + 9, PM_REMOVE));
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_USER + 1, WM_USER + 1, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, first);
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_FAILS_WITH(!PeekMessageW(&msg, reinterpret_cast<HWND>(0x12340), 0, 0, PM_REMOVE),
                      ERROR_INVALID_WINDOW_HANDLE);
}

TEST_F(MessageQueue, QuitComesAfterPostedMessagesWhateverTheFilter) {
    const HWND window = TopLevel(WS_POPUP);
    PostMessageW(window, WM_USER, 0, 0);
    PostQuitMessage(3);
    MSG msg;
    EXPECT_TRUE(GetMessageW(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER));
    EXPECT_FALSE(GetMessageW(&msg, window, WM_USER, WM_USER));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_EQ(GetMessageW(nullptr, nullptr, 0, 0), -1);
}

struct Script {
    HWND window = nullptr;
    int calls = 0;
    HWND waitingFor = reinterpret_cast<HWND>(1);
};

BOOL PostOnce(HWND waitingFor, void* context) {
    auto* script = static_cast<Script*>(context);
    script->waitingFor = waitingFor;
    if (script->calls++ > 0) {
        return FALSE;
    }
    PostMessageW(script->window, WM_USER + 7, 0, 0);
    return TRUE;
}

TEST_F(MessageQueue, WaitingLoopAsksTheInputSourceAndEndsWhenTheUserIsDone) {
    const HWND window = TopLevel(WS_POPUP);
    MSG msg;
    // Nothing waiting and no one to act: nothing can come.
    EXPECT_FALSE(GetMessageW(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    Script script;
    script.window = window;
    WinSub_SetInputSource(PostOnce, &script);
    EXPECT_TRUE(GetMessageW(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 7));
    EXPECT_EQ(script.waitingFor, nullptr);
    EXPECT_FALSE(GetMessageW(&msg, nullptr, 0, 0));
    EXPECT_EQ(script.calls, 2);
    // PeekMessageW never waits.
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(script.calls, 2);
}

TEST_F(MessageQueue, TranslateMessagePostsTheCharacterOfAKey) {
    const HWND window = TopLevel(WS_POPUP);
    const struct {
        WPARAM key;
        WPARAM character;
    } keys[] = {{'A', 'a'}, {'7', '7'}, {VK_OEM_PERIOD, '.'}, {VK_SUBTRACT, '-'}, {VK_RETURN, '\r'}, {VK_BACK, '\b'}};
    for (const auto& key : keys) {
        MSG down{window, WM_KEYDOWN, key.key, 1, 0, {0, 0}};
        EXPECT_TRUE(TranslateMessage(&down));
        MSG msg;
        ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) << key.key;
        EXPECT_EQ(msg.message, static_cast<UINT>(WM_CHAR));
        EXPECT_EQ(msg.wParam, key.character);
    }
    MSG shift{window, WM_KEYDOWN, VK_SHIFT, 1, 0, {0, 0}};
    EXPECT_TRUE(TranslateMessage(&shift));
    MSG msg;
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    MSG other{window, WM_USER, 0, 0, 0, {0, 0}};
    EXPECT_FALSE(TranslateMessage(&other));
}

LRESULT CALLBACK KeyWatcher(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN) {
        // The state of Shift while the key is delivered.
        Log().push_back(Received{window, WM_APP, static_cast<WPARAM>(GetKeyState(VK_SHIFT) < 0), 0});
    }
    return windowtest::RecordingProc(window, message, wParam, lParam);
}

TEST_F(MessageQueue, PressedKeyMakesKeyDownCharAndKeyUpForTheFocusWindow) {
    const HWND window = TopLevel();
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(KeyWatcher));
    ASSERT_EQ(GetFocus(), window);
    WinSub_Idle();  // the first paint
    Log().clear();
    EXPECT_TRUE(WinSub_PressKey('B', WINSUB_SHIFT));
    EXPECT_EQ(MessagesOf(window), (std::vector<UINT>{WM_APP, WM_KEYDOWN, WM_CHAR, WM_KEYUP}));
    EXPECT_EQ(Log()[0].wParam, 1u);
    EXPECT_EQ(Log()[2].wParam, static_cast<WPARAM>('B'));
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);  // released after the key
    DestroyWindow(window);
    EXPECT_FAILS_WITH(!WinSub_PressKey('B', 0), ERROR_ACCESS_DENIED);  // no window to take it
}

}  // namespace
