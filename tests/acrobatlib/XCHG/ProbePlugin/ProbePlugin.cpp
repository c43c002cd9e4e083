// A plug-in built from the framework for the paths the geometry plug-in cannot take on purpose: failing
// lifecycle steps, a second plug-in object, and direct questions about the framework's state. What it does
// is chosen by the environment variable PROBE_FAIL ("glib", "oom", "foreign", "raise", "second") before the
// host loads it.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

#include "GLIB/GLIB_Assert.h"
#include "GLIB/GLIB_Log.h"
#include "PDFL/PDFL_CorCalls5.h"
#include "PDFL/PDFL_ExceptionHandler.h"
#include "ProbeMenus.h"
#include "ProbeWindows.h"
#include "XCHG/XCHG_AVCalls5.h"
#include "XCHG/XCHG_DebugOutput.h"
#include "XCHG/XCHG_Exception.h"
#include "XCHG/XCHG_MultiTool.h"
#include "XCHG/XCHG_Plugin.h"
#include "XCHG/XCHG_ReportError.h"
#include "XCHG/XCHG_Resources.h"
#include "XCHG/XCHG_Utils.h"

namespace {

bool FailureIs(const char* name) {
    const char* chosen = std::getenv("PROBE_FAIL");
    return chosen != nullptr && std::strcmp(chosen, name) == 0;
}

std::string g_toolLog;

// A sub-tool that writes every event it receives into g_toolLog; "throwing" fails on a click.
class RecordingTool : public XCHG_AVToolObj {
public:
    explicit RecordingTool(const char* name) : m_name(name) {}
    void Activate(HostBool persistent) override { Note("Activate(" + std::to_string(persistent) + ")"); }
    void Deactivate() override { Note("Deactivate"); }
    bool DoClick(HostPageView, int16_t x, int16_t, int16_t, int16_t) override {
        Note("DoClick(" + std::to_string(x) + ")");
        if (m_name == "throwing") throw XCHG_Exception(1155998, "click failed", __FILE__, __LINE__);
        return true;
    }
    bool DoKeyDown(uint16_t key, int16_t) override {
        Note("DoKeyDown(" + std::to_string(key) + ")");
        return true;
    }
    void DidRegister() override { Note("DidRegister"); }
    void WillUnregister() override { Note("WillUnregister"); }
    HostAtom GetType() override { return Core_AtomFromName(("Probe:" + m_name).c_str()); }

private:
    void Note(const std::string& event) { g_toolLog += m_name + "." + event + " "; }
    std::string m_name;
};

class ProbeMultiTool : public XCHG_MultiTool {
public:
    XCHG_AVToolObj* GetTool(int index) override { return index == 0 ? &m_first : index == 1 ? &m_second : nullptr; }
    int GetToolCount() override { return 2; }
    int GetCurrentIndex() override { return m_current; }
    void SetCurrentIndex(int index) override { m_current = index; }
    HostAtom GetType() override { return Core_AtomFromName("Probe:Multi"); }

private:
    RecordingTool m_first{"sub0"};
    RecordingTool m_second{"throwing"};
    int m_current = 0;
};

ProbeMultiTool g_multiTool;
RecordingTool g_neverRegistered{"never"};

class ProbePlugin : public XCHG_Plugin {
public:
    const char* GetName() override { return "ORBA_TEST_Probe"; }

    bool Initialize() override {
        if (FailureIs("glib")) throw XCHG_Exception(1155999, "probe failure", __FILE__, __LINE__);
        if (FailureIs("oom")) throw std::bad_alloc();
        if (FailureIs("foreign")) throw 42;
        if (FailureIs("raise")) View_DocOfDocView(HostDocView::None);
        if (std::getenv("PROBE_TOOLS") != nullptr) g_multiTool.Register();
        if (FailureIs("second")) {
            static ProbePlugin second;  // refused: the first stays in charge
        }
        ProbeWindowsInitialize();
        return ProbeMenusInitialize();
    }

    void InitializeFinished() override { ProbeMenusInitializeFinished(); }

    bool Unload() override {
        if (std::getenv("PROBE_TOOLS") != nullptr) g_multiTool.Unregister();
        ProbeMenusUnload();
        ProbeWindowsUnload();
        return true;
    }
};

}  // namespace

XCHG_Plugin* GetPlugin() {
    static ProbePlugin plugin;
    return &plugin;
}

#define PROBE_EXPORT extern "C" __attribute__((visibility("default")))

PROBE_EXPORT int Probe_NestingCount() { return PDFL_ExceptionHandler::NestingCount(); }
PROBE_EXPORT void Probe_GetString(int id, char* buffer, int size) { GetString(id, buffer, size); }
PROBE_EXPORT void Probe_GetPluginFileName(char* buffer, int size) { GetPluginFileName(buffer, size); }
PROBE_EXPORT void Probe_GetPluginDirectory(char* buffer, int size) { GetPluginDirectory(buffer, size); }
PROBE_EXPORT void Probe_GetPluginVersionString(char* buffer, int size) { GetPluginVersionString(buffer, size); }
PROBE_EXPORT void Probe_Log(int level, const char* text, const char* file, int line) {
    GLIB_Log(level, text, file, line);
}
PROBE_EXPORT void Probe_DebugPrint(const char* text) { XCHG_DebugPrintf("%s", text); }
PROBE_EXPORT void Probe_ReportError(int kind, const char* text) { XCHG_ReportError(kind, text, 1); }
PROBE_EXPORT void Probe_ForgetAlertHook() { XCHG_SetAlertHook(nullptr); }
// A failed assertion inside a guarded callback, as a tool's click would meet one.
PROBE_EXPORT void Probe_FailAssertion() {
    PDFL_Guard<HostBool>("XCHG_Test", "Assert", []() -> HostBool {
        const int one = 1;
        GLIB_ASSERT(one == 2);
        return true;
    });
}
PROBE_EXPORT void Probe_ToolLog(char* buffer, int size) {
    std::snprintf(buffer, size, "%s", g_toolLog.c_str());
    g_toolLog.clear();
}
PROBE_EXPORT HostToolRecord* Probe_MultiTool() { return g_multiTool.GetHostTool(); }
PROBE_EXPORT void Probe_SwitchTo(int index) { g_multiTool.SwitchTo(index); }
PROBE_EXPORT void Probe_UnregisterNeverRegistered() { g_neverRegistered.Unregister(); }
