// Something that receives messages through connections. It remembers every dispatcher it is connected to
// and detaches from all of them when it is destroyed, so no dispatcher delivers to a dead target.
#pragma once

#include <cstddef>
#include <vector>

#include "GLIB/GLIB_CountedRef.h"
#include "GLIB/GLIB_MessageDispatcher.h"

class GLIB_MessageTarget {
public:
    GLIB_MessageTarget() = default;
    virtual ~GLIB_MessageTarget();
    GLIB_MessageTarget(const GLIB_MessageTarget&) = delete;
    GLIB_MessageTarget& operator=(const GLIB_MessageTarget&) = delete;

    std::size_t DispatcherCount() const { return m_dispatchers.size(); }
    bool IsConnectedTo(const GLIB_MessageDispatcher& dispatcher) const;

private:
    friend class GLIB_MessageConnection;
    friend class GLIB_MessageDispatcher;

    void AddDispatcher(GLIB_MessageDispatcher& dispatcher);
    void RemoveDispatcher(GLIB_MessageDispatcher& dispatcher);

    // Sorted by identity, without duplicates.
    std::vector<GLIB_CountedRef<GLIB_MessageDispatcher>> m_dispatchers;
};
