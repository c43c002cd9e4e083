// What the plug-in learns from the host at start-up and all of the framework reads: the host's main
// window and the plug-in's module (from PlugInMain), its extension handle and the handshake version (from
// setup), and the host's optional debugger-window table.
#pragma once

#include "HostTypes.h"

class XCHG_PluginContext {
public:
    static void SetPlatform(void* mainWindow, void* module);
    static void SetExtension(HostExtension extension, HostVersion handshakeVersion);
    static void SetDebuggerTable(HostTable table);

    static void* MainWindow();
    static void* Module();
    static HostExtension Extension();
    static HostVersion HandshakeVersion();
    static HostTable DebuggerTable();
};
