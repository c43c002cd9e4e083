// Inside view of the process heap: the allocation that the heap and local memory functions share.
#pragma once

#include "Win32.h"
#include "win32sub/Simulation.h"

namespace win32sub {

// A block of `bytes` from the C heap, zeroed when asked; a zero-byte request still gets a block of its own,
// distinct from every other live block. nullptr with ERROR_NOT_ENOUGH_MEMORY when the simulation says
// `fault`, the request is beyond any heap, or the C heap has no room.
void* AllocateBlock(SIZE_T bytes, bool zero, W32SimFault fault);

}  // namespace win32sub
