// Sending, posting and delivering messages; the message queue of the user-interface thread; the clock that
// stamps messages and runs timers; and the idle step, the input source and the message spy of the screen
// side (win32sub/Desktop.h).
//
// Messages come out of the queue in Windows' order: posted messages first, then WM_QUIT, then WM_PAINT for
// a window that has something to paint, then WM_TIMER for a timer that is due. Only when none of them is
// waiting does a loop wait for the user, which here means asking the input source.
#include <atomic>
#include <deque>
#include <mutex>
#include <set>

#include "Win32.h"
#include "user/WindowManager.h"
#include "win32sub/Desktop.h"

namespace win32sub {
namespace {

struct Posted {
    MSG msg;
    std::uint64_t serial;
};

struct Queue {
    std::mutex mutex;
    std::deque<Posted> posted;
    std::uint64_t nextSerial = 0;
    bool quit = false;
    int quitCode = 0;
    std::atomic<std::uint64_t> clock{0};
    DWORD lastMessageTime = 0;
    WinSubInputSource source = nullptr;
    void* sourceContext = nullptr;
    WinSubMessageSpy spy = nullptr;
    void* spyContext = nullptr;
    WinSubProcedureCaller caller = nullptr;
    void* callerContext = nullptr;
};

Queue& TheQueue() {
    static auto* queue = new Queue;
    return *queue;
}

bool InRange(UINT message, UINT filterMin, UINT filterMax) {
    return (filterMin == 0 && filterMax == 0) || (message >= filterMin && message <= filterMax);
}

bool ForFilter(HWND window, HWND filter) {
    if (filter == nullptr) {
        return true;
    }
    if (filter == reinterpret_cast<HWND>(-1)) {
        return window == nullptr;
    }
    return window != nullptr && IsSelfOrDescendant(filter, window);
}

bool TakePosted(MSG& msg, HWND filter, UINT filterMin, UINT filterMax, bool remove) {
    Queue& queue = TheQueue();
    std::lock_guard<std::mutex> lock(queue.mutex);
    for (auto it = queue.posted.begin(); it != queue.posted.end(); ++it) {
        if (ForFilter(it->msg.hwnd, filter) && InRange(it->msg.message, filterMin, filterMax)) {
            msg = it->msg;
            if (remove) {
                queue.posted.erase(it);
            }
            return true;
        }
    }
    return false;
}

// The character that a key types, or 0. Letters are lower case unless Shift is down; with Control they
// are control characters.
wchar_t CharacterOf(WPARAM key) {
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const bool control = GetKeyState(VK_CONTROL) < 0;
    if (key >= 'A' && key <= 'Z') {
        if (control) {
            return static_cast<wchar_t>(key - 'A' + 1);
        }
        return static_cast<wchar_t>(shift ? key : key - 'A' + 'a');
    }
    if (key >= '0' && key <= '9') {
        return static_cast<wchar_t>(key);
    }
    if (key >= VK_NUMPAD0 && key <= VK_NUMPAD0 + 9) {
        return static_cast<wchar_t>(L'0' + (key - VK_NUMPAD0));
    }
    switch (key) {
        case VK_SPACE:
            return L' ';
        case VK_BACK:
            return L'\b';
        case VK_TAB:
            return L'\t';
        case VK_RETURN:
            return L'\r';
        case VK_ESCAPE:
            return 0x1B;
        case VK_DECIMAL:
        case VK_OEM_PERIOD:
            return L'.';
        case VK_OEM_COMMA:
            return L',';
        case VK_SUBTRACT:
            return L'-';
        case VK_OEM_MINUS:
            return shift ? L'_' : L'-';
        case VK_ADD:
            return L'+';
        case VK_OEM_PLUS:
            return shift ? L'+' : L'=';
        case VK_MULTIPLY:
            return L'*';
        case VK_DIVIDE:
            return L'/';
        default:
            return 0;
    }
}

}  // namespace

LRESULT Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Held for the call: the procedure may destroy the window, but not the object it is running for.
    const std::shared_ptr<Window> target = FindWindowObject(window);
    if (target == nullptr) {
        return 0;
    }
    const WNDPROC proc = target->proc;
    Queue& queue = TheQueue();
    if (queue.spy != nullptr) {
        queue.spy(window, message, wParam, lParam, queue.spyContext);
    }
    if (proc == nullptr) {
        return 0;
    }
    return CallProcedure([&] { return proc(window, message, wParam, lParam); });
}

LRESULT CallProcedure(WinSubProcedureCall call, void* data) {
    const Queue& queue = TheQueue();
    return queue.caller != nullptr ? queue.caller(call, data, queue.callerContext) : call(data);
}

void NotifyParent(HWND control, WORD code) {
    const std::shared_ptr<Window> window = FindWindowObject(control);
    if (window == nullptr || IsTopLevel(*window)) {
        return;
    }
    Deliver(window->parent, WM_COMMAND, MAKEWPARAM(LOWORD(window->id), code), reinterpret_cast<LPARAM>(control));
}

