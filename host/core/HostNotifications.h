// Who listens to which host notification. Registration and removal match selector, owner, function and
// client data, as plug-ins expect.
#pragma once

#include <cstdint>
#include <vector>

#include "HostTypes.h"

struct HostNotificationListener {
    int32_t selector;
    HostExtension owner;
    HostProc proc;
    void* clientData;
};

class HostNotifications {
public:
    void Register(const HostNotificationListener& listener);
    // False when no such registration exists.
    bool Unregister(const HostNotificationListener& listener);
    // Removes the owner's registrations and says how many there were.
    std::size_t RemoveAllOf(HostExtension owner);
    // The listeners of a selector at this moment, in registration order.
    std::vector<HostNotificationListener> ListenersOf(int32_t selector) const;
    std::size_t Count() const { return m_listeners.size(); }

private:
    std::vector<HostNotificationListener> m_listeners;
};
