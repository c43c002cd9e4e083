// Debug output: time-stamped lines to the host's debugger window and to "Debug.log" in the host's current
// directory. Nothing is written while the host offers no debugger window.
#pragma once

// printf-style; a line is written at each line feed, or when 510 characters wait without one.
void XCHG_DebugPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Two more (or fewer) spaces before every line; the text stops growing at ten levels and never goes below 0.
void XCHG_DebugIndent();
void XCHG_DebugOutdent();
