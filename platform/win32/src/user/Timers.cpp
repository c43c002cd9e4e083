// Timers on the window manager's clock. As on Windows, a timer does not queue messages: a message loop
// that finds nothing else to do produces one WM_TIMER for a timer whose time has come, however many periods
// passed, and the next period starts then.
#include <algorithm>
#include <cstdint>

#include "user/WindowManager.h"

namespace win32sub {
namespace {

struct Timer {
    HWND window = nullptr;  // nullptr: a timer of the thread
    UINT_PTR id = 0;
    UINT period = 0;
    TIMERPROC proc = nullptr;
    std::uint64_t due = 0;
};

struct TimerTable {
    std::vector<Timer> timers;  // in the order they were set
    UINT_PTR nextThreadTimer = 1;
};

TimerTable& Timers() {
    static auto* table = new TimerTable;
    return *table;
}

std::vector<Timer>::iterator Find(HWND window, UINT_PTR id) {
    std::vector<Timer>& timers = Timers().timers;
    return std::find_if(timers.begin(), timers.end(),
                        [&](const Timer& timer) { return timer.window == window && timer.id == id; });
}

bool InFilter(const Timer& timer, HWND filter) {
    if (filter == nullptr) {
        return true;
    }
    if (filter == reinterpret_cast<HWND>(-1)) {
        return timer.window == nullptr;
    }
    return timer.window != nullptr && IsSelfOrDescendant(filter, timer.window);
}

}  // namespace

bool TakeDueTimer(MSG& msg, HWND filter, bool remove) {
    const std::uint64_t now = Now();
    std::vector<Timer>& timers = Timers().timers;
    auto chosen = timers.end();
    for (auto it = timers.begin(); it != timers.end(); ++it) {
        if (it->due <= now && InFilter(*it, filter) && (chosen == timers.end() || it->due < chosen->due)) {
            chosen = it;
        }
    }
    if (chosen == timers.end()) {
        return false;
    }
    msg = MSG{chosen->window,          WM_TIMER,   chosen->id, reinterpret_cast<LPARAM>(chosen->proc),
              static_cast<DWORD>(now), POINT{0, 0}};
    if (remove) {
        chosen->due = now + chosen->period;
    }
    return true;
}

bool IsTimerProc(HWND window, UINT_PTR id, LPARAM proc) {
    const auto it = Find(window, id);
    return it != Timers().timers.end() && reinterpret_cast<LPARAM>(it->proc) == proc;
}

void KillTimersOf(HWND window) {
    std::erase_if(Timers().timers, [&](const Timer& timer) { return timer.window == window; });
}

void KillAllTimers() { Timers().timers.clear(); }

}  // namespace win32sub

WIN32SUB_API UINT_PTR WINAPI SetTimer(HWND window, UINT_PTR idEvent, UINT elapse, TIMERPROC timerFunc) {
    if (window != nullptr && win32sub::WindowOrFail(window) == nullptr) {
        return 0;
    }
    const UINT period = std::clamp<UINT>(elapse, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM);
    win32sub::TimerTable& table = win32sub::Timers();
    auto existing = win32sub::Find(window, idEvent);
    if (window == nullptr && (idEvent == 0 || existing == table.timers.end())) {
        // A thread timer that does not exist yet gets a new id, whatever id was asked for.
        do {
            idEvent = table.nextThreadTimer++;
        } while (win32sub::Find(nullptr, idEvent) != table.timers.end());
        existing = table.timers.end();
    }
    if (existing == table.timers.end()) {
        table.timers.push_back(win32sub::Timer{window, idEvent, period, timerFunc, 0});
        existing = table.timers.end() - 1;
    }
    existing->period = period;
    existing->proc = timerFunc;
    existing->due = win32sub::Now() + period;
    return idEvent != 0 ? idEvent : 1;
}

WIN32SUB_API BOOL WINAPI KillTimer(HWND window, UINT_PTR idEvent) {
    if (window != nullptr && win32sub::WindowOrFail(window) == nullptr) {
        return FALSE;
    }
    const auto it = win32sub::Find(window, idEvent);
    if (it == win32sub::Timers().timers.end()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    win32sub::Timers().timers.erase(it);
    return TRUE;
}
