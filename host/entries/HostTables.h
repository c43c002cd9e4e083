// The host's function tables, generated from the entry lists: each list row declares one static entry
// function of the table's class, and the table holds its address in the row's slot. A definition whose
// signature differs from the list does not compile.
#pragma once

#include <vector>

#include "HostTypes.h"

#define HOST_DECLARE_ENTRY(number, Result, Name, Params, Args) static Result Name Params;
#define HOST_FILL_SLOT(Class, number, Result, Name, Params, Args) \
    Fill(table, number, reinterpret_cast<HostProc>(static_cast<Result(*) Params>(&Class::Name)));

using HostTableSlots = std::vector<HostProc>;

inline void Fill(HostTableSlots& table, int number, HostProc proc) {
    if (table.size() <= static_cast<std::size_t>(number)) table.resize(number + 1);
    table[number] = proc;
}

class HostCoreTable {
public:
#define HOST_ENTRY HOST_DECLARE_ENTRY
#define HOST_FRAME_ENTRY HOST_DECLARE_ENTRY
#include "entries/CoreEntries.def"
#undef HOST_ENTRY
#undef HOST_FRAME_ENTRY
    static HostTableSlots Build();
};

class HostAcroSupportTable {
public:
#define HOST_ENTRY HOST_DECLARE_ENTRY
#include "entries/AcroSupportEntries.def"
#undef HOST_ENTRY
    static HostTableSlots Build();
};

class HostCosTable {
public:
#define HOST_ENTRY HOST_DECLARE_ENTRY
#include "entries/CosEntries.def"
#undef HOST_ENTRY
    static HostTableSlots Build();
};

class HostPDModelTable {
public:
#define HOST_ENTRY HOST_DECLARE_ENTRY
#include "entries/PDModelEntries.def"
#undef HOST_ENTRY
    static HostTableSlots Build();
};

class HostAcroViewTable {
public:
#define HOST_ENTRY HOST_DECLARE_ENTRY
#include "entries/AcroViewEntries.def"
#undef HOST_ENTRY
    static HostTableSlots Build();
};

class HostWinTable {
public:
#define HOST_ENTRY HOST_DECLARE_ENTRY
#include "entries/WinEntries.def"
#undef HOST_ENTRY
    static HostTableSlots Build();
};

// The optional debugger window: entry 3 writes one string.
class HostDebuggerTable {
public:
    static void Write(const char* text);
    static HostTableSlots Build();
};
