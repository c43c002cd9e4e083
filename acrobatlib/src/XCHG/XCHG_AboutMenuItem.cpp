#include "XCHG/XCHG_AboutMenuItem.h"

#include "XCHG/XCHG_AVCalls5.h"
#include "XCHG/XCHG_FreebieAboutDialog.h"

namespace {

constexpr int32_t kAtTheEnd = 9999;

}  // namespace

XCHG_AboutMenuItem::XCHG_AboutMenuItem() : m_dialog(nullptr) {}

XCHG_AboutMenuItem::~XCHG_AboutMenuItem() { m_dialog = nullptr; }

void XCHG_AboutMenuItem::Create(int32_t titleId, XCHG_FreebieAboutDialog* dialog) {
    CreateForPlugin(titleId, "ExtensionAbout");
    m_dialog = dialog;
    const HostMenuItem aboutItem = View_MenuItemByName(View_MenuBar(), "AboutExtensions");
    if (aboutItem == HostMenuItem::None) return;
    const HostMenu submenu = View_SubmenuOfMenuItem(aboutItem);
    View_ReleaseMenuItem(aboutItem);
    if (submenu == HostMenu::None) return;
    View_AddMenuItem(submenu, GetMenuItem(), kAtTheEnd);
    View_ReleaseMenu(submenu);
}

void XCHG_AboutMenuItem::Execute() {
    if (m_dialog != nullptr) m_dialog->Show();
}

void XCHG_AboutMenuItem::Release() {
    m_dialog = nullptr;
    XCHG_AVMenuItemObj::Release();
}
