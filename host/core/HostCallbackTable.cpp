#include "host/core/HostCallbackTable.h"

HostCallback HostCallbackTable::Add(HostExtension owner, HostProc proc) {
    const uint32_t handle = m_next++;
    m_callbacks[handle] = {owner, proc};
    return static_cast<HostCallback>(handle);
}

bool HostCallbackTable::Remove(HostCallback callback) {
    return m_callbacks.erase(static_cast<uint32_t>(callback)) != 0;
}

HostProc HostCallbackTable::Find(HostCallback callback) const {
    auto it = m_callbacks.find(static_cast<uint32_t>(callback));
    return it != m_callbacks.end() ? it->second.proc : nullptr;
}

std::size_t HostCallbackTable::RemoveAllOf(HostExtension owner) {
    return std::erase_if(m_callbacks, [&](const auto& entry) { return entry.second.owner == owner; });
}

HostExtension HostCallbackTable::OwnerOf(HostCallback callback) const {
    auto it = m_callbacks.find(static_cast<uint32_t>(callback));
    return it != m_callbacks.end() ? it->second.owner : HostExtension::None;
}
