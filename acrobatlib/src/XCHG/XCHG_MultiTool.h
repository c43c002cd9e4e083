// One host tool standing for several tool objects: every event goes to the current sub-tool, and switching
// the current sub-tool while the multi-tool is active deactivates the old one and activates the new one.
#pragma once

#include "XCHG/XCHG_AVToolObj.h"

class XCHG_MultiTool : public XCHG_AVToolObj {
public:
    virtual XCHG_AVToolObj* GetTool(int index) = 0;
    virtual int GetToolCount() = 0;
    virtual int GetCurrentIndex() = 0;
    // Only records the choice; SwitchTo does the switching.
    virtual void SetCurrentIndex(int index) = 0;

    void Activate(HostBool persistent) override;
    bool AdjustCursor(HostPageView view, int16_t x, int16_t y) override;
    void Deactivate() override;
    void WillUnregister() override;
    bool DoClick(HostPageView view, int16_t x, int16_t y, int16_t flags, int16_t clickCount) override;
    bool DoKeyDown(uint16_t key, int16_t flags) override;
    void DidRegister() override;

    void SwitchTo(int index);

private:
    XCHG_AVToolObj* Current() { return GetTool(GetCurrentIndex()); }
};
