#include "host/core/HostNotifications.h"

#include <algorithm>

namespace {

bool Same(const HostNotificationListener& a, const HostNotificationListener& b) {
    return a.selector == b.selector && a.owner == b.owner && a.proc == b.proc && a.clientData == b.clientData;
}

}  // namespace

void HostNotifications::Register(const HostNotificationListener& listener) { m_listeners.push_back(listener); }

bool HostNotifications::Unregister(const HostNotificationListener& listener) {
    auto it = std::find_if(m_listeners.begin(), m_listeners.end(),
                           [&](const HostNotificationListener& l) { return Same(l, listener); });
    if (it == m_listeners.end()) return false;
    m_listeners.erase(it);
    return true;
}

std::size_t HostNotifications::RemoveAllOf(HostExtension owner) {
    return std::erase_if(m_listeners, [&](const HostNotificationListener& l) { return l.owner == owner; });
}

std::vector<HostNotificationListener> HostNotifications::ListenersOf(int32_t selector) const {
    std::vector<HostNotificationListener> result;
    for (const HostNotificationListener& l : m_listeners) {
        if (l.selector == selector) result.push_back(l);
    }
    return result;
}
