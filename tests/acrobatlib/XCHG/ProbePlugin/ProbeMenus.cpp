// The probe's menu items and tool buttons. Item A is bound to a target object and logs what reaches it; item
// B and the plain button keep the framework's default behaviour; the null-tool button selects nothing; the
// tool button in its flyout selects the probe's tool and counts as enabled whenever it has a tool, as no
// document is open in these tests; the help item looks for "Probe.pdf".
#include "ProbeMenus.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "PDFL/PDFL_CorCalls5.h"
#include "PDFL/PDFL_ExceptionHandler.h"
#include "XCHG/XCHG_AVCalls5.h"
#include "XCHG/XCHG_AVMenuItemObj.h"
#include "XCHG/XCHG_AVToolObj.h"
#include "XCHG/XCHG_Exception.h"
#include "XCHG/XCHG_FlyoutToolBar.h"
#include "XCHG/XCHG_HelpMenuItem.h"
#include "XCHG/XCHG_MainToolBar.h"
#include "XCHG/XCHG_MenuItem.h"
#include "XCHG/XCHG_PluginContext.h"
#include "XCHG/XCHG_ToolButtonTool.h"

namespace {

std::string g_menuLog;
bool g_enabled = true;
bool g_marked = false;
bool g_failing = false;

void Note(const std::string& event) { g_menuLog += event + " "; }

bool Chosen() { return std::getenv("PROBE_MENUS") != nullptr; }

int HostMajorVersion() {
    int16_t major = 0;
    int16_t minor = 0;
    View_GetVersion(&major, &minor);
    return major;
}

class ProbeTarget {
public:
    bool Run() {
        Note("A.Execute(" + std::to_string(View_KeyModifiers()) + ")");
        return true;
    }
    bool Enabled() {
        Note("A.Enabled(" + std::to_string(PDFL_ExceptionHandler::NestingCount()) + ")");
        if (g_failing) throw XCHG_Exception(1155997, "probe state failure", __FILE__, __LINE__);
        return g_enabled;
    }
    bool Marked() {
        Note("A.Marked(" + std::to_string(PDFL_ExceptionHandler::NestingCount()) + ")");
        return g_marked;
    }
};

class ProbeMenuTool : public XCHG_AVToolObj {
public:
    void Activate(HostBool persistent) override { Note("Tool.Activate(" + std::to_string(persistent) + ")"); }
    void Deactivate() override { Note("Tool.Deactivate"); }
    HostAtom GetType() override { return Core_AtomFromName("Probe:MenuTool"); }
};

// Enabled whenever it has a tool: the front document's permission is not what these tests look at.
class ProbeToolButton : public XCHG_ToolButtonTool {
public:
    bool ComputeEnabled() override { return GetTool() != nullptr; }
};

class ProbePlainButton : public XCHG_AVToolButtonObj {
public:
    void Execute() override {
        if (g_failing) throw XCHG_Exception(1155996, "probe click failure", __FILE__, __LINE__);
        XCHG_AVToolButtonObj::Execute();
    }
};

ProbeTarget g_target;
ProbeMenuTool g_tool;
XCHG_MenuItem<ProbeTarget> g_itemA(&g_target, &ProbeTarget::Run, &ProbeTarget::Enabled, &ProbeTarget::Marked);
XCHG_AVMenuItemObj g_itemB;
XCHG_MenuItem<ProbeTarget> g_itemC(&g_target, nullptr, nullptr, nullptr);
XCHG_FlyoutToolBar g_flyout;
XCHG_ToolButtonTool g_nullToolButton;
ProbeToolButton g_toolButton;
ProbePlainButton g_plainButton;
XCHG_HelpMenuItem g_helpItem;
XCHG_ToolButtonTool g_documentButton;  // the framework's own enabled state, which needs a front document
bool g_toolRegistered = false;

void CreateItems() {
    g_itemA.Create(1101, "ItemA", 'G', 1, 1001);
    g_itemB.Create(1102, "ItemB", 0, 0, 0);
}

}  // namespace