std::uint64_t Now() { return TheQueue().clock.load(); }

void AdvanceClock(DWORD milliseconds) { TheQueue().clock += milliseconds; }

void RemoveQueuedMessagesOf(HWND window) {
    Queue& queue = TheQueue();
    std::lock_guard<std::mutex> lock(queue.mutex);
    std::erase_if(queue.posted, [&](const Posted& posted) { return posted.msg.hwnd == window; });
}

void ClearQueue() {
    Queue& queue = TheQueue();
    std::lock_guard<std::mutex> lock(queue.mutex);
    queue.posted.clear();
    queue.quit = false;
    queue.quitCode = 0;
}

bool AskInputSource(HWND waitingFor) {
    Queue& queue = TheQueue();
    return queue.source != nullptr && queue.source(waitingFor, queue.sourceContext) != FALSE;
}

bool NextMessage(MSG& msg, HWND filter, UINT filterMin, UINT filterMax, bool remove, bool wait, HWND waitingFor) {
    Queue& queue = TheQueue();
    for (;;) {
        if (TakePosted(msg, filter, filterMin, filterMax, remove)) {
            return true;
        }
        {
            std::lock_guard<std::mutex> lock(queue.mutex);
            if (queue.quit) {  // WM_QUIT comes whatever the filters are
                msg = MSG{nullptr,    WM_QUIT, static_cast<WPARAM>(queue.quitCode), 0, static_cast<DWORD>(Now()),
                          POINT{0, 0}};
                if (remove) {
                    queue.quit = false;
                }
                return true;
            }
        }
        if (InRange(WM_PAINT, filterMin, filterMax) && filter != reinterpret_cast<HWND>(-1)) {
            if (const HWND window = WindowToPaint(filter)) {
                msg = MSG{window, WM_PAINT, 0, 0, static_cast<DWORD>(Now()), POINT{0, 0}};
                return true;
            }
        }
        if (InRange(WM_TIMER, filterMin, filterMax) && TakeDueTimer(msg, filter, remove)) {
            return true;
        }
        if (!wait || !AskInputSource(waitingFor)) {
            return false;
        }
    }
}

void DeliverAsInput(const MSG& msg) {
    const HWND root = RootOf(msg.hwnd);
    const std::shared_ptr<Window> top = FindWindowObject(root);
    MSG copy = msg;
    if (top != nullptr && top->dialog != nullptr && IsDialogMessageW(root, &copy)) {
        return;
    }
    TranslateMessage(&copy);
    DispatchMessageW(&copy);
}

int DeliverWaiting(bool timers) {
    Queue& queue = TheQueue();
    int count = 0;
    std::uint64_t end;
    {
        std::lock_guard<std::mutex> lock(queue.mutex);
        end = queue.nextSerial;
    }
    for (;;) {
        MSG msg;
        {
            std::lock_guard<std::mutex> lock(queue.mutex);
            if (queue.posted.empty() || queue.posted.front().serial >= end) {
                break;
            }
            msg = queue.posted.front().msg;
            queue.posted.pop_front();
        }
        queue.lastMessageTime = msg.time;
        DeliverAsInput(msg);
        ++count;
    }
    // Each window paints once in a step; one that asks again within it is taken as painted.
    std::set<HWND> painted;
    while (const HWND window = WindowToPaint(nullptr)) {
        if (!painted.insert(window).second) {
            ValidateWindow(window);
            continue;
        }
        const MSG paint{window, WM_PAINT, 0, 0, static_cast<DWORD>(Now()), POINT{0, 0}};
        DispatchMessageW(&paint);
        ++count;
    }
    if (timers) {
        // A timer that fired is due again only a period later, so each fires at most once here.
        MSG tick;
        while (TakeDueTimer(tick, nullptr, true)) {
            queue.lastMessageTime = tick.time;
            DeliverAsInput(tick);
            ++count;
        }
    }
    return count;
}

}  // namespace win32sub

WIN32SUB_API LRESULT WINAPI SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (win32sub::WindowOrFail(window) == nullptr) {
        return 0;
    }
    return win32sub::Deliver(window, message, wParam, lParam);
}

WIN32SUB_API BOOL WINAPI PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window != nullptr && win32sub::WindowOrFail(window) == nullptr) {
        return FALSE;
    }
    win32sub::Queue& queue = win32sub::TheQueue();
    std::lock_guard<std::mutex> lock(queue.mutex);
    const MSG msg{window, message, wParam, lParam, static_cast<DWORD>(win32sub::Now()), POINT{0, 0}};
    queue.posted.push_back(win32sub::Posted{msg, queue.nextSerial++});
    return TRUE;
}

