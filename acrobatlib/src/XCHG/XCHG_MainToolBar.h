// The toolbar that the maker's plug-ins share: from host version 6 on the "Orba Tools" toolbar (found, or
// created and docked by the first plug-in that asks), before that the host's own toolbar. One process-wide
// object, set up on first use.
#pragma once

#include "XCHG/XCHG_AVToolBarObj.h"
#include "XCHG/XCHG_ToolBar.h"

class XCHG_AVMenuItemObj;

class XCHG_MainToolBar : public XCHG_AVToolBarObj {
public:
    static constexpr const char kToolBarName[] = "ORBA:XCHG_OrbaToolBar";
    static constexpr const char kToolBarTitle[] = "Orba Tools";

    // The one object; set up again on every call while it has no host toolbar.
    static XCHG_MainToolBar& GetMainToolBar();

    HostToolbar GetToolBar() override { return m_toolbar; }

    // Puts the item at the top of the shared tools menu.
    void AddMenuItem(XCHG_AVMenuItemObj& item);
    // Gives back what was created for the toolbar and its menus, and forgets the toolbar.
    void Release();
    // Releases the process-wide object without setting it up. A plug-in calls it when it unloads, while the
    // host can still take the handles back.
    static void ReleaseMainToolBar();

private:
    XCHG_MainToolBar();
    static XCHG_MainToolBar& Instance();
    void Setup();

    HostToolbar m_toolbar;
    XCHG_ToolBar m_toolBar;
};
