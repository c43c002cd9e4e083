// The page geometry editor as a plug-in of the host: it registers the two dialog tools and gives the user a
// way to them (tool buttons with a flyout when the toolbar has room, else menu items), adds the Help and About
// items, and gives everything back at unload. A host that may not edit documents gets a note and nothing else.
#pragma once

#include <memory>

#include "XCHG/XCHG_MenuItem.h"
#include "XCHG/XCHG_Plugin.h"

class EXGM_Plugin : public XCHG_Plugin {
public:
    // The one plug-in object, made on first use.
    static EXGM_Plugin& Get();

    ~EXGM_Plugin() override;

    const char* GetName() override;
    HostVersion GetRequiredAcrobatVersion() override;
    bool ImportReplaceAndRegister() override;
    bool Initialize() override;
    // From host version 6 on, the tools also get menu items in the shared tools menu.
    void InitializeFinished() override;
    bool Unload() override;

    // The menu items' states and actions.
    bool IsGeomToolActive();
    bool IsTrimToolActive();
    bool ActivateGeomTool();
    bool ActivateTrimTool();
    bool HasFrontDocument();

    // Makes active the tool of the dialog still shown (the trim dialog first), else the host's default tool.
    void ReactivateTool();

private:
    using MenuItem = XCHG_MenuItem<EXGM_Plugin>;

    void AddToolButtons();
    // False when the host has no "Tools" menu.
    bool AddToolsMenuItems();
    void CreateMenuItems();

    std::unique_ptr<MenuItem> m_geomMenuItem;
    std::unique_ptr<MenuItem> m_trimMenuItem;
    bool m_toolsRegistered = false;
};
