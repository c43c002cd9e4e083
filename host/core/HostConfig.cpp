#include "host/core/HostConfig.h"

void HostConfig::OfferTablesOfVersion() {
    tables.clear();
    const HostVersion own = MakeHostVersion(versionMajor, versionMinor);
    if (versionMajor >= 5) {
        for (const char* name : {"AcroSupport", "Cos", "PDModel", "AcroView", "Win", "PDFEditWrite", "PDFEditRead",
                                 "PDSWrite", "PDSRead", "ASExtra", "AcroViewSweetPea", "PDMetadata"}) {
            tables[name] = own;
        }
        tables["PDSysFont"] = MakeHostVersion(4, 0);
        tables["PagePDEContent"] = MakeHostVersion(4, 0);
    } else if (versionMajor == 4) {
        for (const char* name : {"AcroSupport", "Cos", "PDModel", "AcroView", "Win", "PDFEditWrite", "PDFEditRead",
                                 "PDSysFont", "PagePDEContent"}) {
            tables[name] = MakeHostVersion(4, 0);
        }
    } else {
        for (const char* name : {"AcroSupport", "Cos", "PDModel", "AcroView"}) tables[name] = MakeHostVersion(2, 2);
        tables["Win"] = MakeHostVersion(2, 0);
    }
    if (debuggerWindow) tables["ADBE_DebuggerWindow"] = MakeHostVersion(0, 1);
}
