#include "XCHG/XCHG_ReportError.h"

#include "GLIB/GLIB_Log.h"
#include "Win32.h"
#include "XCHG/XCHG_AVCalls5.h"

namespace {

XCHG_AlertHook s_alertHook = nullptr;

struct KindOfReport {
    LogLevel level;
    int32_t line;  // the log position each kind has always had
};

KindOfReport KindOf(int32_t kind) {
    switch (kind) {
        case 1:
            return {GLIB_LOG_ERROR, 110};
        case 2:
            return {GLIB_LOG_WARNING, 116};
        case 3:
            return {GLIB_LOG_INFO, 122};
        default:
            return {GLIB_LOG_DEBUG, 129};
    }
}

}  // namespace

void XCHG_ReportError(int32_t kind, const char* text, uint32_t beep) {
    if (text == nullptr) text = "";
    if (s_alertHook != nullptr) {
        s_alertHook(kind, text, beep);
    } else {
        MessageBoxA(nullptr, text, "XCHG_Alert", MB_OK);
    }
    const KindOfReport report = KindOf(kind);
    GLIB_Log(report.level, text, __FILE__, report.line);
}

void XCHG_ReportInfo(const char* text, uint32_t beep) { XCHG_ReportError(3, text, beep); }

XCHG_AlertHook XCHG_SetAlertHook(XCHG_AlertHook hook) {
    const XCHG_AlertHook previous = s_alertHook;
    s_alertHook = hook;
    return previous;
}

void XCHG_HostAlert(int32_t kind, const char* text, uint32_t beep) {
    View_Alert(kind, text, "OK", nullptr, nullptr, static_cast<HostBool>(beep != 0));
}
