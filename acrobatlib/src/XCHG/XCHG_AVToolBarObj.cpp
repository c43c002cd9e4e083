#include "XCHG/XCHG_AVToolBarObj.h"

#include "PDFL/PDFL_CorCalls5.h"
#include "XCHG/XCHG_AVCalls5.h"
#include "XCHG/XCHG_AVToolButtonObj.h"

XCHG_AVToolBarObj::~XCHG_AVToolBarObj() = default;

bool XCHG_AVToolBarObj::Add(XCHG_AVToolButtonObj& button, HostBool before, HostToolButton neighbour) {
    const HostToolbar toolbar = GetToolBar();
    if (toolbar == HostToolbar::None) return false;
    View_AddToolButton(toolbar, button.GetToolButton(), before, neighbour);
    return true;
}

bool XCHG_AVToolBarObj::AddButtonAfterNamed(XCHG_AVToolButtonObj& button, const char* name) {
    const HostToolbar toolbar = GetToolBar();
    if (toolbar == HostToolbar::None) return false;
    return Add(button, 0, View_ToolButtonByName(toolbar, Core_AtomFromName(name)));
}

bool XCHG_AVToolBarObj::AddButtonBeforeNamed(XCHG_AVToolButtonObj& button, const char* name) {
    const HostToolbar toolbar = GetToolBar();
    if (toolbar == HostToolbar::None) return false;
    return Add(button, 1, View_ToolButtonByName(toolbar, Core_AtomFromName(name)));
}

bool XCHG_AVToolBarObj::AddButtonAfter(XCHG_AVToolButtonObj& button, XCHG_AVToolButtonObj& other) {
    return Add(button, 0, other.GetToolButton());
}

bool XCHG_AVToolBarObj::AddButtonBefore(XCHG_AVToolButtonObj& button, XCHG_AVToolButtonObj& other) {
    return Add(button, 1, other.GetToolButton());
}

bool XCHG_AVToolBarObj::AddButtonAfter(XCHG_AVToolButtonObj& button) { return Add(button, 0, HostToolButton::None); }

bool XCHG_AVToolBarObj::AddButtonBefore(XCHG_AVToolButtonObj& button) { return Add(button, 1, HostToolButton::None); }

bool XCHG_AVToolBarObj::HasRoomFor(int32_t buttons, int32_t separators) {
    const HostToolbar toolbar = GetToolBar();
    if (toolbar == HostToolbar::None) return false;
    return View_ToolbarHasRoom(toolbar, buttons, separators) != 0;
}
