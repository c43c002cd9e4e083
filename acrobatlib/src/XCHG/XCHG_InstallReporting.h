// Puts the framework's reporting in place at the start of initialization: log entries go to the debug
// output, assertions and reports to the host's alerts, and failures caught at the host boundary are shown in
// the host's note alert, in the words of the string table.
#pragma once

void XCHG_InstallReporting();

// The framework's hooks of the callback guard.
void XCHG_ReportCaughtException(const class GLIB_Exception& e, const char* className, const char* operation);
void XCHG_ReportCaughtOutOfMemory(const char* className, const char* operation);
void XCHG_ReportCaughtUnknown(const char* className, const char* operation);
