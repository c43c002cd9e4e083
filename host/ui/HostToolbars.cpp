#include "host/ui/HostToolbars.h"

#include <algorithm>
#include <sstream>

#include "host/core/Host.h"
#include "host/core/HostError.h"

namespace {

[[noreturn]] void Fail(const std::string& what) { throw HostError(kHostGeneralError, what); }

// The host's own buttons show pictures of the host's; any address tells the printing that there is one.
char s_hostPicture;

}  // namespace

// One printed line, taken before any plug-in callback runs (see HostMenus).
HostToolbars::HostToolbars(Host& host) : m_host(host) {
    const uint32_t handle = m_next++;
    Bar& toolbar = m_bars[handle];
    toolbar.name = kHostToolbarName;
    toolbar.title = "Toolbar";
    toolbar.docked = true;
    m_hostToolbar = static_cast<HostToolbar>(handle);
    m_toolbars.push_back(m_hostToolbar);
    for (HostToolButton button :
         {HostButton("Open", "Open", false), HostButton("Save", "Save", false), HostButton("Print", "Print", false),
          HostButton("endFileGroup", "", true), HostButton("Hand", "Hand Tool", false),
          HostButton("SelectText", "Select Text", false), HostButton("ZoomIn", "Zoom In", false),
          HostButton("endToolsGroup", "", true)}) {
        toolbar.buttons.push_back(button);
        GetButton(button).bar = m_hostToolbar;
    }
}

HostToolButton HostToolbars::HostButton(const std::string& name, const std::string& help, bool separator) {
    const uint32_t handle = m_next++;
    Button& button = m_buttons[handle];
    button.name = name;
    button.help = help;
    button.separator = separator;
    button.icon = separator ? nullptr : &s_hostPicture;
    button.references = 1;
    button.host = true;
    return static_cast<HostToolButton>(handle);
}

HostToolbars::Button& HostToolbars::GetButton(HostToolButton button) {
    auto it = m_buttons.find(static_cast<uint32_t>(button));
    if (it == m_buttons.end()) Fail("unknown tool button");
    return it->second;
}

const HostToolbars::Button& HostToolbars::GetButton(HostToolButton button) const {
    return const_cast<HostToolbars*>(this)->GetButton(button);
}

HostToolbars::Bar& HostToolbars::GetBar(HostToolbar bar) {
    auto it = m_bars.find(static_cast<uint32_t>(bar));
    if (it == m_bars.end()) Fail("unknown toolbar");
    return it->second;
}

const HostToolbars::Bar& HostToolbars::GetBar(HostToolbar bar) const {
    return const_cast<HostToolbars*>(this)->GetBar(bar);
}

HostToolbars::Bar& HostToolbars::GetFlyout(HostToolbar flyout) {
    Bar& found = GetBar(flyout);
    if (!found.flyout) Fail("not a flyout");
    return found;
}

void HostToolbars::CheckToolbar(HostToolbar toolbar) const { GetBar(toolbar); }

const HostToolbars::Bar* HostToolbars::FindNamed(const std::string& name) const {
    for (HostToolbar toolbar : m_toolbars) {
        if (GetBar(toolbar).name == name) return &GetBar(toolbar);
    }
    return nullptr;
}

HostToolbar HostToolbars::NewToolbar(const std::string& name, const std::string& title) {
    if (name.empty()) Fail("a toolbar needs a name");
    if (FindNamed(name) != nullptr) Fail("a toolbar of that name exists already");
    const uint32_t handle = m_next++;
    Bar& toolbar = m_bars[handle];
    toolbar.name = name;
    toolbar.title = title;
    m_toolbars.push_back(static_cast<HostToolbar>(handle));
    return static_cast<HostToolbar>(handle);
}

HostToolbar HostToolbars::FindToolbar(const std::string& name) const {
    for (HostToolbar toolbar : m_toolbars) {
        if (GetBar(toolbar).name == name) return toolbar;
    }
    return HostToolbar::None;
}

void HostToolbars::Dock(const std::string& name, bool floating, const HostDockingRecord* docking) {
    const HostToolbar toolbar = FindToolbar(name);
    if (toolbar == HostToolbar::None) Fail("no toolbar of that name");
    if (docking != nullptr && docking->size != sizeof(HostDockingRecord)) Fail("not a docking record");
    Bar& found = GetBar(toolbar);
    found.docked = true;
    found.floating = floating;
    found.docking = docking != nullptr ? *docking : HostDockingRecord{};
}

HostToolbar HostToolbars::NewFlyout() {
    const uint32_t handle = m_next++;
    Bar& flyout = m_bars[handle];
    flyout.flyout = true;
    flyout.references = 1;
    return static_cast<HostToolbar>(handle);
}

void HostToolbars::ReleaseFlyout(HostToolbar flyout) {
    GetFlyout(flyout);
    Release(flyout);
}

