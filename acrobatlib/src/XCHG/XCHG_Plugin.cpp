#include "XCHG/XCHG_Plugin.h"

#include "GLIB/GLIB_StringUtils.h"
#include "PDFL/PDFL_CorCalls5.h"
#include "PDFL/PDFL_ExceptionHandler.h"
#include "XCHG/XCHG_AVCalls5.h"
#include "XCHG/XCHG_Callbacks.h"
#include "XCHG/XCHG_InstallReporting.h"
#include "XCHG/XCHG_PluginContext.h"
#include "XCHG/XCHG_ReportError.h"
#include "XCHG/XCHG_Resources.h"
#include "XCHG/XCHG_Utils.h"

namespace {

constexpr HostVersion kHandshakeVersion = MakeHostVersion(2, 0);
constexpr const char kClassName[] = "XCHG_Plugin";

XCHG_Plugin* s_registered = nullptr;

void ShowAlert(const char* text) { XCHG_HostAlert(1, text, 1); }

HostProc AsProc(void (*callback)(void*)) { return reinterpret_cast<HostProc>(callback); }

// Runs a lifecycle step of the registered plug-in under the callback guard.
template <class Step>
HostBool Guarded(const char* operation, const Step& step) {
    return PDFL_Guard<HostBool>(kClassName, operation, [&]() -> HostBool {
        XCHG_Plugin* plugin = XCHG_Plugin::Registered();
        return plugin != nullptr && step(*plugin);
    });
}

}  // namespace

XCHG_Plugin::XCHG_Plugin() : initFinishedRegistered(false), willQuitRegistered(false), initialized(false) {
    if (s_registered != nullptr) {
        ShowAlert("You must only define one object derived from XCHG_Plugin");
        return;
    }
    s_registered = this;
}

XCHG_Plugin::~XCHG_Plugin() {
    if (s_registered == this) {
        s_registered = nullptr;
    }
}

XCHG_Plugin* XCHG_Plugin::Registered() { return s_registered; }

bool XCHG_Plugin::ExportHFTs() { return true; }

HostVersion XCHG_Plugin::GetRequiredAcrobatVersion() { return MakeHostVersion(5, 0); }

bool XCHG_Plugin::Handshake(HostVersion handshakeVersion, HostHandshakeRecord* record) {
    if (handshakeVersion != kHandshakeVersion) {
        ShowAlert("XCHG_Plugin::Handshake: Unexpected handshake version");
        return false;
    }
    record->nameAtom = static_cast<uint16_t>(Core_AtomFromName(GetName()));
    record->exportTables = XCHG_NewCallback(ExportHFTsCallback);
    record->importReplaceAndRegister = XCHG_NewCallback(ImportReplaceAndRegisterCallback);
    record->initialize = XCHG_NewCallback(InitializeCallback);
    record->unload = XCHG_NewCallback(UnloadCallback);
    return true;
}

bool XCHG_Plugin::ImportReplaceAndRegister() { return true; }

bool XCHG_Plugin::Initialize() { return true; }

void XCHG_Plugin::InitializeFinished() {}

void XCHG_Plugin::AppWillQuit() {}

bool XCHG_Plugin::Unload() { return true; }

HostBool XCHG_Plugin::ExportHFTsCallback() {
    return Guarded("ExportHFTs", [](XCHG_Plugin& plugin) { return plugin.ExportHFTs(); });
}

HostBool XCHG_Plugin::ImportReplaceAndRegisterCallback() {
    return Guarded("PrivateImportReplaceAndRegister", [](XCHG_Plugin& plugin) {
        HostTable debugger = Core_GetTable(Core_AtomFromName("ADBE_DebuggerWindow"), 1);
        if (debugger == nullptr) {
            debugger = Core_GetTable(Core_AtomFromName("ADBE:DebugWindow"), 1);
        }
        XCHG_PluginContext::SetDebuggerTable(debugger);
        const HostExtension extension = XCHG_PluginContext::Extension();
        View_RegisterNotification(kNotifyAppDidInitialize, extension, AsProc(InitializeFinishedCallback), nullptr);
        plugin.initFinishedRegistered = true;
        View_RegisterNotification(kNotifyAppWillQuit, extension, AsProc(AppWillQuitCallback), nullptr);
        plugin.willQuitRegistered = true;
        return plugin.ImportReplaceAndRegister();
    });
}

HostBool XCHG_Plugin::InitializeCallback() {
    return Guarded("PrivateInitialize", [](XCHG_Plugin& plugin) { return plugin.PrivateInitialize(); });
}

bool XCHG_Plugin::PrivateInitialize() {
    XCHG_InstallReporting();
    XCHG_ResetResourceModules();
    int16_t major = 0;
    int16_t minor = 0;
    View_GetVersion(&major, &minor);
    const HostVersion hostVersion = MakeHostVersion(static_cast<uint16_t>(major), static_cast<uint16_t>(minor));
    const HostVersion required = GetRequiredAcrobatVersion();
    if (required > hostVersion) {
        char fileName[260];
        GetPluginFileName(fileName, sizeof fileName);
        char text[512];
        GLIB_Format(text, sizeof text, "The plug-in %s requires Adobe Acrobat version %d.%02d or newer.", fileName,
                    static_cast<int>(HostVersionMajor(required)), static_cast<int>(HostVersionMinor(required)));
        ShowAlert(text);
        return false;
    }
    return Initialize();
}

void XCHG_Plugin::InitializeFinishedCallback(void*) {
    Guarded("PrivateInitializeFinished", [](XCHG_Plugin& plugin) {
        plugin.initialized = true;
        plugin.InitializeFinished();
        return true;
    });
}

void XCHG_Plugin::AppWillQuitCallback(void*) {
    Guarded("PrivateAppWillQuit", [](XCHG_Plugin& plugin) {
        plugin.AppWillQuit();
        plugin.initialized = false;
        return true;
    });
}

HostBool XCHG_Plugin::UnloadCallback() {
    return Guarded("PrivateUnload", [](XCHG_Plugin& plugin) {
        const bool result = plugin.Unload();
        const HostExtension extension = XCHG_PluginContext::Extension();
        if (plugin.initFinishedRegistered) {
            View_UnregisterNotification(kNotifyAppDidInitialize, extension, AsProc(InitializeFinishedCallback),
                                        nullptr);
            plugin.initFinishedRegistered = false;
        }
        if (plugin.willQuitRegistered) {
            View_UnregisterNotification(kNotifyAppWillQuit, extension, AsProc(AppWillQuitCallback), nullptr);
            plugin.willQuitRegistered = false;
        }
        return result;
    });
}
