// The probe's menu items, tool buttons and toolbars, set up as the geometry editor sets up its own when the
// environment variable PROBE_MENUS is set; otherwise each hook does nothing.
#pragma once

// Registers the probe's tool and adds the buttons (when the main toolbar has room) or, on hosts before 6,
// the menu items to "Tools". False when that path finds no "Tools" menu.
bool ProbeMenusInitialize();
// From host version 6 on: the menu items go to the shared tools menu.
void ProbeMenusInitializeFinished();
// Gives everything back, the main toolbar's handles included.
void ProbeMenusUnload();
