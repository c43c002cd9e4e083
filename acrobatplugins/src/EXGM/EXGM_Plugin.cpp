#include "EXGM/EXGM_Plugin.h"

#include <cstdint>

#include "EXGM/EXGM_EditGeomDialog.h"
#include "EXGM/EXGM_EditTrimDialog.h"
#include "EXGM/EXGM_GeomTool.h"
#include "EXGM/EXGM_SPMToolButtonTool.h"
#include "EXGM/EXGM_TrimTool.h"
#include "PDFL/PDFL_CorCalls5.h"
#include "XCHG/XCHG_AVCalls5.h"
#include "XCHG/XCHG_AboutMenuItem.h"
#include "XCHG/XCHG_FlyoutToolBar.h"
#include "XCHG/XCHG_FreebieAboutDialog.h"
#include "XCHG/XCHG_HelpMenuItem.h"
#include "XCHG/XCHG_MainToolBar.h"
#include "XCHG/XCHG_Resources.h"
#include "XCHG/XCHG_Utils.h"

namespace {

constexpr int32_t kRefusal = 128;
constexpr int32_t kGeomTitle = 1101;
constexpr int32_t kTrimTitle = 1102;
constexpr int32_t kHelpTitle = 1107;
constexpr int32_t kAboutTitle = 1108;
constexpr int32_t kGeomBitmap = 1001;
constexpr int32_t kTrimBitmap = 1002;
constexpr int32_t kAtEnd = 9999;
constexpr int32_t kTextSize = 256;
constexpr const char kHelpFile[] = "Geometry.pdf";

// Process-wide, as the host keeps what they register until unload.
XCHG_FlyoutToolBar gFlyout;
XCHG_HelpMenuItem gHelpItem;
XCHG_FreebieAboutDialog gAboutDialog;
XCHG_AboutMenuItem gAboutItem;

bool IsActive(EXGM_EditDialogTool& tool) { return View_ActiveTool() == tool.GetHostTool(); }

void MakeActive(EXGM_EditDialogTool& tool) {
    if (!IsActive(tool)) View_SetActiveTool(tool.GetHostTool(), true);
}

}  // namespace

EXGM_Plugin& EXGM_Plugin::Get() {
    static EXGM_Plugin plugin;
    return plugin;
}

XCHG_Plugin* GetPlugin() { return &EXGM_Plugin::Get(); }

EXGM_Plugin::~EXGM_Plugin() = default;

const char* EXGM_Plugin::GetName() { return "ORBA_EXGM_Geometry"; }

HostVersion EXGM_Plugin::GetRequiredAcrobatVersion() { return MakeHostVersion(4, 0); }

bool EXGM_Plugin::ImportReplaceAndRegister() { return true; }

bool EXGM_Plugin::Initialize() {
    if (!Core_GetConfigurationBool(Core_AtomFromName("CanEdit"))) {
        char text[kTextSize];
        View_NoteAlert(GetString(kRefusal, text, sizeof text));
        return true;
    }
    gGeomTool.Register();
    gTrimTool.Register();
    m_toolsRegistered = true;
    if (XCHG_MainToolBar::GetMainToolBar().HasRoomFor(1, 1)) {
        AddToolButtons();
    } else if (XCHG_HostMajorVersion() < 6 && !AddToolsMenuItems()) {
        return false;
    }
    gHelpItem.Create(kHelpTitle, kHelpFile);
    gAboutItem.Create(kAboutTitle, &gAboutDialog);
    return true;
}

void EXGM_Plugin::AddToolButtons() {
    gFlyout.Create();
    gGeomToolButton.Create(&gGeomTool, "ORBA:EXGM_GeomToolButton", kGeomBitmap, kGeomTitle);
    gTrimToolButton.Create(&gTrimTool, "ORBA:EXGM_TrimToolButton", kTrimBitmap, kTrimTitle);
    gFlyout.AttachTo(gTrimToolButton);
    gFlyout.AddButtonAfterNamed(gGeomToolButton, "");
    XCHG_MainToolBar::GetMainToolBar().AddButtonBeforeNamed(gTrimToolButton, "endToolsGroup");
}

bool EXGM_Plugin::AddToolsMenuItems() {
    const HostMenu tools = View_MenuByName(View_MenuBar(), "Tools");
    if (tools == HostMenu::None) return false;
    CreateMenuItems();
    View_AddMenuItem(tools, m_geomMenuItem->GetMenuItem(), kAtEnd);
    View_AddMenuItem(tools, m_trimMenuItem->GetMenuItem(), kAtEnd);
    View_ReleaseMenu(tools);
    return true;
}

void EXGM_Plugin::CreateMenuItems() {
    m_geomMenuItem = std::make_unique<MenuItem>(this, &EXGM_Plugin::ActivateGeomTool, &EXGM_Plugin::HasFrontDocument,
                                                &EXGM_Plugin::IsGeomToolActive);
    m_geomMenuItem->Create(kGeomTitle, "ORBA:EXGM_GeometryToolButton", 0, 0, kGeomBitmap);
    m_trimMenuItem = std::make_unique<MenuItem>(this, &EXGM_Plugin::ActivateTrimTool, &EXGM_Plugin::HasFrontDocument,
                                                &EXGM_Plugin::IsTrimToolActive);
    m_trimMenuItem->Create(kTrimTitle, "ORBA:EXGM_TrimToolButton", 0, 0, kTrimBitmap);
}

void EXGM_Plugin::InitializeFinished() {
    if (!m_toolsRegistered || XCHG_HostMajorVersion() < 6) return;
    CreateMenuItems();
    XCHG_MainToolBar& toolbar = XCHG_MainToolBar::GetMainToolBar();
    toolbar.AddMenuItem(*m_geomMenuItem);
    toolbar.AddMenuItem(*m_trimMenuItem);
}

bool EXGM_Plugin::Unload() {
    gGeomToolButton.Release();
    gTrimToolButton.Release();
    gFlyout.Release();
    gHelpItem.Release();
    gAboutItem.Release();
    if (m_toolsRegistered) {
        gGeomTool.Unregister();
        gTrimTool.Unregister();
        m_toolsRegistered = false;
    }
    if (m_geomMenuItem) m_geomMenuItem->Release();
    if (m_trimMenuItem) m_trimMenuItem->Release();
    // Nothing of the editor may outlive the module: its windows, notifications and the shared toolbar's items.
    gGeomDialog.Release();
    gTrimDialog.Release();
    XCHG_MainToolBar::ReleaseMainToolBar();
    return true;
}

bool EXGM_Plugin::IsGeomToolActive() { return IsActive(gGeomTool); }
bool EXGM_Plugin::IsTrimToolActive() { return IsActive(gTrimTool); }

bool EXGM_Plugin::ActivateGeomTool() {
    MakeActive(gGeomTool);
    return true;
}

bool EXGM_Plugin::ActivateTrimTool() {
    MakeActive(gTrimTool);
    return true;
}

bool EXGM_Plugin::HasFrontDocument() { return View_FrontDocView() != HostDocView::None; }

void EXGM_Plugin::ReactivateTool() {
    if (gTrimDialog.IsVisible()) {
        View_SetActiveTool(gTrimTool.GetHostTool(), true);
    } else if (gGeomDialog.IsVisible()) {
        View_SetActiveTool(gGeomTool.GetHostTool(), true);
    } else {
        View_SetActiveTool(View_DefaultTool(), true);
    }
}