bool ProbeMenusInitialize() {
    if (!Chosen()) return true;
    g_tool.Register();
    g_toolRegistered = true;
    g_helpItem.Create(1107, "Probe.pdf");
    XCHG_MainToolBar& main = XCHG_MainToolBar::GetMainToolBar();
    if (main.HasRoomFor(1, 1)) {
        g_flyout.Create();
        g_toolButton.Create(&g_tool, "ORBA:TEST_ToolButton", 1001, 1101);
        g_nullToolButton.Create(nullptr, "ORBA:TEST_NullToolButton", 1002, 1102);
        g_flyout.AttachTo(g_nullToolButton);
        g_flyout.AddButtonAfterNamed(g_toolButton, "");
        main.AddButtonBeforeNamed(g_nullToolButton, "endToolsGroup");
        g_plainButton.Create("ORBA:TEST_PlainButton", 1001, 0);
        main.AddButtonAfter(g_plainButton, g_nullToolButton);
        return true;
    }
    if (HostMajorVersion() >= 6) return true;
    const HostMenu tools = View_MenuByName(View_MenuBar(), "Tools");
    if (tools == HostMenu::None) return false;
    CreateItems();
    View_AddMenuItem(tools, g_itemA.GetMenuItem(), 9999);
    View_AddMenuItem(tools, g_itemB.GetMenuItem(), 9999);
    View_ReleaseMenu(tools);
    return true;
}

void ProbeMenusInitializeFinished() {
    if (!Chosen() || HostMajorVersion() < 6) return;
    CreateItems();
    XCHG_MainToolBar::GetMainToolBar().AddMenuItem(g_itemA);
    XCHG_MainToolBar::GetMainToolBar().AddMenuItem(g_itemB);
}

void ProbeMenusUnload() {
    if (!Chosen()) return;
    g_plainButton.Release();
    g_documentButton.Release();
    g_nullToolButton.Release();
    g_toolButton.Release();
    g_flyout.Release();
    if (g_toolRegistered) g_tool.Unregister();
    g_toolRegistered = false;
    g_itemA.Release();
    g_itemB.Release();
    g_itemC.Release();
    g_helpItem.Release();
    XCHG_MainToolBar::ReleaseMainToolBar();
}

#define PROBE_EXPORT extern "C" __attribute__((visibility("default")))

// What reached the probe's menu target and tool since the last call.
PROBE_EXPORT void Probe_MenuLog(char* buffer, int size) {
    std::snprintf(buffer, size, "%s", g_menuLog.c_str());
    g_menuLog.clear();
}
// How item A's callbacks answer; a failing one throws in item A's enabled state and the plain button's click.
PROBE_EXPORT void Probe_SetMenuState(int enabled, int marked, int failing) {
    g_enabled = enabled != 0;
    g_marked = marked != 0;
    g_failing = failing != 0;
}
PROBE_EXPORT HostMenuItem Probe_ItemB() { return g_itemB.GetMenuItem(); }
PROBE_EXPORT HostToolRecord* Probe_MenuTool() { return g_tool.GetHostTool(); }
PROBE_EXPORT void Probe_RecreateItemB() { g_itemB.Create(1102, "ItemB", 0, 0, 0); }
PROBE_EXPORT void Probe_ReleaseItemB() { g_itemB.Release(); }
// Item C binds no member: every operation keeps the default. It goes to the end of "Window".
PROBE_EXPORT void Probe_AddItemC() {
    g_itemC.Create(1102, "ItemC", HostMenu::None);
    const HostMenu window = View_MenuByName(View_MenuBar(), "Window");
    View_AddMenuItem(window, g_itemC.GetMenuItem(), 9999);
    View_ReleaseMenu(window);
}
// A second plug-in's worth of tools menu use: one more item through the main toolbar.
PROBE_EXPORT void Probe_AddItemCToToolsMenu() {
    g_itemC.Create(1102, "ItemC", HostMenu::None);
    XCHG_MainToolBar::GetMainToolBar().AddMenuItem(g_itemC);
}
PROBE_EXPORT HostToolbar Probe_MainToolBar() { return XCHG_MainToolBar::GetMainToolBar().GetToolBar(); }
PROBE_EXPORT bool Probe_DocumentButtonEnabled() {
    g_documentButton.Create(&g_tool, "ORBA:TEST_DocumentButton", 1001, 0);
    return g_documentButton.ComputeEnabled();
}
// A flyout never created: every toolbar operation does nothing and answers false (bit set = answered true).
PROBE_EXPORT int Probe_UseAbsentFlyout() {
    XCHG_FlyoutToolBar absent;
    int answers = absent.HasRoomFor(1, 1) ? 1 : 0;
    answers |= absent.AddButtonAfterNamed(g_plainButton, "endToolsGroup") ? 2 : 0;
    answers |= absent.AddButtonBefore(g_plainButton) ? 4 : 0;
    answers |= absent.AddButtonAfter(g_plainButton, g_nullToolButton) ? 8 : 0;
    absent.AttachTo(g_plainButton);
    return answers;
}
