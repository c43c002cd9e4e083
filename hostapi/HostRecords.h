// The records of the start-up handshake between the host and a plug-in, in their fixed layouts.
#pragma once

#include <cstddef>

#include "HostTypes.h"

// Handed to PlugInMain: the host's main window and the plug-in's own module.
struct HostPlatformRecord {
    void* mainWindow;
    void* module;
};
static_assert(offsetof(HostPlatformRecord, module) == sizeof(void*));

// Handed to the plug-in's setup function; the plug-in writes its handshake callback into the last word.
struct HostSetupRecord {
    HostVersion handshakeVersion;
    HostExtension extension;
    HostTable coreTable;
    HostCallback handshakeCallback;
};
static_assert(offsetof(HostSetupRecord, extension) == 4);
static_assert(offsetof(HostSetupRecord, coreTable) == 8);
static_assert(offsetof(HostSetupRecord, handshakeCallback) == 8 + sizeof(void*));

// Handed to the plug-in's handshake callback: the host fills the leading words, the plug-in its name atom
// (16 bits) and its four lifecycle callbacks.
struct HostHandshakeRecord {
    uint32_t size;
    uint16_t hostFlags;
    uint16_t nameAtom;
    HostCallback exportTables;
    HostCallback importReplaceAndRegister;
    HostCallback initialize;
    HostCallback unload;
};
static_assert(offsetof(HostHandshakeRecord, nameAtom) == 6);
static_assert(offsetof(HostHandshakeRecord, exportTables) == 8);
static_assert(offsetof(HostHandshakeRecord, importReplaceAndRegister) == 12);
static_assert(offsetof(HostHandshakeRecord, initialize) == 16);
static_assert(offsetof(HostHandshakeRecord, unload) == 20);
static_assert(sizeof(HostHandshakeRecord) == 24);

// Signatures of the functions that cross at start-up.
using HostSetupProc = HostBool (*)(HostVersion handshakeVersion, HostSetupRecord* record);
using HostHandshakeProc = HostBool (*)(HostVersion handshakeVersion, HostHandshakeRecord* record);
using HostLifecycleProc = HostBool (*)();
// Notifications 0 and 1 (application did initialize, will quit) carry nothing but the client data.
using HostNotificationProc = void (*)(void* clientData);
// Notification 2: the document view now in front, None when the last one closed.
using HostFrontDocDidChangeProc = void (*)(HostDocView front, void* clientData);
// Notification 14: the page view and what changed in it (HostPageViewChange bits).
using HostPageViewDidChangeProc = void (*)(HostPageView view, int32_t flags, void* clientData);
using PlugInMainProc = HostBool (*)(HostVersion hostHandshakeVersion, HostVersion* handshakeVersion,
                                    HostSetupProc* setup, HostPlatformRecord* platform);

// The only symbol a plug-in exports.
constexpr const char kPlugInMainName[] = "PlugInMain";

// Host notifications the system listens to.
enum HostNotification : int32_t {
    kNotifyAppDidInitialize = 0,
    kNotifyAppWillQuit = 1,
    kNotifyFrontDocDidChange = 2,
    kNotifyPageViewDidChange = 14,
};

// What changed in a page view, as notification 14 tells it. Bit 2 (value 4) is the page shown: a listener that
// follows the current page reacts to it alone.
enum HostPageViewChange : int32_t {
    kPageViewScrolled = 1,
    kPageViewZoomed = 2,
    kPageViewPageChanged = 4,
    kPageViewRotated = 8,
};
