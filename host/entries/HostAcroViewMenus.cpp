// The AcroView entries of menus, toolbars and tool buttons, and the keyboard modifiers of a click. What lives
// how long, and who gives back what, is told in HostMenus.h and HostToolbars.h.
#include <algorithm>
#include <cstring>

#include "host/entries/HostEntry.h"
#include "host/entries/HostTables.h"

namespace {

HostMenus& Menus() { return Host::Current().Menus(); }
HostToolbars& Toolbars() { return Host::Current().Toolbars(); }

std::string NeededText(const char* text, const char* what) {
    if (text == nullptr) HostFail(what);
    return text;
}

std::string OptionalText(const char* text) { return text != nullptr ? text : ""; }

// A callback must be live when it is set; None takes the callback away.
HostCommandCallback CommandCallback(HostCallback callback, void* clientData) {
    if (callback != HostCallback::None && Host::Current().Callbacks().Find(callback) == nullptr) {
        HostFail("unknown callback");
    }
    return {callback, clientData};
}

HostAtom AtomOf(const std::string& name) { return Host::Current().Atoms().FromName(name); }

std::string NameOfAtom(HostAtom atom) {
    const char* name = Host::Current().Atoms().NameOf(atom);
    if (name == nullptr) HostFail("unknown atom");
    return name;
}

}  // namespace

HostMenuBar HostAcroViewTable::View_MenuBar() { return HostMenus::kMenuBar; }

HostToolbar HostAcroViewTable::View_Toolbar() { return Toolbars().HostToolbarHandle(); }

HostMenu HostAcroViewTable::View_MenuByName(HostMenuBar bar, const char* name) {
    return HostEntry([&] {
        Menus().CheckBar(bar);
        return Menus().AcquireMenuByName(NeededText(name, "no name for a menu"));
    });
}

HostMenuItem HostAcroViewTable::View_MenuItemByName(HostMenuBar bar, const char* name) {
    return HostEntry([&] {
        Menus().CheckBar(bar);
        return Menus().AcquireItemByName(NeededText(name, "no name for a menu item"));
    });
}

HostMenu HostAcroViewTable::View_NewMenu(const char* title, const char* name, HostExtension owner) {
    return HostEntry(
        [&] { return Menus().NewMenu(OptionalText(title), NeededText(name, "no name for a menu"), owner); });
}

void HostAcroViewTable::View_ReleaseMenu(HostMenu menu) {
    HostEntry([&] { Menus().ReleaseMenu(menu); });
}

int32_t HostAcroViewTable::View_MenuItemCount(HostMenu menu) {
    return HostEntry([&] { return Menus().ItemCount(menu); });
}

int32_t HostAcroViewTable::View_MenuItemIndex(HostMenu menu, HostMenuItem item) {
    return HostEntry([&] { return Menus().IndexOf(menu, item); });
}

void HostAcroViewTable::View_AddMenuItem(HostMenu menu, HostMenuItem item, int32_t position) {
    HostEntry([&] { Menus().AddItem(menu, item, position); });
}

HostMenuItem HostAcroViewTable::View_NewMenuItem(const char* title, const char* name, HostMenu submenu,
                                                 HostBool longMenusOnly, char shortcut, int16_t shortcutFlags,
                                                 void* icon, HostExtension owner) {
    return HostEntry([&] {
        HostNewMenuItem item;
        item.title = OptionalText(title);
        item.name = NeededText(name, "no name for a menu item");
        item.submenu = submenu;
        item.longMenusOnly = longMenusOnly != 0;
        item.shortcut = shortcut;
        item.shortcutFlags = shortcutFlags;
        item.icon = icon;
        item.owner = owner;
        return Menus().NewItem(item);
    });
}

void HostAcroViewTable::View_ReleaseMenuItem(HostMenuItem item) {
    HostEntry([&] { Menus().ReleaseItem(item); });
}

void HostAcroViewTable::View_RemoveMenuItem(HostMenuItem item) {
    HostEntry([&] { Menus().RemoveItem(item); });
}

HostAtom HostAcroViewTable::View_MenuItemNameAtom(HostMenuItem item) {
    return HostEntry([&] { return AtomOf(Menus().NameOf(item)); });
}

int32_t HostAcroViewTable::View_MenuItemName(HostMenuItem item, char* buffer, int32_t size) {
    // The name's whole length; as much of it as fits (and a terminator) goes into the buffer.
    return HostEntry([&]() -> int32_t {
        const std::string& name = Menus().NameOf(item);
        if (buffer != nullptr && size > 0) {
            const std::size_t length = std::min(name.size(), static_cast<std::size_t>(size - 1));
            std::memcpy(buffer, name.data(), length);
            buffer[length] = '\0';
        }
        return static_cast<int32_t>(name.size());
    });
}

