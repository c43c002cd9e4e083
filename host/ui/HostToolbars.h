// The host's toolbars: the host's own toolbar, named toolbars that plug-ins create and dock, flyouts (small
// toolbars hung on a button), and tool buttons with an icon, a help text and three plug-in callbacks
// (HostCommand). A user sees the toolbars with their buttons and clicks a button by its name.
//
// Handles are numbers issued once and never reused; an unknown handle fails with a HostError. Lifetime:
// - Toolbars are the host's: the host's own one and every named toolbar live as long as the host, and their
//   handles are not released.
// - A new flyout (View_NewFlyout) and a new button (View_NewToolButton) hold one reference each, given back
//   with View_ReleaseFlyout and View_ReleaseToolButton. A button found by name (View_ToolButtonByName) is
//   lent, not acquired. The host's own buttons cannot be released.
// - A button holds the flyout hung on it. Standing on a toolbar or in a flyout holds nothing: a button that
//   nobody holds leaves its toolbar and is gone; a flyout that nobody holds lets its buttons go.
#pragma once

#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "HostTypes.h"
#include "host/ui/HostCommand.h"

class Host;

class HostToolbars {
public:
    static constexpr const char kHostToolbarName[] = "Toolbar";

    // Builds the host's own toolbar.
    explicit HostToolbars(Host& host);

    // The operations of the host's entries; each fails with a HostError on a bad handle or value.
    HostToolbar HostToolbarHandle() const { return m_hostToolbar; }
    HostToolbar NewToolbar(const std::string& name, const std::string& title);
    // None when there is no toolbar of that name.
    HostToolbar FindToolbar(const std::string& name) const;
    // A docking record, when given, must be 40 bytes long.
    void Dock(const std::string& name, bool floating, const HostDockingRecord* docking);
    HostToolbar NewFlyout();
    void ReleaseFlyout(HostToolbar flyout);
    // Hangs the flyout on the button (None takes the button's flyout off).
    void AttachFlyout(HostToolButton button, HostToolbar flyout);
    HostToolButton NewButton(const std::string& name, void* icon, bool isFlyout, bool isSeparator);
    void ReleaseButton(HostToolButton button);
    // A button standing on the toolbar or flyout, or None.
    HostToolButton ButtonByName(HostToolbar toolbar, const std::string& name) const;
    const std::string& NameOf(HostToolButton button) const;
    // Next to the neighbour when it stands there; otherwise first (before) or last (after).
    void AddButton(HostToolbar toolbar, HostToolButton button, bool before, HostToolButton neighbour);
    // Whether the plug-ins may still add that many buttons and separators (configured room); a flyout never
    // fills.
    bool HasRoom(HostToolbar toolbar, int32_t buttons, int32_t separators) const;
    void SetHelpText(HostToolButton button, const std::string& text);
    void SetExecute(HostToolButton button, HostCommandCallback callback);
    void SetComputeEnabled(HostToolButton button, HostCommandCallback callback);
    void SetComputeMarked(HostToolButton button, HostCommandCallback callback);
    void CheckToolbar(HostToolbar toolbar) const;

    // What a user sees now, depth first: each toolbar at depth 0, its buttons below it and the buttons of a
    // flyout below its button. Enabled and marked states come from the plug-ins' callbacks, asked now.
    struct Entry {
        int depth;
        bool isToolbar;
        std::string text;  // as printed, before the states
        std::string name;
        bool separator;
        HostCommand command;
        std::string title{};  // a toolbar's title, a button's help text
        void* icon = nullptr;
        bool opens = false;  // has a flyout
        bool enabled = true;
        bool marked = false;
    };
    std::vector<Entry> Entries();
    // What a user sees: every toolbar with its buttons, flyouts indented under their button. Enabled and
    // marked states come from the plug-ins' callbacks, asked as the toolbars are printed.
    void Print(std::ostream& out);
    std::string Text();
    // Clicks the button of that name on a toolbar or in a flyout hung there (with keyboard modifiers held)
    // and says on the host's output what became of the click. Separators cannot be clicked.
    HostClickResult Click(const std::string& name, int32_t modifiers = 0);

    // For tests and the host program.
    std::vector<std::string> ButtonNames(const std::string& toolbarName) const;
    // The buttons of the flyout hung on the button of that name (which must stand on a toolbar or flyout).
    std::vector<std::string> FlyoutButtonNames(const std::string& buttonName) const;
    std::string HelpTextOf(const std::string& buttonName) const;
    bool IsFloating(const std::string& toolbarName) const;
    // The docking record of a docked toolbar (all zero when none was given or it is not docked).
    HostDockingRecord DockingOf(const std::string& toolbarName) const;
    std::size_t ButtonCount() const { return m_buttons.size(); }
    // Toolbars and flyouts alive.
    std::size_t BarCount() const { return m_bars.size(); }

private:
    struct Button {
        std::string name;
        void* icon = nullptr;
        bool isFlyout = false;
        bool separator = false;
        std::string help;
        HostCommand command;
        HostToolbar bar = HostToolbar::None;     // where it stands
        HostToolbar flyout = HostToolbar::None;  // hung on it, held by it
        int references = 0;
        bool host = false;
    };
    struct Bar {
        bool flyout = false;
        std::string name;
        std::string title;
        std::vector<HostToolButton> buttons;
        HostToolButton button = HostToolButton::None;  // a flyout's button
        int references = 0;                            // a flyout's holders
        bool docked = false;
        bool floating = false;
        HostDockingRecord docking{};
    };

    Button& GetButton(HostToolButton button);
    const Button& GetButton(HostToolButton button) const;
    Bar& GetBar(HostToolbar bar);
    const Bar& GetBar(HostToolbar bar) const;
    Bar& GetFlyout(HostToolbar flyout);
    const Bar* FindNamed(const std::string& name) const;
    // The button of that name on a toolbar or in a flyout hung there; None when there is none.
    HostToolButton FindShown(const std::string& name) const;
    // Whether `bar` is `flyout` or lies inside it (in a flyout hung on a button of it, and so on).
    bool Within(HostToolbar bar, HostToolbar flyout) const;
    void TakeOff(HostToolButton button);
    void Release(HostToolbar flyout);
    void Destroy(HostToolButton button);
    HostToolButton HostButton(const std::string& name, const std::string& help, bool separator);
    void Snapshot(HostToolbar bar, int depth, std::vector<Entry>& lines) const;

    Host& m_host;
    std::map<uint32_t, Bar> m_bars;
    std::map<uint32_t, Button> m_buttons;
    std::vector<HostToolbar> m_toolbars;  // in creation order, the host's first
    HostToolbar m_hostToolbar = HostToolbar::None;
    uint32_t m_next = 1;
};
