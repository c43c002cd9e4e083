// Kernel basics: the thread's last error, critical sections, local and heap memory, system message texts,
// and the clock.
#pragma once

#include <cstdarg>

#include "WinTypes.h"

// ---- Last error (per thread) ----
WIN32SUB_API DWORD WINAPI GetLastError(void);
WIN32SUB_API void WINAPI SetLastError(DWORD errorCode);

// ---- Critical sections: recursive locks owned by one thread at a time ----
typedef struct _RTL_CRITICAL_SECTION {
    void* impl;  // owned by the platform between Initialize and Delete
} CRITICAL_SECTION, *LPCRITICAL_SECTION;

WIN32SUB_API void WINAPI InitializeCriticalSection(LPCRITICAL_SECTION section);
WIN32SUB_API void WINAPI EnterCriticalSection(LPCRITICAL_SECTION section);
WIN32SUB_API BOOL WINAPI TryEnterCriticalSection(LPCRITICAL_SECTION section);
WIN32SUB_API void WINAPI LeaveCriticalSection(LPCRITICAL_SECTION section);
WIN32SUB_API void WINAPI DeleteCriticalSection(LPCRITICAL_SECTION section);

// ---- Local memory ----
#define LMEM_FIXED 0x0000
#define LMEM_ZEROINIT 0x0040
#define LPTR (LMEM_FIXED | LMEM_ZEROINIT)

WIN32SUB_API HLOCAL WINAPI LocalAlloc(UINT flags, SIZE_T bytes);
// Returns NULL on success, or the handle itself when it could not be freed (last error set).
WIN32SUB_API HLOCAL WINAPI LocalFree(HLOCAL memory);

// ---- Process heap ----
#define HEAP_ZERO_MEMORY 0x00000008

WIN32SUB_API HANDLE WINAPI GetProcessHeap(void);
WIN32SUB_API LPVOID WINAPI HeapAlloc(HANDLE heap, DWORD flags, SIZE_T bytes);
WIN32SUB_API BOOL WINAPI HeapFree(HANDLE heap, DWORD flags, LPVOID memory);

// ---- Message texts from the system message table ----
#define FORMAT_MESSAGE_ALLOCATE_BUFFER 0x00000100
#define FORMAT_MESSAGE_IGNORE_INSERTS 0x00000200
#define FORMAT_MESSAGE_FROM_STRING 0x00000400
#define FORMAT_MESSAGE_FROM_HMODULE 0x00000800
#define FORMAT_MESSAGE_FROM_SYSTEM 0x00001000
#define FORMAT_MESSAGE_ARGUMENT_ARRAY 0x00002000
#define FORMAT_MESSAGE_MAX_WIDTH_MASK 0x000000FF

// Only FORMAT_MESSAGE_FROM_SYSTEM with FORMAT_MESSAGE_IGNORE_INSERTS is served; the text keeps its
// trailing "\r\n" as on Windows. With FORMAT_MESSAGE_ALLOCATE_BUFFER, `buffer` is really an LPWSTR* that
// receives a LocalAlloc block. Returns the number of characters stored without the terminator, or 0.
WIN32SUB_API DWORD WINAPI FormatMessageW(DWORD flags, LPCVOID source, DWORD messageId, DWORD languageId, LPWSTR buffer,
                                         DWORD size, va_list* arguments);
WIN32SUB_API DWORD WINAPI FormatMessageA(DWORD flags, LPCVOID source, DWORD messageId, DWORD languageId, LPSTR buffer,
                                         DWORD size, va_list* arguments);

// ---- Clock ----
typedef struct _SYSTEMTIME {
    WORD wYear;
    WORD wMonth;
    WORD wDayOfWeek;
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
} SYSTEMTIME, *LPSYSTEMTIME;

WIN32SUB_API void WINAPI GetLocalTime(LPSYSTEMTIME time);
WIN32SUB_API void WINAPI GetSystemTime(LPSYSTEMTIME time);
