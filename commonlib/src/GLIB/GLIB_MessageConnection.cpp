#include "GLIB/GLIB_MessageConnection.h"

#include "GLIB/GLIB_MessageTarget.h"

void GLIB_MessageConnection::Connected(GLIB_MessageDispatcher& dispatcher) { m_target.AddDispatcher(dispatcher); }

// The dispatcher is going away: it is no longer in any target's set, so there is nothing to undo.
void GLIB_MessageConnection::Disconnected(GLIB_MessageDispatcher&) {}