void HostToolbars::Release(HostToolbar flyout) {
    Bar& found = GetBar(flyout);
    if (--found.references > 0) return;
    // Nothing holds it, so no button has it hung on; its buttons stay alive for whoever holds them.
    const std::vector<HostToolButton> buttons = found.buttons;
    m_bars.erase(static_cast<uint32_t>(flyout));
    for (HostToolButton button : buttons) GetButton(button).bar = HostToolbar::None;
}

bool HostToolbars::Within(HostToolbar bar, HostToolbar flyout) const {
    while (bar != HostToolbar::None) {
        if (bar == flyout) return true;
        const Bar& found = GetBar(bar);
        if (!found.flyout || found.button == HostToolButton::None) return false;
        bar = GetButton(found.button).bar;
    }
    return false;
}

void HostToolbars::AttachFlyout(HostToolButton button, HostToolbar flyout) {
    Button& target = GetButton(button);
    if (flyout != HostToolbar::None) {
        Bar& hung = GetFlyout(flyout);
        if (target.flyout == flyout) return;
        if (hung.button != HostToolButton::None) Fail("the flyout hangs on another button");
        if (Within(target.bar, flyout)) Fail("a flyout cannot hang on a button inside it");
    }
    const HostToolbar previous = target.flyout;
    target.flyout = flyout;
    if (flyout != HostToolbar::None) {
        GetBar(flyout).button = button;
        ++GetBar(flyout).references;
    }
    if (previous != HostToolbar::None) {
        GetBar(previous).button = HostToolButton::None;
        Release(previous);
    }
}

HostToolButton HostToolbars::NewButton(const std::string& name, void* icon, bool isFlyout, bool isSeparator) {
    const uint32_t handle = m_next++;
    Button& button = m_buttons[handle];
    button.name = name;
    button.icon = icon;
    button.isFlyout = isFlyout;
    button.separator = isSeparator;
    button.references = 1;
    return static_cast<HostToolButton>(handle);
}

void HostToolbars::ReleaseButton(HostToolButton button) {
    Button& found = GetButton(button);
    if (found.references <= (found.host ? 1 : 0)) Fail("tool button released more often than acquired");
    if (--found.references == 0) Destroy(button);
}

void HostToolbars::Destroy(HostToolButton button) {
    TakeOff(button);
    const HostToolbar flyout = GetButton(button).flyout;
    m_buttons.erase(static_cast<uint32_t>(button));
    if (flyout != HostToolbar::None) {
        GetBar(flyout).button = HostToolButton::None;
        Release(flyout);
    }
}

void HostToolbars::TakeOff(HostToolButton button) {
    Button& found = GetButton(button);
    if (found.bar == HostToolbar::None) return;
    std::erase(GetBar(found.bar).buttons, button);
    found.bar = HostToolbar::None;
}

HostToolButton HostToolbars::ButtonByName(HostToolbar toolbar, const std::string& name) const {
    for (HostToolButton button : GetBar(toolbar).buttons) {
        if (GetButton(button).name == name) return button;
    }
    return HostToolButton::None;
}

const std::string& HostToolbars::NameOf(HostToolButton button) const { return GetButton(button).name; }

void HostToolbars::AddButton(HostToolbar toolbar, HostToolButton button, bool before, HostToolButton neighbour) {
    Bar& target = GetBar(toolbar);
    Button& added = GetButton(button);
    if (neighbour != HostToolButton::None) GetButton(neighbour);
    if (added.bar != HostToolbar::None) Fail("the tool button already stands on a toolbar");
    if (added.flyout != HostToolbar::None && Within(toolbar, added.flyout)) {
        Fail("a button cannot stand inside its own flyout");
    }
    auto at = std::find(target.buttons.begin(), target.buttons.end(), neighbour);
    if (neighbour == HostToolButton::None || at == target.buttons.end()) {
        at = before ? target.buttons.begin() : target.buttons.end();
    } else if (!before) {
        ++at;
    }
    target.buttons.insert(at, button);
    added.bar = toolbar;
}

bool HostToolbars::HasRoom(HostToolbar toolbar, int32_t buttons, int32_t separators) const {
    const Bar& found = GetBar(toolbar);
    if (buttons < 0 || separators < 0) Fail("a negative number of buttons");
    if (found.flyout) return true;
    const auto taken = std::count_if(found.buttons.begin(), found.buttons.end(),
                                     [&](HostToolButton button) { return !GetButton(button).host; });
    const int64_t room = static_cast<int64_t>(m_host.Config().toolbarRoom) - taken;
    return static_cast<int64_t>(buttons) + separators <= room;
}

void HostToolbars::SetHelpText(HostToolButton button, const std::string& text) { GetButton(button).help = text; }

void HostToolbars::SetExecute(HostToolButton button, HostCommandCallback callback) {
    GetButton(button).command.execute = callback;
}

void HostToolbars::SetComputeEnabled(HostToolButton button, HostCommandCallback callback) {
    GetButton(button).command.computeEnabled = callback;
}

