// How every host call wrapper calls its entry. With no HostErrorTranslator installed (the normal case) the
// entry is called directly, and a failure the host raises travels by the host's own mechanism. With one
// installed, the call runs inside a host exception frame and a raised error is handed to the translator,
// which turns it into an exception of the GLIB_Exception family.
#pragma once

#include <csetjmp>
#include <cstdint>
#include <type_traits>

#include "GLIB/GLIB_Exception.h"
#include "HostTypes.h"
#include "PDFL/PDFL_HostFrames.h"
#include "PDFL/PDFL_HostTables.h"

using HostErrorTranslator = void (*)(HostErrorCode code, const char* sourceFile, int32_t line);

HostErrorTranslator GetHostErrorTranslator();
// Installs a translator (null for none) and returns the previous one.
HostErrorTranslator SetHostErrorTranslator(HostErrorTranslator translator);

template <class Result, class Call>
Result PDFL_CallHostInFrame(const Call& call, HostErrorTranslator translator, const char* sourceFile, int32_t line) {
    HostExceptionFrame frame;
    PDFL_HostFrames::Push(&frame);
    if (setjmp(frame.environment) != 0) {
        PDFL_HostFrames::Pop();
        translator(PDFL_HostFrames::ErrorCode(), sourceFile, line);
        return Result();  // only when the translator returns, which it should not
    }
    try {
        if constexpr (std::is_void_v<Result>) {
            call();
            PDFL_HostFrames::Pop();
        } else {
            Result result = call();
            PDFL_HostFrames::Pop();
            return result;
        }
    } catch (...) {
        // Thrown by a plug-in callback the host ran during the entry: not the host's failure.
        PDFL_HostFrames::Pop();
        throw;
    }
}

template <class Result, class Call>
Result PDFL_CallHost(const Call& call, const char* sourceFile, int32_t line) {
    HostErrorTranslator translator = GetHostErrorTranslator();
    if (translator == nullptr) {
        return call();
    }
    return PDFL_CallHostInFrame<Result>(call, translator, sourceFile, line);
}

// Runs host calls whose failure is no failure of the caller (one to report to the user, or one of no
// consequence): false when the host raised, or, with a translator installed, the raise came back as an
// exception.
template <class Call>
bool PDFL_SucceedsInHost(const Call& call) {
    HostExceptionFrame frame;
    PDFL_HostFrames::Push(&frame);
    if (setjmp(frame.environment) != 0) {
        PDFL_HostFrames::Pop();
        return false;
    }
    try {
        call();
    } catch (const GLIB_Exception&) {
        PDFL_HostFrames::Pop();
        return false;
    }
    PDFL_HostFrames::Pop();
    return true;
}

// Declares the wrappers of one entry list (in a header) ...
#define PDFL_DECLARE_WRAPPER(table, number, Result, Name, Params, Args) Result Name Params;
// ... and defines them (in the family's source file, where kFamilyFile names that file). The line
// handed to a translator is the entry's own row.
#define PDFL_DEFINE_WRAPPER(table, number, Result, Name, Params, Args)                               \
    Result Name Params {                                                                             \
        using Entry = Result(*) Params;                                                              \
        const Entry entry = reinterpret_cast<Entry>(PDFL_HostTables::Get(table)[number]);            \
        return PDFL_CallHost<Result>([&]() -> Result { return entry Args; }, kFamilyFile, __LINE__); \
    }
