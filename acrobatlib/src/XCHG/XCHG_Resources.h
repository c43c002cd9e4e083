// The plug-in's resources. Every lookup tries the localized resource module first, then the plug-in's own
// module, so a localized module may replace any string, colour, cursor, bitmap or dialog and leave the rest.
#pragma once

#include <cstdint>

#include "HostTypes.h"
#include "Win32.h"

// Frees a localized module loaded before and makes the plug-in module the fallback again.
void XCHG_ResetResourceModules();
// The localized module, or null when there is none.
HMODULE XCHG_GetLocalizedModule();
// The plug-in's own module.
HMODULE XCHG_GetPluginModule();

// String `id` into the buffer, or "*** Unknown string ID: %d ***" when no module has it. Returns the buffer.
char* GetString(int32_t id, char* buffer, int32_t size);
// The "PDCL" colour resource `id`: the colour-space code, then up to four components 0..255 as 0..1.
// The code is 0 and the components are left alone when there is no such resource.
void LoadColor(int32_t id, HostColor* color);
HCURSOR LoadCursor(int32_t id);
// A bitmap (isBitmap) or an icon, as a GDI object handle the caller gives back with ReleaseBitmapOrIcon.
HANDLE LoadBitmapOrIcon(int32_t id, bool isBitmap);
void ReleaseBitmapOrIcon(HANDLE handle, bool isBitmap);