void HostToolbars::SetComputeMarked(HostToolButton button, HostCommandCallback callback) {
    GetButton(button).command.computeMarked = callback;
}

HostToolButton HostToolbars::FindShown(const std::string& name) const {
    std::vector<HostToolbar> pending(m_toolbars.rbegin(), m_toolbars.rend());
    while (!pending.empty()) {
        const HostToolbar bar = pending.back();
        pending.pop_back();
        std::vector<HostToolbar> flyouts;
        for (HostToolButton button : GetBar(bar).buttons) {
            const Button& found = GetButton(button);
            if (found.name == name && !found.separator) return button;
            if (found.flyout != HostToolbar::None) flyouts.push_back(found.flyout);
        }
        pending.insert(pending.end(), flyouts.rbegin(), flyouts.rend());
    }
    return HostToolButton::None;
}

std::vector<std::string> HostToolbars::ButtonNames(const std::string& toolbarName) const {
    std::vector<std::string> names;
    if (const Bar* toolbar = FindNamed(toolbarName)) {
        for (HostToolButton button : toolbar->buttons) names.push_back(GetButton(button).name);
    }
    return names;
}

std::vector<std::string> HostToolbars::FlyoutButtonNames(const std::string& buttonName) const {
    std::vector<std::string> names;
    const HostToolButton button = FindShown(buttonName);
    if (button == HostToolButton::None || GetButton(button).flyout == HostToolbar::None) return names;
    for (HostToolButton inside : GetBar(GetButton(button).flyout).buttons) names.push_back(GetButton(inside).name);
    return names;
}

std::string HostToolbars::HelpTextOf(const std::string& buttonName) const {
    const HostToolButton button = FindShown(buttonName);
    return button != HostToolButton::None ? GetButton(button).help : "";
}

bool HostToolbars::IsFloating(const std::string& toolbarName) const {
    const Bar* toolbar = FindNamed(toolbarName);
    return toolbar != nullptr && toolbar->floating;
}

HostDockingRecord HostToolbars::DockingOf(const std::string& toolbarName) const {
    const Bar* toolbar = FindNamed(toolbarName);
    return toolbar != nullptr ? toolbar->docking : HostDockingRecord{};
}

void HostToolbars::Snapshot(HostToolbar bar, int depth, std::vector<Entry>& lines) const {
    for (HostToolButton handle : GetBar(bar).buttons) {
        const Button& button = GetButton(handle);
        Entry line{depth, false, "", button.name, button.separator, button.command};
        line.title = button.help;
        line.icon = button.icon;
        line.opens = button.flyout != HostToolbar::None;
        if (button.separator) {
            line.text = "|";
        } else {
            line.text = button.icon != nullptr ? "(icon)" : "";
            if (!button.help.empty()) line.text += (line.text.empty() ? "\"" : " \"") + button.help + "\"";
            if (button.flyout != HostToolbar::None) line.text += " v";
        }
        lines.push_back(line);
        if (button.flyout != HostToolbar::None) Snapshot(button.flyout, depth + 1, lines);
    }
}

std::vector<HostToolbars::Entry> HostToolbars::Entries() {
    std::vector<Entry> lines;
    for (HostToolbar toolbar : m_toolbars) {
        const Bar& found = GetBar(toolbar);
        std::string text = "Toolbar " + found.title;
        text += found.floating ? "  (floating)" : found.docked ? "" : "  (not docked)";
        lines.push_back({0, true, text, found.name, false, {}});
        lines.back().title = found.title;
        Snapshot(toolbar, 1, lines);
    }
    for (Entry& line : lines) {
        if (line.isToolbar || line.separator) continue;
        line.enabled = HostCommandEnabled(m_host, line.command, "tool button");
        line.marked = HostCommandMarked(m_host, line.command, "tool button");
    }
    return lines;
}

void HostToolbars::Print(std::ostream& out) {
    for (const Entry& line : Entries()) {
        const std::string indent(2 * line.depth, ' ');
        if (line.isToolbar) {
            out << line.text << "  [" << line.name << "]\n";
            continue;
        }
        out << indent << (line.marked ? "* " : "  ") << line.text << (line.enabled ? "" : "  (disabled)") << "  ["
            << line.name << "]\n";
    }
}

std::string HostToolbars::Text() {
    std::ostringstream text;
    Print(text);
    return text.str();
}

HostClickResult HostToolbars::Click(const std::string& name, int32_t modifiers) {
    const HostToolButton button = FindShown(name);
    if (button == HostToolButton::None) {
        m_host.Out() << "[button] no tool button \"" << name << "\"\n";
        return HostClickResult::NotFound;
    }
    const Button& found = GetButton(button);
    const std::string shown = found.help.empty() ? found.name : found.help;
    return HostCommandClick(m_host, found.command, modifiers, "tool button", [&](bool enabled) {
        m_host.Out() << "[button] " << shown << (enabled ? "" : " (disabled: nothing happens)") << "\n";
    });
}
