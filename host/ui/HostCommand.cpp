#include "host/ui/HostCommand.h"

#include <string>

#include "host/core/Host.h"

namespace {

// The keyboard is the process's, as only one host runs at a time.
int32_t s_keyModifiers = 0;

class HeldModifiers {
public:
    explicit HeldModifiers(int32_t modifiers) : m_previous(s_keyModifiers) { s_keyModifiers = modifiers; }
    ~HeldModifiers() { s_keyModifiers = m_previous; }
    HeldModifiers(const HeldModifiers&) = delete;
    HeldModifiers& operator=(const HeldModifiers&) = delete;

private:
    int32_t m_previous;
};

// Calls a state callback; `fallback` when there is none or it fails.
bool AskState(Host& host, const HostCommandCallback& slot, bool fallback, const std::string& what) {
    auto proc = host.Callbacks().FindAs<HostCommandStateProc>(slot.callback);
    if (proc == nullptr) return fallback;
    HostBool answer = false;
    void* clientData = slot.clientData;
    if (!host.CallPlugin(what.c_str(), [&] { answer = proc(clientData); })) return false;
    return answer != 0;
}

}  // namespace

bool HostCommandEnabled(Host& host, const HostCommand& command, const char* what) {
    return AskState(host, command.computeEnabled, true, std::string(what) + " compute enabled");
}

bool HostCommandMarked(Host& host, const HostCommand& command, const char* what) {
    return AskState(host, command.computeMarked, false, std::string(what) + " compute marked");
}

HostClickResult HostCommandClick(Host& host, const HostCommand& command, int32_t modifiers, const char* what,
                                 const std::function<void(bool enabled)>& announce) {
    const HeldModifiers held(modifiers);
    // The callbacks are copied: the plug-in may change or release the item while its callbacks run.
    const HostCommand copy = command;
    const bool enabled = HostCommandEnabled(host, copy, what);
    announce(enabled);
    if (!enabled) return HostClickResult::Disabled;
    auto execute = host.Callbacks().FindAs<HostCommandExecuteProc>(copy.execute.callback);
    if (execute == nullptr) return HostClickResult::Executed;
    void* clientData = copy.execute.clientData;
    const std::string call = std::string(what) + " execute";
    return host.CallPlugin(call.c_str(), [&] { execute(clientData); }) ? HostClickResult::Executed
                                                                       : HostClickResult::Failed;
}

int32_t HostKeyModifiers() { return s_keyModifiers; }

int32_t HostSetKeyModifiers(int32_t modifiers) {
    const int32_t previous = s_keyModifiers;
    s_keyModifiers = modifiers;
    return previous;
}
