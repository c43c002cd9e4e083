// A named host toolbar that the framework creates and docks, with the maker's shared tools menu: on hosts of
// version 7 and later an "Orba Tools" submenu in "Advanced", before that the host's own menu entry of the
// toolbar. It owns what it creates for them and gives it back in Release (and on destruction).
#pragma once

#include <cstdint>

#include "XCHG/XCHG_AVMenuItemObj.h"
#include "XCHG/XCHG_AVToolBarObj.h"

class XCHG_ToolBar : public XCHG_AVToolBarObj {
public:
    static constexpr const char kEndSeparatorSuffix[] = "ORBA:EndToolBarSeparator";
    static constexpr const char kSubmenuName[] = "ORBA:OrbaToolsSubMenuName";
    static constexpr const char kToolsItemName[] = "ORBA:OrbaToolsMenuName";
    static constexpr const char kMenuSeparatorName[] = "ORBA:OrbaToolsMenuBarSeparator";
    static constexpr int32_t kToolsItemTitle = 20028;

    XCHG_ToolBar();
    ~XCHG_ToolBar() override;

    HostToolbar GetToolBar() override { return m_toolbar; }

    // Creates and docks the host toolbar; from host version 6 on it ends with a separator button.
    void Create(const char* name, const char* title, const HostDockingRecord* docking);
    // Puts the menu item at the top of the tools menu of the toolbar named `toolbarName`.
    void AddMenuItem(XCHG_AVMenuItemObj& item, const char* toolbarName);
    // Gives back the separator button, the menu separator, the submenu and the tools menu item, and forgets
    // the host toolbar (which stays the host's).
    void Release();

private:
    void AddToAdvancedMenu(XCHG_AVMenuItemObj& item);
    void AddToToolbarMenu(XCHG_AVMenuItemObj& item, const char* toolbarName);

    HostToolbar m_toolbar;
    XCHG_AVMenuItemObj m_toolsItem;
    HostMenu m_submenu;
    HostToolButton m_endSeparator;
    HostMenuItem m_menuSeparator;
};
