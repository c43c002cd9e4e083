// The host's menus: one menu bar holding the host's menus, and the menus and menu items the plug-ins make.
// Each menu item has a title, a name, an optional submenu, shortcut, icon and owner, and three plug-in
// callbacks (HostCommand). A user sees the bar as a tree of titles and clicks an item by its name.
//
// Handles are numbers issued once and never reused; an unknown handle fails with a HostError. Lifetime:
// - Every handle the host hands out holds one reference: a new menu or item (View_NewMenu, View_NewMenuItem)
//   and a menu or item acquired (View_MenuByName, View_MenuItemByName, View_SubmenuOfMenuItem). Each is given
//   back once: a menu with View_ReleaseMenu, an item with View_ReleaseMenuItem, or with View_RemoveMenuItem,
//   which also takes the item out of its menu.
// - The host holds its own menus and items for its whole life, so they can be released no more often than
//   they were acquired; a plug-in that tries fails with a host error and changes nothing.
// - An item holds its submenu. Standing in a menu holds nothing: an item that nobody holds any more leaves its
//   menu and is gone, and so does a menu, which first lets its items go.
#pragma once

#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "HostTypes.h"
#include "host/ui/HostCommand.h"

class Host;

// The arguments of View_NewMenuItem.
struct HostNewMenuItem {
    std::string title;
    std::string name;
    HostMenu submenu = HostMenu::None;
    bool longMenusOnly = false;
    char shortcut = 0;
    int16_t shortcutFlags = 0;  // with the key: 1 Shift, 2 Alt; Ctrl is always part of a shortcut
    void* icon = nullptr;
    HostExtension owner = HostExtension::None;
};

class HostMenus {
public:
    static constexpr HostMenuBar kMenuBar = static_cast<HostMenuBar>(1);
    static constexpr int32_t kAtEnd = 9999;  // a position past the last item

    // Builds the host's own menu bar.
    explicit HostMenus(Host& host);

    // The operations of the host's entries; each fails with a HostError on a bad handle or value.
    void CheckBar(HostMenuBar bar) const;
    // Found by name anywhere on the bar, in submenus too (depth first); a new reference, or None.
    HostMenu AcquireMenuByName(const std::string& name);
    HostMenuItem AcquireItemByName(const std::string& name);
    HostMenu NewMenu(const std::string& title, const std::string& name, HostExtension owner);
    void ReleaseMenu(HostMenu menu);
    int32_t ItemCount(HostMenu menu) const;
    // The item's position in the menu, or -1 when it stands elsewhere or nowhere.
    int32_t IndexOf(HostMenu menu, HostMenuItem item) const;
    // Inserts at `position` (0 first); a position below 0 or past the last item appends.
    void AddItem(HostMenu menu, HostMenuItem item, int32_t position);
    HostMenuItem NewItem(const HostNewMenuItem& item);
    void ReleaseItem(HostMenuItem item);
    void RemoveItem(HostMenuItem item);
    const std::string& NameOf(HostMenuItem item) const;
    // The submenu as a new reference, or None.
    HostMenu AcquireSubmenu(HostMenuItem item);
    void SetExecute(HostMenuItem item, HostCommandCallback callback);
    void SetComputeEnabled(HostMenuItem item, HostCommandCallback callback);
    void SetComputeMarked(HostMenuItem item, HostCommandCallback callback);

    // The menu the host makes for a new toolbar on hosts below 7: in "Tools", an item named and titled after
    // the toolbar, whose submenu holds one host entry that shows the toolbar.
    void AddToolbarMenu(const std::string& toolbarName, const std::string& toolbarTitle);

    // What a user sees on the bar now, depth first: each menu of the bar at depth 0, its items and their
    // submenus' items below it. Enabled and marked states come from the plug-ins' callbacks, asked now.
    struct Entry {
        int depth;
        bool isMenu;
        std::string text;  // as printed, before the states
        std::string name;
        bool separator;
        HostCommand command;
        std::string title{};
        std::string shortcut{};  // "Ctrl+Shift+G"; empty when none
        void* icon = nullptr;
        bool opens = false;  // has a submenu
        bool enabled = true;
        bool marked = false;
    };
    std::vector<Entry> Entries();
    // What a user sees: the bar as an indented tree. Enabled and marked states come from the plug-ins'
    // callbacks, asked as the tree is printed.
    void Print(std::ostream& out);
    std::string Text();
    // Clicks the item of that name on the bar (with keyboard modifiers held) and says on the host's output
    // what became of the click. An item with a submenu opens it and runs nothing.
    HostClickResult Click(const std::string& name, int32_t modifiers = 0);

    // For tests and the host program.
    // The names of the items of the menu of that name on the bar, in order; empty when there is none.
    std::vector<std::string> ItemNames(const std::string& menuName) const;
    bool HasItem(const std::string& name) const;
    std::string TitleOf(const std::string& itemName) const;
    // Menus and items alive, and those a plug-in owns (left behind, after its unload).
    std::size_t MenuCount() const { return m_menus.size(); }
    std::size_t ItemCount() const { return m_items.size(); }
    std::size_t CountOwnedBy(HostExtension owner) const;
    // Takes one of the host's own menus off the bar, to play a host without it. False when there is none.
    bool RemoveHostMenu(const std::string& name);

private:
    struct Item {
        std::string title;
        std::string name;
        HostMenu submenu = HostMenu::None;
        bool longMenusOnly = false;
        char shortcut = 0;
        int16_t shortcutFlags = 0;
        void* icon = nullptr;
        HostExtension owner = HostExtension::None;
        HostCommand command;
        HostMenu menu = HostMenu::None;  // where it stands
        int references = 0;
        bool host = false;  // one of the host's own
    };
    struct Menu {
        std::string title;
        std::string name;
        HostExtension owner = HostExtension::None;
        std::vector<HostMenuItem> items;
        HostMenuItem parent = HostMenuItem::None;  // the item whose submenu it is
        int references = 0;
        bool host = false;
    };

    Item& GetItem(HostMenuItem item);
    const Item& GetItem(HostMenuItem item) const;
    Menu& GetMenu(HostMenu menu);
    const Menu& GetMenu(HostMenu menu) const;
    Item* FindItem(HostMenuItem item);
    Menu* FindMenu(HostMenu menu);
    // Depth first over the bar; None when not found.
    HostMenu FindMenuOnBar(const std::string& name) const;
    HostMenuItem FindItemOnBar(const std::string& name) const;
    void CheckOwner(HostExtension owner) const;
    void Release(HostMenu menu);
    void Release(HostMenuItem item);
    void Destroy(HostMenu menu);
    void Destroy(HostMenuItem item);
    void TakeOut(HostMenuItem item);
    // For building the host's own bar.
    HostMenu HostMenuOnBar(const std::string& title, const std::string& name);
    HostMenu HostSubmenu(const std::string& title, const std::string& name);
    HostMenuItem HostItem(HostMenu menu, const std::string& title, const std::string& name,
                          HostMenu submenu = HostMenu::None, char shortcut = 0);
    void Snapshot(HostMenu menu, int depth, std::vector<Entry>& lines) const;

    Host& m_host;
    std::vector<HostMenu> m_bar;
    std::map<uint32_t, Menu> m_menus;
    std::map<uint32_t, Item> m_items;
    uint32_t m_next = 1;
};
