// What a menu item and a tool button have in common: three plug-in callbacks (execute, compute enabled,
// compute marked), each with the client data given when it was set, and how a user's click runs them. Every
// call into a plug-in runs inside Host::CallPlugin, so a failing callback ends only that call.
#pragma once

#include <cstdint>
#include <functional>

#include "HostTypes.h"

class Host;

// The signatures the host calls: the client data comes back unchanged.
using HostCommandExecuteProc = void (*)(void* clientData);
using HostCommandStateProc = HostBool (*)(void* clientData);

// Keyboard modifier bits of this host, as View_KeyModifiers reports them during a click.
enum HostKeyModifier : int32_t {
    kHostKeyShift = 1,
    kHostKeyAlt = 2,
    kHostKeyCommand = 4,
    kHostKeyControl = 8,
};

struct HostCommandCallback {
    HostCallback callback = HostCallback::None;
    void* clientData = nullptr;
};

struct HostCommand {
    HostCommandCallback execute;
    HostCommandCallback computeEnabled;
    HostCommandCallback computeMarked;
};

enum class HostClickResult {
    NotFound,  // nothing of that name where the user can click it
    Disabled,  // the compute-enabled callback said no (or failed); execute was not called
    Executed,  // execute was called and returned (or there was none to call)
    Failed,    // the execute callback failed
};

// Without a callback (or with one the plug-in has destroyed) an item is enabled and not marked. A failing
// compute-enabled callback leaves the item disabled.
bool HostCommandEnabled(Host& host, const HostCommand& command, const char* what);
bool HostCommandMarked(Host& host, const HostCommand& command, const char* what);
// Asks compute-enabled, tells `announce` the answer (so the user sees the click before what it does), then
// calls execute only when enabled; `modifiers` are held down throughout.
HostClickResult HostCommandClick(Host& host, const HostCommand& command, int32_t modifiers, const char* what,
                                 const std::function<void(bool enabled)>& announce);

// The modifiers of the click that is running, 0 when none is.
int32_t HostKeyModifiers();
// Holds `modifiers` down (for a click on the page view) and gives the ones held before, to be set back.
int32_t HostSetKeyModifiers(int32_t modifiers);
