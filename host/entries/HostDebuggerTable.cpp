#include "host/core/Host.h"
#include "host/entries/HostTables.h"

void HostDebuggerTable::Write(const char* text) {
    if (text != nullptr) Host::Current().Debugger(text);
}

HostTableSlots HostDebuggerTable::Build() {
    HostTableSlots table;
    Fill(table, 3, reinterpret_cast<HostProc>(&HostDebuggerTable::Write));
    return table;
}
