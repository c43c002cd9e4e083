#include "XCHG/XCHG_ToolBar.h"

#include "GLIB/GLIB_StringUtils.h"
#include "PDFL/PDFL_CorCalls5.h"
#include "XCHG/XCHG_AVCalls5.h"
#include "XCHG/XCHG_PluginContext.h"
#include "XCHG/XCHG_Utils.h"

namespace {

constexpr int32_t kNameSize = 256;

}  // namespace

XCHG_ToolBar::XCHG_ToolBar()
    : m_toolbar(HostToolbar::None),
      m_submenu(HostMenu::None),
      m_endSeparator(HostToolButton::None),
      m_menuSeparator(HostMenuItem::None) {}

XCHG_ToolBar::~XCHG_ToolBar() { Release(); }

void XCHG_ToolBar::Create(const char* name, const char* title, const HostDockingRecord* docking) {
    m_toolbar = View_NewToolbar(name, title);
    View_DockToolbar(name, 0, docking);
    if (XCHG_HostMajorVersion() >= 6) {
        char separatorName[kNameSize];
        GLIB_StrCopy(separatorName, name, sizeof separatorName);
        GLIB_StrAppend(separatorName, ":", sizeof separatorName);
        GLIB_StrAppend(separatorName, kEndSeparatorSuffix, sizeof separatorName);
        m_endSeparator = View_NewToolButton(Core_AtomFromName(separatorName), nullptr, 0, 1);
        View_AddToolButton(m_toolbar, m_endSeparator, 0, HostToolButton::None);
    }
}

void XCHG_ToolBar::AddMenuItem(XCHG_AVMenuItemObj& item, const char* toolbarName) {
    if (XCHG_HostMajorVersion() >= 7) {
        AddToAdvancedMenu(item);
    } else {
        AddToToolbarMenu(item, toolbarName);
    }
}

void XCHG_ToolBar::AddToAdvancedMenu(XCHG_AVMenuItemObj& item) {
    const HostMenuBar bar = View_MenuBar();
    const HostMenu existing = View_MenuByName(bar, kSubmenuName);
    if (existing != HostMenu::None) {
        View_AddMenuItem(existing, item.GetMenuItem(), 0);
        View_ReleaseMenu(existing);
        return;
    }
    if (m_submenu != HostMenu::None) View_ReleaseMenu(m_submenu);  // one the host no longer shows
    m_submenu = View_NewMenu("", kSubmenuName, XCHG_PluginContext::Extension());
    View_AddMenuItem(m_submenu, item.GetMenuItem(), 0);
    m_toolsItem.Create(kToolsItemTitle, kToolsItemName, m_submenu);
    // Just before the end of the host's first tool group.
    const HostMenu advanced = View_MenuByName(bar, "Advanced");
    const HostMenuItem groupEnd = View_MenuItemByName(bar, "endTooldGroup1");
    View_AddMenuItem(advanced, m_toolsItem.GetMenuItem(), View_MenuItemIndex(advanced, groupEnd));
    View_ReleaseMenuItem(groupEnd);
    View_ReleaseMenu(advanced);
}

void XCHG_ToolBar::AddToToolbarMenu(XCHG_AVMenuItemObj& item, const char* toolbarName) {
    const HostMenuItem barItem = View_MenuItemByName(View_MenuBar(), toolbarName);
    const HostMenu submenu = View_SubmenuOfMenuItem(barItem);
    // The host's own entry stands alone: the first item brings a separator above it.
    if (View_MenuItemCount(submenu) == 1) {
        if (m_menuSeparator != HostMenuItem::None) View_ReleaseMenuItem(m_menuSeparator);
        m_menuSeparator = View_NewMenuItem("-", kMenuSeparatorName, HostMenu::None, 0, 0, 0, nullptr,
                                           XCHG_PluginContext::Extension());
        View_AddMenuItem(submenu, m_menuSeparator, 0);
    }
    View_ReleaseMenuItem(barItem);
    View_AddMenuItem(submenu, item.GetMenuItem(), 0);
    View_ReleaseMenu(submenu);
}

void XCHG_ToolBar::Release() {
    if (m_endSeparator != HostToolButton::None) {
        const HostToolButton separator = m_endSeparator;
        m_endSeparator = HostToolButton::None;
        View_ReleaseToolButton(separator);
    }
    if (m_menuSeparator != HostMenuItem::None) {
        const HostMenuItem separator = m_menuSeparator;
        m_menuSeparator = HostMenuItem::None;
        View_ReleaseMenuItem(separator);
    }
    if (m_submenu != HostMenu::None) {
        const HostMenu submenu = m_submenu;
        m_submenu = HostMenu::None;
        View_ReleaseMenu(submenu);
    }
    m_toolsItem.Release();
    m_toolbar = HostToolbar::None;
}
