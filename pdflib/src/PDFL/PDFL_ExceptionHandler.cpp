#include "PDFL/PDFL_ExceptionHandler.h"

#include "GLIB/GLIB_ErrorCodes.h"
#include "GLIB/GLIB_Log.h"
#include "GLIB/GLIB_OStringStream.h"
#include "GLIB/GLIB_StringUtils.h"
#include "PDFL/PDFL_ASCalls5.h"

namespace {

constexpr int32_t kExceptionReportLogLine = 264;
constexpr int32_t kOutOfMemoryReportLogLine = 165;
constexpr int32_t kUnknownReportLogLine = 308;
constexpr int32_t kErrorSeverityClass = 4;
constexpr const char kOutOfMemoryText[] =
    "Out of Memory\n\nTry to increase the amount of memory\ndedicated to this program";

int32_t s_nesting = 0;
HostErrorCode s_outOfMemoryCodes[2] = {kHostGeneralError, kHostGeneralError};

PDFL_ExceptionHandler::ExceptionReportHook s_exceptionReport = PDFL_ExceptionHandler::DefaultExceptionReport;
PDFL_ExceptionHandler::ExceptionCodeHook s_exceptionCode = PDFL_ExceptionHandler::DefaultExceptionCode;
PDFL_ExceptionHandler::OutOfMemoryReportHook s_outOfMemoryReport = PDFL_ExceptionHandler::DefaultOutOfMemoryReport;
PDFL_ExceptionHandler::OutOfMemoryCodeHook s_outOfMemoryCode = PDFL_ExceptionHandler::DefaultOutOfMemoryCode;
PDFL_ExceptionHandler::UnknownReportHook s_unknownReport = PDFL_ExceptionHandler::DefaultUnknownReport;

void LogNamed(const char* format, const char* className, const char* operation, int32_t line) {
    char text[512];
    GLIB_Format(text, sizeof text, format, className, operation);
    GLIB_Log(GLIB_LOG_ERROR, text, __FILE__, line);
}

}  // namespace

void PDFL_ExceptionHandler::Enter() { ++s_nesting; }

void PDFL_ExceptionHandler::Leave() { --s_nesting; }

int32_t PDFL_ExceptionHandler::NestingCount() { return s_nesting; }

HostErrorCode PDFL_ExceptionHandler::ReportException(const GLIB_Exception& e, const char* className,
                                                     const char* operation) {
    s_exceptionReport(e, className, operation);
    Leave();
    return s_exceptionCode(e);
}

HostErrorCode PDFL_ExceptionHandler::ReportOutOfMemory(const char* className, const char* operation) {
    s_outOfMemoryReport(className, operation);
    Leave();
    return s_outOfMemoryCode();
}

void PDFL_ExceptionHandler::ReportUnknown(const char* className, const char* operation) {
    s_unknownReport(className, operation);
    Leave();
}

void PDFL_ExceptionHandler::SetExceptionReportHook(ExceptionReportHook hook) { s_exceptionReport = hook; }
void PDFL_ExceptionHandler::SetExceptionCodeHook(ExceptionCodeHook hook) { s_exceptionCode = hook; }
void PDFL_ExceptionHandler::SetOutOfMemoryReportHook(OutOfMemoryReportHook hook) { s_outOfMemoryReport = hook; }
void PDFL_ExceptionHandler::SetOutOfMemoryCodeHook(OutOfMemoryCodeHook hook) { s_outOfMemoryCode = hook; }
void PDFL_ExceptionHandler::SetUnknownReportHook(UnknownReportHook hook) { s_unknownReport = hook; }
PDFL_ExceptionHandler::ExceptionCodeHook PDFL_ExceptionHandler::GetExceptionCodeHook() { return s_exceptionCode; }
PDFL_ExceptionHandler::OutOfMemoryCodeHook PDFL_ExceptionHandler::GetOutOfMemoryCodeHook() { return s_outOfMemoryCode; }

void PDFL_ExceptionHandler::ResetHooks() {
    s_exceptionReport = DefaultExceptionReport;
    s_exceptionCode = DefaultExceptionCode;
    s_outOfMemoryReport = DefaultOutOfMemoryReport;
    s_outOfMemoryCode = DefaultOutOfMemoryCode;
    s_unknownReport = DefaultUnknownReport;
}

void PDFL_ExceptionHandler::RegisterOutOfMemoryCodes() {
    s_outOfMemoryCodes[0] = Support_RegisterErrorText(kErrorSeverityClass, kOutOfMemoryText);
    s_outOfMemoryCodes[1] = Support_RegisterErrorText(kErrorSeverityClass, kOutOfMemoryText);
}

HostErrorCode PDFL_ExceptionHandler::OutOfMemoryCode(int which) { return s_outOfMemoryCodes[which == 0 ? 0 : 1]; }

void PDFL_ExceptionHandler::DefaultExceptionReport(const GLIB_Exception& e, const char* className,
                                                   const char* operation) {
    if (s_nesting != 1) {
        return;
    }
    GLIB_OStringStream text;
    text << className << "::" << operation << " caught an exception: " << e;
    GLIB_Log(GLIB_LOG_ERROR, text.str(), __FILE__, kExceptionReportLogLine);
}

HostErrorCode PDFL_ExceptionHandler::DefaultExceptionCode(const GLIB_Exception& e) {
    return e.GetCode() == GLIB_ERR_OUT_OF_MEMORY ? s_outOfMemoryCodes[0] : kHostGeneralError;
}

void PDFL_ExceptionHandler::DefaultOutOfMemoryReport(const char* className, const char* operation) {
    if (s_nesting == 1) {
        LogNamed("%s::%s out of memory: ", className, operation, kOutOfMemoryReportLogLine);
    }
}

HostErrorCode PDFL_ExceptionHandler::DefaultOutOfMemoryCode() { return s_outOfMemoryCodes[1]; }

void PDFL_ExceptionHandler::DefaultUnknownReport(const char* className, const char* operation) {
    LogNamed("%s::%s caught a system exception: ", className, operation, kUnknownReportLogLine);
}
