// The guard around every entry from the host into the plug-in. It counts how deeply callbacks are nested,
// reports a failure once, in the outermost callback, and hands the host an error code in the host's own way
// (a raise), so that no C++ exception of the system's family ever travels into the host.
#pragma once

#include <csetjmp>
#include <cstdint>
#include <new>

#include "GLIB/GLIB_Exception.h"
#include "HostTypes.h"
#include "PDFL/PDFL_HostFrames.h"

class PDFL_ExceptionHandler {
public:
    using ExceptionReportHook = void (*)(const GLIB_Exception& e, const char* className, const char* operation);
    using ExceptionCodeHook = HostErrorCode (*)(const GLIB_Exception& e);
    using OutOfMemoryReportHook = void (*)(const char* className, const char* operation);
    using OutOfMemoryCodeHook = HostErrorCode (*)();
    using UnknownReportHook = void (*)(const char* className, const char* operation);

    static void Enter();
    static void Leave();
    static int32_t NestingCount();

    // Each reports through its hook, leaves, and (but the last) returns the host code for the failure.
    static HostErrorCode ReportException(const GLIB_Exception& e, const char* className, const char* operation);
    static HostErrorCode ReportOutOfMemory(const char* className, const char* operation);
    static void ReportUnknown(const char* className, const char* operation);

    static void SetExceptionReportHook(ExceptionReportHook hook);
    static void SetExceptionCodeHook(ExceptionCodeHook hook);
    static void SetOutOfMemoryReportHook(OutOfMemoryReportHook hook);
    static void SetOutOfMemoryCodeHook(OutOfMemoryCodeHook hook);
    static void SetUnknownReportHook(UnknownReportHook hook);
    static ExceptionCodeHook GetExceptionCodeHook();
    static OutOfMemoryCodeHook GetOutOfMemoryCodeHook();
    // Puts every hook back to its default.
    static void ResetHooks();

    // Registers the out-of-memory message with the host twice: the first code serves GLIB_Exceptions of the
    // out-of-memory code, the second std::bad_alloc. Needs the AcroSupport table.
    static void RegisterOutOfMemoryCodes();
    static HostErrorCode OutOfMemoryCode(int which);

    static void DefaultExceptionReport(const GLIB_Exception& e, const char* className, const char* operation);
    static HostErrorCode DefaultExceptionCode(const GLIB_Exception& e);
    static void DefaultOutOfMemoryReport(const char* className, const char* operation);
    static HostErrorCode DefaultOutOfMemoryCode();
    static void DefaultUnknownReport(const char* className, const char* operation);
};

// Runs `body` as the callback `className`::`operation` of the host. A GLIB_Exception or an out-of-memory
// failure is reported and raised into the host; anything else is reported and thrown on. A raise by the
// host that passes through the body is let through as well, after the nesting count has been put right.
template <class Result, class Body>
Result PDFL_Guard(const char* className, const char* operation, const Body& body) {
    PDFL_ExceptionHandler::Enter();
    HostExceptionFrame frame;
    PDFL_HostFrames::Push(&frame);
    if (setjmp(frame.environment) != 0) {
        PDFL_HostFrames::Pop();
        PDFL_ExceptionHandler::Leave();
        PDFL_HostFrames::Raise(PDFL_HostFrames::ErrorCode());
    }
    HostErrorCode code;
    try {
        if constexpr (std::is_void_v<Result>) {
            body();
            PDFL_HostFrames::Pop();
            PDFL_ExceptionHandler::Leave();
            return;
        } else {
            Result result = body();
            PDFL_HostFrames::Pop();
            PDFL_ExceptionHandler::Leave();
            return result;
        }
    } catch (const GLIB_Exception& e) {
        PDFL_HostFrames::Pop();
        code = PDFL_ExceptionHandler::ReportException(e, className, operation);
    } catch (const std::bad_alloc&) {
        PDFL_HostFrames::Pop();
        code = PDFL_ExceptionHandler::ReportOutOfMemory(className, operation);
    } catch (...) {
        PDFL_HostFrames::Pop();
        PDFL_ExceptionHandler::ReportUnknown(className, operation);
        throw;
    }
    // Raised only here, after the handler has ended, so the caught exception is released first.
    PDFL_HostFrames::Raise(code);
}
