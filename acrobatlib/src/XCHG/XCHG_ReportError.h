// Telling the user: the host's alert once the framework is set up, a plain message box before; every report
// is logged as well.
#pragma once

#include <cstdint>

using XCHG_AlertHook = void (*)(int32_t kind, const char* text, uint32_t beep);

// Shows `text` (through the alert hook, or a message box captioned "XCHG_Alert" while none is set) and logs
// it at the level of its kind: 1 error, 2 warning, 3 info, any other debug.
void XCHG_ReportError(int32_t kind, const char* text, uint32_t beep);
void XCHG_ReportInfo(const char* text, uint32_t beep);
// Stores the hook and returns the previous one.
XCHG_AlertHook XCHG_SetAlertHook(XCHG_AlertHook hook);

// The host alert (AcroView 4) with the kind, the text, one button "OK" and the beep flag.
void XCHG_HostAlert(int32_t kind, const char* text, uint32_t beep);
