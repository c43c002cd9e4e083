// A host toolbar (or flyout) seen through a framework object: adding buttons next to others and asking for
// room. Every operation first takes GetToolBar; without a host toolbar it does nothing and answers false.
#pragma once

#include <cstdint>

#include "HostTypes.h"

class XCHG_AVToolButtonObj;

class XCHG_AVToolBarObj {
public:
    XCHG_AVToolBarObj() = default;
    virtual ~XCHG_AVToolBarObj();
    XCHG_AVToolBarObj(const XCHG_AVToolBarObj&) = delete;
    XCHG_AVToolBarObj& operator=(const XCHG_AVToolBarObj&) = delete;

    virtual HostToolbar GetToolBar() = 0;

    // Next to the button of that name on this toolbar; when there is none, the host places the button.
    bool AddButtonAfterNamed(XCHG_AVToolButtonObj& button, const char* name);
    bool AddButtonBeforeNamed(XCHG_AVToolButtonObj& button, const char* name);
    // Next to another button object.
    bool AddButtonAfter(XCHG_AVToolButtonObj& button, XCHG_AVToolButtonObj& other);
    bool AddButtonBefore(XCHG_AVToolButtonObj& button, XCHG_AVToolButtonObj& other);
    // With no neighbour: the host puts the button last (after) or first (before).
    bool AddButtonAfter(XCHG_AVToolButtonObj& button);
    bool AddButtonBefore(XCHG_AVToolButtonObj& button);
    bool HasRoomFor(int32_t buttons, int32_t separators);

private:
    bool Add(XCHG_AVToolButtonObj& button, HostBool before, HostToolButton neighbour);
};
