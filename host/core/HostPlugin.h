// One plug-in module as the host loaded it, and how far its start-up got.
#pragma once

#include <string>

#include "HostRecords.h"
#include "HostTypes.h"
#include "Win32.h"

struct HostPlugin {
    enum class State { Loaded, SetUp, HandshakeDone, Initialized, Failed, Unloaded };

    std::string linuxPath;
    std::string fileName;  // "Geometry.api"
    HMODULE module = nullptr;
    HostExtension extension = HostExtension::None;
    HostVersion handshakeVersion = 0;
    HostSetupRecord setup{};
    HostHandshakeRecord handshake{};
    State state = State::Loaded;
    std::string failure;                    // why it did not load, for the user
    std::size_t leftoverNotifications = 0;  // registrations the plug-in did not remove at unload
    std::size_t leftoverWindows = 0;        // host windows the plug-in did not destroy before it unloaded
};
