// What the page geometry dialogs implement to hear about a box the user changes on the page, while the mouse
// still moves and when the change is written. The tools that call a listener do not own it.
#pragma once

#include "EXGM/EXGM_Utils.h"
#include "HostTypes.h"

class EXGM_GeometryListener {
public:
    virtual ~EXGM_GeometryListener();
    // The box of kind `kind` is now `rectangle`, in points.
    virtual void GeometryChanged(const FixedRect& rectangle, BoxKind kind) = 0;
};