WIN32SUB_API void WINAPI PostQuitMessage(int exitCode) {
    win32sub::Queue& queue = win32sub::TheQueue();
    std::lock_guard<std::mutex> lock(queue.mutex);
    queue.quit = true;
    queue.quitCode = exitCode;
}

WIN32SUB_API BOOL WINAPI GetMessageW(LPMSG msg, HWND window, UINT filterMin, UINT filterMax) {
    if (msg == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return -1;
    }
    if (window != nullptr && window != reinterpret_cast<HWND>(-1) && win32sub::WindowOrFail(window) == nullptr) {
        return -1;
    }
    if (!win32sub::NextMessage(*msg, window, filterMin, filterMax, true, true, nullptr)) {
        // Nothing is waiting and the user does nothing more: nothing can ever arrive.
        *msg = MSG{nullptr, WM_QUIT, 0, 0, static_cast<DWORD>(win32sub::Now()), POINT{0, 0}};
    }
    win32sub::TheQueue().lastMessageTime = msg->time;
    return msg->message == WM_QUIT ? FALSE : TRUE;
}

WIN32SUB_API BOOL WINAPI PeekMessageW(LPMSG msg, HWND window, UINT filterMin, UINT filterMax, UINT removeMsg) {
    if (msg == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (window != nullptr && window != reinterpret_cast<HWND>(-1) && win32sub::WindowOrFail(window) == nullptr) {
        return FALSE;
    }
    if (!win32sub::NextMessage(*msg, window, filterMin, filterMax, (removeMsg & PM_REMOVE) != 0, false, nullptr)) {
        return FALSE;
    }
    if ((removeMsg & PM_REMOVE) != 0) {
        win32sub::TheQueue().lastMessageTime = msg->time;
    }
    return TRUE;
}

WIN32SUB_API BOOL WINAPI TranslateMessage(const MSG* msg) {
    if (msg == nullptr) {
        return FALSE;
    }
    switch (msg->message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: {
            const wchar_t character = win32sub::CharacterOf(msg->wParam);
            if (character != 0) {
                PostMessageW(msg->hwnd, msg->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR,
                             static_cast<WPARAM>(character), msg->lParam);
            }
            return TRUE;
        }
        case WM_KEYUP:
        case WM_SYSKEYUP:
            return TRUE;
        default:
            return FALSE;
    }
}

WIN32SUB_API LRESULT WINAPI DispatchMessageW(const MSG* msg) {
    if (msg == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    // A timer procedure rides in lParam; it is called only when it is the one that a live timer was set
    // with, so a forged WM_TIMER cannot make this call anything.
    if (msg->message == WM_TIMER && msg->lParam != 0 && win32sub::IsTimerProc(msg->hwnd, msg->wParam, msg->lParam)) {
        const auto proc = reinterpret_cast<TIMERPROC>(msg->lParam);
        win32sub::CallProcedure([&]() -> LRESULT {
            proc(msg->hwnd, WM_TIMER, msg->wParam, msg->time);
            return 0;
        });
        return 0;
    }
    if (msg->hwnd == nullptr) {
        return 0;
    }
    if (win32sub::WindowOrFail(msg->hwnd) == nullptr) {
        return 0;
    }
    const LRESULT result = win32sub::Deliver(msg->hwnd, msg->message, msg->wParam, msg->lParam);
    if (msg->message == WM_PAINT) {
        // What the procedure left unpainted is taken as painted, so that a loop does not spin on it.
        win32sub::ValidateWindow(msg->hwnd);
    }
    return result;
}

WIN32SUB_API DWORD WINAPI GetMessageTime(void) { return win32sub::TheQueue().lastMessageTime; }

WIN32SUB_API DWORD WINAPI WinSub_GetClock(void) { return static_cast<DWORD>(win32sub::Now()); }

WIN32SUB_API void WINAPI WinSub_AdvanceClock(DWORD milliseconds) { win32sub::AdvanceClock(milliseconds); }

WIN32SUB_API int WINAPI WinSub_Idle(void) { return win32sub::DeliverWaiting(true); }

WIN32SUB_API void WINAPI WinSub_SetInputSource(WinSubInputSource source, void* context) {
    win32sub::Queue& queue = win32sub::TheQueue();
    queue.source = source;
    queue.sourceContext = source != nullptr ? context : nullptr;
}

WIN32SUB_API void WINAPI WinSub_SetProcedureCaller(WinSubProcedureCaller caller, void* context) {
    win32sub::Queue& queue = win32sub::TheQueue();
    queue.caller = caller;
    queue.callerContext = caller != nullptr ? context : nullptr;
}

WIN32SUB_API void WINAPI WinSub_SetMessageSpy(WinSubMessageSpy spy, void* context) {
    win32sub::Queue& queue = win32sub::TheQueue();
    queue.spy = spy;
    queue.spyContext = spy != nullptr ? context : nullptr;
}
