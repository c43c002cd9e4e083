#include "XCHG/XCHG_MultiTool.h"

void XCHG_MultiTool::Activate(HostBool persistent) {
    if (XCHG_AVToolObj* tool = Current()) tool->PrivateActivate(persistent);
}

void XCHG_MultiTool::Deactivate() {
    if (XCHG_AVToolObj* tool = Current()) tool->PrivateDeactivate();
}

bool XCHG_MultiTool::AdjustCursor(HostPageView view, int16_t x, int16_t y) {
    XCHG_AVToolObj* tool = Current();
    return tool != nullptr && tool->AdjustCursor(view, x, y);
}

bool XCHG_MultiTool::DoClick(HostPageView view, int16_t x, int16_t y, int16_t flags, int16_t clickCount) {
    XCHG_AVToolObj* tool = Current();
    return tool != nullptr && tool->DoClick(view, x, y, flags, clickCount);
}

bool XCHG_MultiTool::DoKeyDown(uint16_t key, int16_t flags) {
    XCHG_AVToolObj* tool = Current();
    return tool != nullptr && tool->DoKeyDown(key, flags);
}

void XCHG_MultiTool::DidRegister() {
    for (int index = 0; index < GetToolCount(); ++index) {  // the count is asked again after each step
        if (XCHG_AVToolObj* tool = GetTool(index)) tool->DidRegister();
    }
}

void XCHG_MultiTool::WillUnregister() {
    for (int index = 0; index < GetToolCount(); ++index) {
        if (XCHG_AVToolObj* tool = GetTool(index)) tool->WillUnregister();
    }
}

void XCHG_MultiTool::SwitchTo(int index) {
    if (XCHG_AVToolObj* old = Current()) old->PrivateDeactivate();
    SetCurrentIndex(index);
    if (IsActive()) {
        if (XCHG_AVToolObj* tool = Current()) tool->Activate(IsPersistent());
    }
}
