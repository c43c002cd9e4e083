// Inside view of the cursor and icon table, for the module table.
#pragma once

#include "Win32.h"

namespace win32sub {

// Destroys the shared cursors and icons loaded from `module`, which has just been unloaded.
void ReleaseModuleCursors(HMODULE module);

}  // namespace win32sub
