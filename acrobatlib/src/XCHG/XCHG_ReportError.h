// Telling the user: the host's modal alert.
#pragma once

#include <cstdint>

// The host alert (AcroView 4) with the kind, the text, one button "OK" and the beep flag.
void XCHG_HostAlert(int32_t kind, const char* text, uint32_t beep);
