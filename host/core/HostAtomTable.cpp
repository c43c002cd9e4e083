#include "host/core/HostAtomTable.h"

HostAtom HostAtomTable::FromName(const std::string& name) {
    auto it = m_atoms.find(name);
    if (it != m_atoms.end()) return it->second;
    m_names.push_back(name);
    const HostAtom atom = static_cast<HostAtom>(m_names.size());
    m_atoms.emplace(name, atom);
    return atom;
}

const char* HostAtomTable::NameOf(HostAtom atom) const {
    const auto index = static_cast<std::size_t>(atom);
    return index >= 1 && index <= m_names.size() ? m_names[index - 1].c_str() : nullptr;
}

HostAtom HostAtomTable::Find(const std::string& name) const {
    auto it = m_atoms.find(name);
    return it != m_atoms.end() ? it->second : HostAtom::None;
}
