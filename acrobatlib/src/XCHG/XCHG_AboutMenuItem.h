// The plug-in's item in the host's "About Plug-Ins" menu: it shows the plug-in's About box.
#pragma once

#include <cstdint>

#include "XCHG/XCHG_AVMenuItemObj.h"

class XCHG_FreebieAboutDialog;

class XCHG_AboutMenuItem : public XCHG_AVMenuItemObj {
public:
    XCHG_AboutMenuItem();
    ~XCHG_AboutMenuItem();

    // Creates the item, named "ExtensionAbout" and the plug-in's name, and adds it at the end of the submenu
    // of the host's menu bar item "AboutExtensions". The dialog is not owned.
    void Create(int32_t titleId, XCHG_FreebieAboutDialog* dialog);
    // Shows the dialog modally, when there is one.
    void Execute() override;
    // Forgets the dialog, then gives the host item back.
    void Release();

private:
    XCHG_FreebieAboutDialog* m_dialog;
};
