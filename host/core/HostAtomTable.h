// Atoms: names turned into small numbers, the same number for the same name for the life of the host.
#pragma once

#include <deque>
#include <string>
#include <unordered_map>

#include "HostTypes.h"

class HostAtomTable {
public:
    HostAtom FromName(const std::string& name);
    // Null for an atom the host never issued.
    const char* NameOf(HostAtom atom) const;
    HostAtom Find(const std::string& name) const;

private:
    std::deque<std::string> m_names;  // stable addresses for NameOf
    std::unordered_map<std::string, HostAtom> m_atoms;
};
