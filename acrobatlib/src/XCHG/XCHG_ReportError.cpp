#include "XCHG/XCHG_ReportError.h"

#include "XCHG/XCHG_AVCalls5.h"

void XCHG_HostAlert(int32_t kind, const char* text, uint32_t beep) {
    View_Alert(kind, text, "OK", nullptr, nullptr, static_cast<HostBool>(beep != 0));
}
