// Direct access to the host's exception frames and raise (Core entries 1 to 4), which the host-call
// mechanism and the callback guards are built on. A raise returns into the innermost frame's setjmp.
#pragma once

#include "HostTypes.h"

class PDFL_HostFrames {
public:
    // Pushes `frame`; a raise while it is innermost returns from its setjmp with a non-zero value.
    static void Push(HostExceptionFrame* frame);
    static void Pop();
    static HostErrorCode ErrorCode();
    [[noreturn]] static void Raise(HostErrorCode code);
};
