#include "PDFL/PDFL_HostTables.h"

namespace {

// Process-wide: set once during the handshake, read by every wrapper.
HostTable s_tables[PDFL_HostTables::kCount];
HostVersion s_versions[PDFL_HostTables::kCount];

bool IsValid(int number) { return number >= 0 && number < PDFL_HostTables::kCount; }

}  // namespace

HostTable PDFL_HostTables::Get(int number) { return IsValid(number) ? s_tables[number] : nullptr; }

HostVersion PDFL_HostTables::Version(int number) { return IsValid(number) ? s_versions[number] : 0; }

void PDFL_HostTables::Set(int number, HostTable table, HostVersion version) {
    if (IsValid(number)) {
        s_tables[number] = table;
        s_versions[number] = version;
    }
}

void PDFL_HostTables::Reset() {
    for (int number = 0; number < kCount; ++number) Set(number, nullptr, 0);
}
