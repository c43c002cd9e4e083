// Callback handles: functions a plug-in hands the host, numbered by the host.
#pragma once

#include <map>

#include "HostTypes.h"

class HostCallbackTable {
public:
    HostCallback Add(HostExtension owner, HostProc proc);
    // False for a handle that is not live.
    bool Remove(HostCallback callback);
    // Null for a handle that is not live.
    HostProc Find(HostCallback callback) const;
    template <class Function>
    Function FindAs(HostCallback callback) const {
        return reinterpret_cast<Function>(Find(callback));
    }
    // Returns how many there were.
    std::size_t RemoveAllOf(HostExtension owner);
    // The owner of a live handle; None otherwise.
    HostExtension OwnerOf(HostCallback callback) const;
    std::size_t Count() const { return m_callbacks.size(); }

private:
    struct Entry {
        HostExtension owner;
        HostProc proc;
    };
    std::map<uint32_t, Entry> m_callbacks;
    uint32_t m_next = 1;
};
