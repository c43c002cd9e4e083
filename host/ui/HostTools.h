// The host's tools: the mouse modes of the page view. Plug-ins register tool records; at most one tool is
// active and receives the clicks, cursor questions and keys. The host has a tool of its own, the default.
#pragma once

#include <string>
#include <vector>

#include "HostTypes.h"

class Host;

class HostTools {
public:
    explicit HostTools(Host& host);

    void Register(HostToolRecord* tool);
    // The tools of a plug-in leave with it; if one of them is active, the default tool takes over.
    void ForgetToolsOf(HostExtension owner);

    HostToolRecord* Active() const { return m_active; }
    HostToolRecord* Default() { return &m_defaultTool; }
    // Deactivates the active tool and activates `tool`, telling both through their callbacks.
    void SetActive(HostToolRecord* tool, bool persistent);
    bool IsRegistered(const HostToolRecord* tool) const;
    // The plug-ins' tools, in registration order.
    std::vector<HostToolRecord*> All() const;
    bool IsPersistent(HostToolRecord* tool);

    // What a user's input does with the active tool; false when the tool does not handle it.
    bool Click(HostPageView view, int16_t x, int16_t y, int16_t flags, int16_t clickCount);
    bool AdjustCursor(HostPageView view, int16_t x, int16_t y);
    bool KeyDown(uint16_t key, int16_t flags);
    // The type atom's name of a tool ("" for the default tool).
    std::string TypeOf(HostToolRecord* tool);

private:
    struct Registered {
        HostToolRecord* tool;
        HostExtension owner;
    };
    template <class Proc>
    Proc CallbackOf(HostToolRecord* tool, HostCallback HostToolRecord::*slot) const;

    Host& m_host;
    HostToolRecord m_defaultTool{};
    HostToolRecord* m_active = &m_defaultTool;
    std::vector<Registered> m_tools;
};
