// Inside view of the fault simulation: the functions that can be made to fail ask here whether they must.
#pragma once

#include "win32sub/Simulation.h"

namespace win32sub {

// True when a failure of this kind is pending; the pending count drops by one.
bool TakeSimulatedFault(W32SimFault fault);

}  // namespace win32sub
