#include "XCHG/XCHG_FlyoutToolBar.h"

#include "XCHG/XCHG_AVCalls5.h"
#include "XCHG/XCHG_AVToolButtonObj.h"

XCHG_FlyoutToolBar::XCHG_FlyoutToolBar() : m_flyout(HostToolbar::None) {}

XCHG_FlyoutToolBar::~XCHG_FlyoutToolBar() { Release(); }

void XCHG_FlyoutToolBar::Create() {
    Release();
    m_flyout = View_NewFlyout();
}

void XCHG_FlyoutToolBar::AttachTo(XCHG_AVToolButtonObj& button) {
    if (m_flyout == HostToolbar::None) return;
    View_AttachFlyout(button.GetToolButton(), m_flyout);
}

void XCHG_FlyoutToolBar::Release() {
    if (m_flyout == HostToolbar::None) return;
    const HostToolbar flyout = m_flyout;
    m_flyout = HostToolbar::None;
    View_ReleaseFlyout(flyout);
}
