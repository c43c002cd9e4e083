// The host function tables the plug-in imported at start-up, with the version of each, by table number.
#pragma once

#include "HostTypes.h"

class PDFL_HostTables {
public:
    enum Number : int {
        kCore = 0,
        kAcroSupport = 1,
        kCos = 2,
        kPDModel = 3,
        kAcroView = 4,
        kWin = 7,
        kPDFEditWrite = 8,
        kPDFEditRead = 9,
        kPDSysFont = 10,
        kPagePDEContent = 11,
        kPDSWrite = 12,
        kPDSRead = 13,
        kASExtra = 14,
        kAcroViewSweetPea = 15,
        kPDMetadata = 16,
        kCount = 18,
    };

    // Null for a table that was not imported; calling into one is a caller error.
    static HostTable Get(int number);
    static HostVersion Version(int number);
    static void Set(int number, HostTable table, HostVersion version);
    // Forgets every table (a plug-in being set up again, or a test starting afresh).
    static void Reset();
};
