// The shared record behind observables: the list of connections and the delivery that stays correct while
// receivers attach and detach during it. Reference-counted; the last reference disconnects what is left.
#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <memory>
#include <vector>

#include "GLIB/GLIB_CountedRef.h"

class GLIB_Message;
class GLIB_MessageConnection;
class GLIB_MessageTarget;

class GLIB_MessageDispatcher {
public:
    // Allocated through GLIB_GuardedAlloc: an allocation failure ends in the out-of-memory handler.
    static GLIB_CountedRef<GLIB_MessageDispatcher> Create();

    // Takes ownership; the connection is told it is connected and is served after those before it.
    void Attach(std::unique_ptr<GLIB_MessageConnection> connection);
    // Removes every connection for the target, then leaves the target's set.
    void Detach(GLIB_MessageTarget& target);
    // Removes the target's connections that accept the message; the target stays in the dispatcher.
    void Detach(const GLIB_Message& message, GLIB_MessageTarget& target);
    // Each connection present at the start or attached during delivery gets the message at most once,
    // in attachment order.
    void Send(const GLIB_Message& message);

    std::size_t ConnectionCount() const { return m_connectionCount; }

    void AddRef() { ++m_referenceCount; }
    void Release();

private:
    struct Node {
        std::unique_ptr<GLIB_MessageConnection> connection;  // null once removed during a send
        uint8_t mark;
    };

    GLIB_MessageDispatcher() = default;
    ~GLIB_MessageDispatcher();
    GLIB_MessageDispatcher(const GLIB_MessageDispatcher&) = delete;
    GLIB_MessageDispatcher& operator=(const GLIB_MessageDispatcher&) = delete;

    template <class Predicate>
    void RemoveConnections(Predicate shouldRemove);
    void PurgeRemovedNodes();

    uint8_t m_visitMark = 1;
    bool m_listChanged = false;
    std::size_t m_connectionCount = 0;
    std::list<Node> m_nodes;
    uint32_t m_referenceCount = 0;
    // While a send runs, removed connections wait here: one of them may be the one delivering.
    int m_sendDepth = 0;
    std::vector<std::unique_ptr<GLIB_MessageConnection>> m_removedDuringSend;
};
