#include "GLIB/GLIB_Observable.h"

#include <utility>

#include "GLIB/GLIB_MessageConnection.h"

GLIB_Observable::GLIB_Observable() : m_dispatcher(GLIB_MessageDispatcher::Create()) {}

GLIB_Observable::~GLIB_Observable() = default;

void GLIB_Observable::Attach(std::unique_ptr<GLIB_MessageConnection> connection) {
    if (m_dispatcher) m_dispatcher->Attach(std::move(connection));
}

void GLIB_Observable::Detach(GLIB_MessageTarget& target) {
    if (m_dispatcher) m_dispatcher->Detach(target);
}

void GLIB_Observable::Detach(const GLIB_Message& message, GLIB_MessageTarget& target) {
    if (m_dispatcher) m_dispatcher->Detach(message, target);
}

void GLIB_Observable::Send(const GLIB_Message& message) {
    if (m_dispatcher) m_dispatcher->Send(message);
}
