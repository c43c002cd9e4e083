#include "XCHG/XCHG_PluginContext.h"

namespace {

void* s_mainWindow = nullptr;
void* s_module = nullptr;
HostExtension s_extension = HostExtension::None;
HostVersion s_handshakeVersion = 0;
HostTable s_debuggerTable = nullptr;

}  // namespace

void XCHG_PluginContext::SetPlatform(void* mainWindow, void* module) {
    s_mainWindow = mainWindow;
    s_module = module;
}

void XCHG_PluginContext::SetExtension(HostExtension extension, HostVersion handshakeVersion) {
    s_extension = extension;
    s_handshakeVersion = handshakeVersion;
}

void XCHG_PluginContext::SetDebuggerTable(HostTable table) { s_debuggerTable = table; }

void* XCHG_PluginContext::MainWindow() { return s_mainWindow; }
void* XCHG_PluginContext::Module() { return s_module; }
HostExtension XCHG_PluginContext::Extension() { return s_extension; }
HostVersion XCHG_PluginContext::HandshakeVersion() { return s_handshakeVersion; }
HostTable XCHG_PluginContext::DebuggerTable() { return s_debuggerTable; }
