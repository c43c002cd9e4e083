#include "host/entries/HostEntry.h"
#include "host/entries/HostTables.h"

HostTableSlots HostWinTable::Build() {
    HostTableSlots table;
#define HOST_ENTRY(number, Result, Name, Params, Args) HOST_FILL_SLOT(HostWinTable, number, Result, Name, Params, Args)
#include "entries/WinEntries.def"
#undef HOST_ENTRY
    return table;
}

void HostWinTable::Win_AddModelessDialog(void* window) {
    HostEntry([&] { Host::Current().Windows().AddModelessDialog(static_cast<HWND>(window)); });
}
