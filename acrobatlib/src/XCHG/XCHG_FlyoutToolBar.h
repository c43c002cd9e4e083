// A flyout: a small host toolbar hung on a tool button, which the framework object owns.
#pragma once

#include "XCHG/XCHG_AVToolBarObj.h"

class XCHG_FlyoutToolBar : public XCHG_AVToolBarObj {
public:
    XCHG_FlyoutToolBar();
    // Gives the flyout back if it is still held.
    ~XCHG_FlyoutToolBar() override;

    HostToolbar GetToolBar() override { return m_flyout; }

    // Asks the host for a new flyout; one held before is given back first.
    void Create();
    // Hangs the flyout on the button; nothing without a flyout.
    void AttachTo(XCHG_AVToolButtonObj& button);
    void Release();

private:
    HostToolbar m_flyout;
};
