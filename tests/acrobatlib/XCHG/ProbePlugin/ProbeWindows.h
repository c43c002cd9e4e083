// The probe's windows, set up when the environment variable PROBE_WINDOWS is set: a dialog and a plain
// window on the framework that log the hooks they receive, and the About box with its menu item.
#pragma once

// Registers the plain window's class and adds the About item to the host's "About Plug-Ins" menu.
void ProbeWindowsInitialize();
// Destroys the windows and gives back the About item.
void ProbeWindowsUnload();
