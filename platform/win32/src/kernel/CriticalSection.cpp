// Critical sections are recursive mutexes: the owning thread may enter again and must leave as often as it
// entered. The mutex lives on the heap because CRITICAL_SECTION only has room for a pointer.
#include <mutex>
#include <new>

#include "Win32.h"

namespace {
std::recursive_mutex* MutexOf(LPCRITICAL_SECTION section) {
    return section == nullptr ? nullptr : static_cast<std::recursive_mutex*>(section->impl);
}
}  // namespace

WIN32SUB_API void WINAPI InitializeCriticalSection(LPCRITICAL_SECTION section) {
    if (section == nullptr) {
        return;
    }
    // Windows cannot report a failure here either; a section left without a mutex fails TryEnter and makes
    // Enter and Leave do nothing rather than crash.
    section->impl = new (std::nothrow) std::recursive_mutex;
}

WIN32SUB_API void WINAPI EnterCriticalSection(LPCRITICAL_SECTION section) {
    if (std::recursive_mutex* mutex = MutexOf(section)) {
        mutex->lock();
    }
}

WIN32SUB_API BOOL WINAPI TryEnterCriticalSection(LPCRITICAL_SECTION section) {
    std::recursive_mutex* mutex = MutexOf(section);
    return mutex != nullptr && mutex->try_lock() ? TRUE : FALSE;
}

WIN32SUB_API void WINAPI LeaveCriticalSection(LPCRITICAL_SECTION section) {
    if (std::recursive_mutex* mutex = MutexOf(section)) {
        mutex->unlock();
    }
}

WIN32SUB_API void WINAPI DeleteCriticalSection(LPCRITICAL_SECTION section) {
    if (section == nullptr) {
        return;
    }
    delete MutexOf(section);
    // Cleared so that a second Delete is harmless.
    section->impl = nullptr;
}
