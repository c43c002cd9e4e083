// The boundary of an entry that works on documents: QPDF reports damaged files and misuse by throwing its
// own exceptions, which must not cross into the plug-in; they fail the entry as host errors do.
#pragma once

#include <exception>

#include "host/document/HostDocuments.h"
#include "host/entries/HostEntry.h"

template <class Body>
auto HostDocumentEntry(const Body& body) -> decltype(body()) {
    return HostEntry([&]() -> decltype(body()) {
        try {
            return body();
        } catch (const HostError&) {
            throw;
        } catch (const std::exception& e) {
            throw HostError(kHostGeneralError, e.what());
        }
    });
}

inline HostDocuments& Documents() { return Host::Current().Documents(); }