void HostAcroViewTable::View_SetMenuItemExecute(HostMenuItem item, HostCallback callback, void* clientData) {
    HostEntry([&] { Menus().SetExecute(item, CommandCallback(callback, clientData)); });
}

void HostAcroViewTable::View_SetMenuItemComputeEnabled(HostMenuItem item, HostCallback callback, void* clientData) {
    HostEntry([&] { Menus().SetComputeEnabled(item, CommandCallback(callback, clientData)); });
}

void HostAcroViewTable::View_SetMenuItemComputeMarked(HostMenuItem item, HostCallback callback, void* clientData) {
    HostEntry([&] { Menus().SetComputeMarked(item, CommandCallback(callback, clientData)); });
}

HostMenu HostAcroViewTable::View_SubmenuOfMenuItem(HostMenuItem item) {
    return HostEntry([&] { return Menus().AcquireSubmenu(item); });
}

int32_t HostAcroViewTable::View_KeyModifiers() { return HostKeyModifiers(); }

HostToolButton HostAcroViewTable::View_ToolButtonByName(HostToolbar toolbar, HostAtom name) {
    return HostEntry([&] { return Toolbars().ButtonByName(toolbar, NameOfAtom(name)); });
}

void HostAcroViewTable::View_AddToolButton(HostToolbar toolbar, HostToolButton button, HostBool before,
                                           HostToolButton neighbour) {
    HostEntry([&] { Toolbars().AddButton(toolbar, button, before != 0, neighbour); });
}

HostBool HostAcroViewTable::View_ToolbarHasRoom(HostToolbar toolbar, int32_t buttons, int32_t separators) {
    return HostEntry([&]() -> HostBool { return Toolbars().HasRoom(toolbar, buttons, separators); });
}

void HostAcroViewTable::View_ReleaseFlyout(HostToolbar flyout) {
    HostEntry([&] { Toolbars().ReleaseFlyout(flyout); });
}

HostToolButton HostAcroViewTable::View_NewToolButton(HostAtom name, void* icon, HostBool isFlyout,
                                                     HostBool isSeparator) {
    return HostEntry([&] { return Toolbars().NewButton(NameOfAtom(name), icon, isFlyout != 0, isSeparator != 0); });
}

void HostAcroViewTable::View_ReleaseToolButton(HostToolButton button) {
    HostEntry([&] { Toolbars().ReleaseButton(button); });
}

HostAtom HostAcroViewTable::View_ToolButtonName(HostToolButton button) {
    return HostEntry([&] { return AtomOf(Toolbars().NameOf(button)); });
}

void HostAcroViewTable::View_SetToolButtonExecute(HostToolButton button, HostCallback callback, void* clientData) {
    HostEntry([&] { Toolbars().SetExecute(button, CommandCallback(callback, clientData)); });
}

void HostAcroViewTable::View_SetToolButtonComputeEnabled(HostToolButton button, HostCallback callback,
                                                         void* clientData) {
    HostEntry([&] { Toolbars().SetComputeEnabled(button, CommandCallback(callback, clientData)); });
}

void HostAcroViewTable::View_SetToolButtonComputeMarked(HostToolButton button, HostCallback callback,
                                                        void* clientData) {
    HostEntry([&] { Toolbars().SetComputeMarked(button, CommandCallback(callback, clientData)); });
}

void HostAcroViewTable::View_SetToolButtonHelpText(HostToolButton button, const char* text) {
    HostEntry([&] { Toolbars().SetHelpText(button, OptionalText(text)); });
}

HostToolbar HostAcroViewTable::View_NewFlyout() {
    return HostEntry([&] { return Toolbars().NewFlyout(); });
}

void HostAcroViewTable::View_AttachFlyout(HostToolButton button, HostToolbar flyout) {
    HostEntry([&] { Toolbars().AttachFlyout(button, flyout); });
}

HostToolbar HostAcroViewTable::View_NewToolbar(const char* name, const char* title) {
    return HostEntry([&] {
        const std::string toolbarName = NeededText(name, "no name for a toolbar");
        const std::string toolbarTitle = OptionalText(title);
        const HostToolbar toolbar = Toolbars().NewToolbar(toolbarName, toolbarTitle);
        // Hosts before 7 list every toolbar in the Tools menu, with an entry of their own in its submenu.
        if (Host::Current().Config().versionMajor < 7) Menus().AddToolbarMenu(toolbarName, toolbarTitle);
        return toolbar;
    });
}

void HostAcroViewTable::View_DockToolbar(const char* name, HostBool floating, const HostDockingRecord* docking) {
    HostEntry([&] { Toolbars().Dock(NeededText(name, "no name for a toolbar"), floating != 0, docking); });
}

HostToolbar HostAcroViewTable::View_ToolbarByName(const char* name) {
    return HostEntry([&] { return Toolbars().FindToolbar(NeededText(name, "no name for a toolbar")); });
}
