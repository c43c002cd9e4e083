// The boundary of a host entry: host code inside fails with HostError; the failure becomes the host's raise
// only once the entry's own C++ objects are gone, so nothing is skipped but the caller's frames.
#pragma once

#include "host/core/Host.h"
#include "host/core/HostError.h"

template <class Body>
auto HostEntry(const Body& body) -> decltype(body()) {
    HostErrorCode code;
    try {
        return body();
    } catch (const HostError& e) {
        code = e.Code();
    }
    Host::Current().Frames().Raise(code);
}

[[noreturn]] inline void HostFail(const char* what) { throw HostError(kHostGeneralError, what); }
