#include "host/ui/HostTools.h"

#include <algorithm>

#include "host/core/Host.h"

HostTools::HostTools(Host& host) : m_host(host) { m_defaultTool.size = sizeof(HostToolRecord); }

template <class Proc>
Proc HostTools::CallbackOf(HostToolRecord* tool, HostCallback HostToolRecord::*slot) const {
    if (tool == nullptr || tool == &m_defaultTool) return nullptr;
    return m_host.Callbacks().FindAs<Proc>(tool->*slot);
}

void HostTools::Register(HostToolRecord* tool) {
    // The owner is the plug-in whose callbacks the record carries.
    HostExtension owner = HostExtension::None;
    for (HostCallback callback : {tool->activate, tool->doClick, tool->getType}) {
        if (owner == HostExtension::None) owner = m_host.Callbacks().OwnerOf(callback);
    }
    if (!IsRegistered(tool)) m_tools.push_back({tool, owner});
}

void HostTools::ForgetToolsOf(HostExtension owner) {
    for (const Registered& registered : m_tools) {
        if (registered.owner == owner && m_active == registered.tool) SetActive(&m_defaultTool, false);
    }
    std::erase_if(m_tools, [&](const Registered& registered) { return registered.owner == owner; });
}

bool HostTools::IsRegistered(const HostToolRecord* tool) const {
    return tool == &m_defaultTool ||
           std::any_of(m_tools.begin(), m_tools.end(), [&](const Registered& r) { return r.tool == tool; });
}

std::vector<HostToolRecord*> HostTools::All() const {
    std::vector<HostToolRecord*> tools;
    for (const Registered& registered : m_tools) tools.push_back(registered.tool);
    return tools;
}

void HostTools::SetActive(HostToolRecord* tool, bool persistent) {
    if (tool == m_active) return;
    HostToolRecord* previous = m_active;
    m_active = tool;
    if (auto deactivate = CallbackOf<HostToolDeactivateProc>(previous, &HostToolRecord::deactivate)) {
        m_host.CallPlugin("tool deactivate", [&] { deactivate(previous); });
    }
    if (auto activate = CallbackOf<HostToolActivateProc>(tool, &HostToolRecord::activate)) {
        m_host.CallPlugin("tool activate", [&] { activate(tool, persistent); });
    }
}

bool HostTools::IsPersistent(HostToolRecord* tool) {
    HostBool persistent = false;
    if (auto isPersistent = CallbackOf<HostToolIsPersistentProc>(tool, &HostToolRecord::isPersistent)) {
        m_host.CallPlugin("tool is persistent", [&] { persistent = isPersistent(tool); });
    }
    return persistent != 0;
}

bool HostTools::Click(HostPageView view, int16_t x, int16_t y, int16_t flags, int16_t clickCount) {
    HostBool handled = false;
    HostToolRecord* tool = m_active;
    if (auto click = CallbackOf<HostToolClickProc>(tool, &HostToolRecord::doClick)) {
        m_host.CallPlugin("tool click", [&] { handled = click(tool, view, x, y, flags, clickCount); });
    }
    return handled != 0;
}

bool HostTools::AdjustCursor(HostPageView view, int16_t x, int16_t y) {
    HostBool handled = false;
    HostToolRecord* tool = m_active;
    if (auto adjust = CallbackOf<HostToolAdjustCursorProc>(tool, &HostToolRecord::adjustCursor)) {
        m_host.CallPlugin("tool adjust cursor", [&] { handled = adjust(tool, view, x, y); });
    }
    return handled != 0;
}

bool HostTools::KeyDown(uint16_t key, int16_t flags) {
    HostBool handled = false;
    HostToolRecord* tool = m_active;
    if (auto keyDown = CallbackOf<HostToolKeyDownProc>(tool, &HostToolRecord::doKeyDown)) {
        m_host.CallPlugin("tool key down", [&] { handled = keyDown(tool, key, flags); });
    }
    return handled != 0;
}

std::string HostTools::TypeOf(HostToolRecord* tool) {
    HostAtom type = HostAtom::None;
    if (auto getType = CallbackOf<HostToolGetTypeProc>(tool, &HostToolRecord::getType)) {
        m_host.CallPlugin("tool get type", [&] { type = getType(tool); });
    }
    const char* name = m_host.Atoms().NameOf(type);
    return name != nullptr ? name : "";
}
