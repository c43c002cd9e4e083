#include "GLIB/GLIB_MessageDispatcher.h"

#include <new>
#include <utility>

#include "GLIB/GLIB_GuardedAlloc.h"
#include "GLIB/GLIB_MessageConnection.h"
#include "GLIB/GLIB_MessageTarget.h"

GLIB_CountedRef<GLIB_MessageDispatcher> GLIB_MessageDispatcher::Create() {
    void* block = GLIB_GuardedAlloc(sizeof(GLIB_MessageDispatcher), 47, __FILE__);
    if (block == nullptr) {
        return {};
    }
    return GLIB_CountedRef<GLIB_MessageDispatcher>(new (block) GLIB_MessageDispatcher);
}

GLIB_MessageDispatcher::~GLIB_MessageDispatcher() {
    for (Node& node : m_nodes) {
        if (node.connection) {
            node.connection->Disconnected(*this);
            node.connection.reset();
        }
    }
}

void GLIB_MessageDispatcher::Release() {
    if (--m_referenceCount == 0) {
        this->~GLIB_MessageDispatcher();
        GLIB_GuardedFree(this);
    }
}

void GLIB_MessageDispatcher::Attach(std::unique_ptr<GLIB_MessageConnection> connection) {
    if (!connection) {
        return;
    }
    connection->Connected(*this);
    m_nodes.push_back(Node{std::move(connection), m_visitMark});
    ++m_connectionCount;
    m_listChanged = true;
}

template <class Predicate>
void GLIB_MessageDispatcher::RemoveConnections(Predicate shouldRemove) {
    for (auto it = m_nodes.begin(); it != m_nodes.end();) {
        if (!it->connection || !shouldRemove(*it->connection)) {
            ++it;
            continue;
        }
        std::unique_ptr<GLIB_MessageConnection> removed = std::move(it->connection);
        --m_connectionCount;
        m_listChanged = true;
        if (m_sendDepth > 0) {
            // The node stays so that the running send's position remains valid.
            m_removedDuringSend.push_back(std::move(removed));
            ++it;
        } else {
            it = m_nodes.erase(it);
        }
    }
}

void GLIB_MessageDispatcher::Detach(GLIB_MessageTarget& target) {
    GLIB_CountedRef<GLIB_MessageDispatcher> keepAlive(this);  // the target may hold the last reference
    RemoveConnections([&](const GLIB_MessageConnection& c) { return c.IsFor(target); });
    target.RemoveDispatcher(*this);
}

void GLIB_MessageDispatcher::Detach(const GLIB_Message& message, GLIB_MessageTarget& target) {
    RemoveConnections([&](const GLIB_MessageConnection& c) { return c.IsFor(target) && c.Accepts(message); });
}

void GLIB_MessageDispatcher::Send(const GLIB_Message& message) {
    if (m_connectionCount == 0) {
        return;
    }
    GLIB_CountedRef<GLIB_MessageDispatcher> keepAlive(this);  // a receiver may drop the last reference
    const uint8_t newMark = m_visitMark ? 0 : 1;

    // Runs also when a receiver throws, so the marks and the list stay consistent for the next send.
    struct SendScope {
        GLIB_MessageDispatcher& self;
        uint8_t newMark;
        ~SendScope() {
            for (Node& node : self.m_nodes) node.mark = newMark;
            self.m_visitMark = newMark;
            if (--self.m_sendDepth == 0) self.PurgeRemovedNodes();
        }
    } scope{*this, newMark};
    ++m_sendDepth;

    m_listChanged = false;
    // Marks are only trusted after a restart: a receiver that sends again walks the list with the same new
    // mark, and the nodes it served must still get this message when the walk reaches them.
    bool restarted = false;
    for (auto it = m_nodes.begin(); it != m_nodes.end();) {
        if (it->connection && !(restarted && it->mark == newMark)) {
            it->mark = newMark;
            if (it->connection->Accepts(message)) {
                it->connection->Deliver(message);
            }
        }
        if (m_listChanged) {
            // Receivers changed the list: start over, skipping everyone already served.
            m_listChanged = false;
            restarted = true;
            it = m_nodes.begin();
        } else {
            ++it;
        }
    }
}

void GLIB_MessageDispatcher::PurgeRemovedNodes() {
    m_nodes.remove_if([](const Node& node) { return !node.connection; });
    m_removedDuringSend.clear();
}
