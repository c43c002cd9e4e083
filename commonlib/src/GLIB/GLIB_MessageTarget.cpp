#include "GLIB/GLIB_MessageTarget.h"

#include <algorithm>
#include <functional>

namespace {

bool ByIdentity(const GLIB_CountedRef<GLIB_MessageDispatcher>& entry, const GLIB_MessageDispatcher* dispatcher) {
    return std::less<const GLIB_MessageDispatcher*>()(entry.Get(), dispatcher);
}

}  // namespace

GLIB_MessageTarget::~GLIB_MessageTarget() {
    while (!m_dispatchers.empty()) {
        GLIB_CountedRef<GLIB_MessageDispatcher> dispatcher = m_dispatchers.front();
        dispatcher->Detach(*this);  // takes it out of m_dispatchers
    }
}

bool GLIB_MessageTarget::IsConnectedTo(const GLIB_MessageDispatcher& dispatcher) const {
    auto it = std::lower_bound(m_dispatchers.begin(), m_dispatchers.end(), &dispatcher, ByIdentity);
    return it != m_dispatchers.end() && it->Get() == &dispatcher;
}

void GLIB_MessageTarget::AddDispatcher(GLIB_MessageDispatcher& dispatcher) {
    auto it = std::lower_bound(m_dispatchers.begin(), m_dispatchers.end(), &dispatcher, ByIdentity);
    if (it == m_dispatchers.end() || it->Get() != &dispatcher) {
        m_dispatchers.insert(it, GLIB_CountedRef<GLIB_MessageDispatcher>(&dispatcher));
    }
}

void GLIB_MessageTarget::RemoveDispatcher(GLIB_MessageDispatcher& dispatcher) {
    auto it = std::lower_bound(m_dispatchers.begin(), m_dispatchers.end(), &dispatcher, ByIdentity);
    if (it != m_dispatchers.end() && it->Get() == &dispatcher) {
        m_dispatchers.erase(it);
    }
}
