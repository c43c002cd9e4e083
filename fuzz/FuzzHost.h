// One host for the whole fuzz run, whose Core, AcroSupport, Cos and PDModel tables the plug-in's wrappers
// call, as after a plug-in's set-up. It is never destroyed: libFuzzer may end the process from anywhere.
#pragma once

#include <ostream>

#include "PDFL/PDFL_HostTables.h"
#include "host/core/Host.h"

inline Host& FuzzHost() {
    static std::ostream* const silent = new std::ostream(nullptr);  // what the host tells the user is not looked at
    static Host* const host = [] {
        Host* started = new Host(HostConfig(), *silent);
        const HostVersion version = MakeHostVersion(5, 0);
        PDFL_HostTables::Set(PDFL_HostTables::kCore, started->CoreTable(), MakeHostVersion(4, 0));
        for (const auto& [number, name] : {std::pair{PDFL_HostTables::kAcroSupport, "AcroSupport"},
                                           {PDFL_HostTables::kCos, "Cos"},
                                           {PDFL_HostTables::kPDModel, "PDModel"}}) {
            PDFL_HostTables::Set(number, started->Table(name, version), version);
        }
        return started;
    }();
    return *host;
}
