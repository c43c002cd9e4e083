#include "XCHG/XCHG_MainToolBar.h"

#include "XCHG/XCHG_AVCalls5.h"
#include "XCHG/XCHG_Utils.h"

XCHG_MainToolBar::XCHG_MainToolBar() : m_toolbar(HostToolbar::None) {}

XCHG_MainToolBar& XCHG_MainToolBar::Instance() {
    static XCHG_MainToolBar mainToolBar;
    return mainToolBar;
}

XCHG_MainToolBar& XCHG_MainToolBar::GetMainToolBar() {
    XCHG_MainToolBar& mainToolBar = Instance();
    if (mainToolBar.m_toolbar == HostToolbar::None) mainToolBar.Setup();
    return mainToolBar;
}

void XCHG_MainToolBar::ReleaseMainToolBar() { Instance().Release(); }

void XCHG_MainToolBar::Setup() {
    if (XCHG_HostMajorVersion() < 6) {
        m_toolbar = View_Toolbar();
        return;
    }
    m_toolbar = View_ToolbarByName(kToolBarName);
    if (m_toolbar != HostToolbar::None) return;
    // Where the maker's toolbar has always asked to dock; what the words mean is the host's.
    HostDockingRecord docking{};
    docking.size = sizeof docking;
    docking.word[2] = 1;
    docking.word[3] = 0x7FFFFFFF;
    docking.word[4] = 0x7FFFFFFF;
    m_toolBar.Create(kToolBarName, kToolBarTitle, &docking);
    m_toolbar = m_toolBar.GetToolBar();
}

void XCHG_MainToolBar::AddMenuItem(XCHG_AVMenuItemObj& item) { m_toolBar.AddMenuItem(item, kToolBarName); }

void XCHG_MainToolBar::Release() {
    m_toolBar.Release();
    m_toolbar = HostToolbar::None;
}
