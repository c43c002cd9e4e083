// Links one message target to one dispatcher, which owns it. Derived classes say which messages they take
// and what delivering one means for their target.
#pragma once

class GLIB_Message;
class GLIB_MessageDispatcher;
class GLIB_MessageTarget;

class GLIB_MessageConnection {
public:
    explicit GLIB_MessageConnection(GLIB_MessageTarget& target) : m_target(target) {}
    virtual ~GLIB_MessageConnection() = default;
    GLIB_MessageConnection(const GLIB_MessageConnection&) = delete;
    GLIB_MessageConnection& operator=(const GLIB_MessageConnection&) = delete;

    // Enters the dispatcher into the target's set, so the target can detach itself when it goes.
    virtual void Connected(GLIB_MessageDispatcher& dispatcher);
    virtual void Disconnected(GLIB_MessageDispatcher& dispatcher);
    virtual bool Accepts(const GLIB_Message& message) const = 0;
    virtual void Deliver(const GLIB_Message& message) = 0;
    virtual bool IsFor(const GLIB_MessageTarget& target) const { return &target == &m_target; }

protected:
    GLIB_MessageTarget& Target() const { return m_target; }

private:
    GLIB_MessageTarget& m_target;
};
