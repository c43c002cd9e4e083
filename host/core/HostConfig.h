// How a host presents itself to its plug-ins. Tests play older and newer hosts by changing it.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "HostTypes.h"

// How the progress monitor shows (HostProgress): lines on the host's output, a bar on standard error, or
// nothing.
enum class HostProgressStyle { Lines, Bar, None };

struct HostConfig {
    uint16_t versionMajor = 7;
    uint16_t versionMinor = 0;
    std::string language = "ENU";  // three letters
    bool canEdit = true;
    bool debuggerWindow = true;  // offer the debugger-window table; its lines go to standard error
    // How many buttons (a separator counts as one) the plug-ins may add to each toolbar before it is full.
    int toolbarRoom = 8;
    // The write of a page box (1: the first) that fails as a damaged object or a full disk would; 0: none.
    int failBoxWrite = 0;
    HostProgressStyle progress = HostProgressStyle::Lines;
    HostVersion handshakeVersion = MakeHostVersion(2, 0);
    // Every function table offered by name, with the newest version offered; a plug-in asking for that
    // version or an older one gets the table. Filled by the host version unless set.
    std::map<std::string, HostVersion> tables;
    // Answers to modal alerts, in order (1 = first button); when they run out, the first button.
    std::vector<int32_t> alertAnswers;

    // The tables a real host of the configured version offers.
    void OfferTablesOfVersion();
};
