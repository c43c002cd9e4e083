#include "XCHG/XCHG_InstallReporting.h"

#include "GLIB/GLIB_Assert.h"
#include "GLIB/GLIB_ErrorCodes.h"
#include "GLIB/GLIB_Exception.h"
#include "GLIB/GLIB_StringUtils.h"
#include "PDFL/PDFL_ExceptionHandler.h"
#include "XCHG/XCHG_AVCalls5.h"
#include "XCHG/XCHG_LogSink.h"
#include "XCHG/XCHG_ReportError.h"
#include "XCHG/XCHG_Resources.h"

namespace {

constexpr int32_t kCaughtExceptionString = 20024;
constexpr int32_t kCaughtUnknownString = 20026;
constexpr int32_t kOutOfMemoryString = 20027;

void ShowOutOfMemory() {
    char text[256];
    View_NoteAlert(GetString(kOutOfMemoryString, text, sizeof text));
}

}  // namespace

void XCHG_InstallReporting() {
    SetLogSink(XCHG_LogSink);
    SetAssertHandler(XCHG_AssertHandler);
    XCHG_SetAlertHook(XCHG_HostAlert);
    PDFL_ExceptionHandler::SetExceptionReportHook(XCHG_ReportCaughtException);
    PDFL_ExceptionHandler::SetOutOfMemoryReportHook(XCHG_ReportCaughtOutOfMemory);
    PDFL_ExceptionHandler::SetUnknownReportHook(XCHG_ReportCaughtUnknown);
}

void XCHG_ReportCaughtException(const GLIB_Exception& e, const char* className, const char* operation) {
    if (PDFL_ExceptionHandler::NestingCount() != 1) {
        return;
    }
    if (e.GetCode() == GLIB_ERR_OUT_OF_MEMORY) {
        ShowOutOfMemory();
        return;
    }
    char format[256];
    char text[512];
    GetString(kCaughtExceptionString, format, sizeof format);
    GLIB_Format(text, sizeof text, format, className, operation, e.GetMessageNarrow().c_str(), e.GetCode());
    View_NoteAlert(text);
}

void XCHG_ReportCaughtOutOfMemory(const char*, const char*) {
    if (PDFL_ExceptionHandler::NestingCount() == 1) {
        ShowOutOfMemory();
    }
}

void XCHG_ReportCaughtUnknown(const char* className, const char* operation) {
    char format[256];
    char text[512];
    GetString(kCaughtUnknownString, format, sizeof format);
    GLIB_Format(text, sizeof text, format, className, operation);
    View_NoteAlert(text);
}
