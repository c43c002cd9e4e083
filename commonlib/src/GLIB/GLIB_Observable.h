// Something that sends messages to the targets attached to it, through its shared dispatcher record.
#pragma once

#include <memory>

#include "GLIB/GLIB_CountedRef.h"
#include "GLIB/GLIB_MessageDispatcher.h"

class GLIB_Message;
class GLIB_MessageConnection;
class GLIB_MessageTarget;

class GLIB_Observable {
public:
    GLIB_Observable();
    virtual ~GLIB_Observable();
    GLIB_Observable(const GLIB_Observable&) = delete;
    GLIB_Observable& operator=(const GLIB_Observable&) = delete;

    void Attach(std::unique_ptr<GLIB_MessageConnection> connection);
    void Detach(GLIB_MessageTarget& target);
    void Detach(const GLIB_Message& message, GLIB_MessageTarget& target);
    void Send(const GLIB_Message& message);

    GLIB_MessageDispatcher& Dispatcher() const { return *m_dispatcher; }

private:
    GLIB_CountedRef<GLIB_MessageDispatcher> m_dispatcher;
};
