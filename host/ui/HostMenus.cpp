#include "host/ui/HostMenus.h"

#include <sstream>

#include "host/core/Host.h"
#include "host/core/HostError.h"

namespace {

[[noreturn]] void Fail(const std::string& what) { throw HostError(kHostGeneralError, what); }

constexpr const char kSeparatorTitle[] = "-";

std::string ShortcutText(char key, int16_t flags) {
    if (key == 0) return "";
    std::string text = "Ctrl+";
    if (flags & 1) text += "Shift+";
    if (flags & 2) text += "Alt+";
    return text + key;
}

}  // namespace

// One printed line, taken before any plug-in callback runs, so that a callback changing the menus cannot
// pull the tree from under the printing.
HostMenus::HostMenus(Host& host) : m_host(host) {
    HostMenu file = HostMenuOnBar("File", "File");
    HostItem(file, "Open...", "Open", HostMenu::None, 'O');
    HostItem(file, "Close", "Close", HostMenu::None, 'W');
    HostItem(file, kSeparatorTitle, "endFileGroup1");
    HostItem(file, "Save", "Save", HostMenu::None, 'S');
    HostItem(file, "Save As...", "SaveAs");
    HostItem(file, kSeparatorTitle, "endFileGroup2");
    HostItem(file, "Document Properties...", "DocInfo", HostMenu::None, 'D');
    HostItem(file, kSeparatorTitle, "endFileGroup3");
    HostItem(file, "Exit", "Quit", HostMenu::None, 'Q');

    HostMenu edit = HostMenuOnBar("Edit", "Edit");
    HostItem(edit, "Undo", "Undo", HostMenu::None, 'Z');
    HostItem(edit, kSeparatorTitle, "endEditGroup1");
    HostItem(edit, "Copy", "Copy", HostMenu::None, 'C');
    HostItem(edit, "Select All", "SelectAll", HostMenu::None, 'A');
    HostItem(edit, kSeparatorTitle, "endEditGroup2");
    HostItem(edit, "Preferences...", "GeneralPrefs", HostMenu::None, 'K');

    HostMenu view = HostMenuOnBar("View", "View");
    HostItem(view, "Zoom In", "ZoomIn");
    HostItem(view, "Zoom Out", "ZoomOut");
    HostItem(view, "Fit Page", "FitPage");
    HostItem(view, kSeparatorTitle, "endViewGroup1");
    HostItem(view, "Rotate Clockwise", "RotateCW");
    HostItem(view, "Rotate Counterclockwise", "RotateCCW");

    HostMenu document = HostMenuOnBar("Document", "Document");
    HostMenu pages = HostSubmenu("Pages", "Pages");
    HostItem(pages, "Insert Pages...", "InsertPages");
    HostItem(pages, "Delete Pages...", "DeletePages");
    HostItem(pages, "Crop Pages...", "CropPages");
    HostItem(document, "Pages", "PagesMenu", pages);

    HostMenu tools = HostMenuOnBar("Tools", "Tools");
    HostMenu basic = HostSubmenu("Basic", "BasicTools");
    HostItem(basic, "Hand Tool", "Hand");
    HostItem(basic, "Select Text Tool", "SelectText");
    HostItem(tools, "Basic", "BasicToolsMenu", basic);
    HostMenu zoom = HostSubmenu("Zoom", "ZoomTools");
    HostItem(zoom, "Zoom In Tool", "ZoomInTool");
    HostItem(zoom, "Zoom Out Tool", "ZoomOutTool");
    HostItem(tools, "Zoom", "ZoomToolsMenu", zoom);

    HostMenu advanced = HostMenuOnBar("Advanced", "Advanced");
    HostMenu accessibility = HostSubmenu("Accessibility", "Accessibility");
    HostItem(accessibility, "Quick Check", "AccessibilityQuickCheck");
    HostItem(advanced, "Accessibility", "AccessibilityMenu", accessibility);
    HostItem(advanced, "Preflight...", "Preflight");
    HostItem(advanced, kSeparatorTitle, "endTooldGroup1");
    HostItem(advanced, "Security Settings...", "SecuritySettings");

    HostMenu window = HostMenuOnBar("Window", "Window");
    HostItem(window, "Cascade", "Cascade");
    HostItem(window, "Tile Horizontally", "TileHorizontal");
    HostItem(window, kSeparatorTitle, "endWindowGroup1");
    HostItem(window, "Split", "Split");

    HostMenu help = HostMenuOnBar("Help", "Help");
    HostItem(help, "Complete Help...", "HelpUserGuide");
    HostItem(help, "Plug-In Help", "PlugInHelp", HostSubmenu("Plug-In Help", "UsingExtensions"));
    HostItem(help, kSeparatorTitle, "endHelpGroup1");
    HostItem(help, "About This Host...", "About");
    HostItem(help, "About Plug-Ins", "AboutExtensions", HostSubmenu("About Plug-Ins", "AboutExtensionsMenu"));
}

HostMenu HostMenus::HostMenuOnBar(const std::string& title, const std::string& name) {
    HostMenu menu = HostSubmenu(title, name);
    m_bar.push_back(menu);
    return menu;
}

HostMenu HostMenus::HostSubmenu(const std::string& title, const std::string& name) {
    const uint32_t handle = m_next++;
    Menu& menu = m_menus[handle];
    menu.title = title;
    menu.name = name;
    menu.references = 1;
    menu.host = true;
    return static_cast<HostMenu>(handle);
}

HostMenuItem HostMenus::HostItem(HostMenu menu, const std::string& title, const std::string& name, HostMenu submenu,
                                 char shortcut) {
    const uint32_t handle = m_next++;
    Item& item = m_items[handle];
    item.title = title;
    item.name = name;
    item.shortcut = shortcut;
    item.references = 1;
    item.host = true;
    item.menu = menu;
    if (submenu != HostMenu::None) {
        // The host's one hold on its submenu is the item's: neither is ever given up.
        item.submenu = submenu;
        GetMenu(submenu).parent = static_cast<HostMenuItem>(handle);
    }
    GetMenu(menu).items.push_back(static_cast<HostMenuItem>(handle));
    return static_cast<HostMenuItem>(handle);
}

HostMenus::Item* HostMenus::FindItem(HostMenuItem item) {
    auto it = m_items.find(static_cast<uint32_t>(item));
    return it != m_items.end() ? &it->second : nullptr;
}

HostMenus::Menu* HostMenus::FindMenu(HostMenu menu) {
    auto it = m_menus.find(static_cast<uint32_t>(menu));
    return it != m_menus.end() ? &it->second : nullptr;
}

HostMenus::Item& HostMenus::GetItem(HostMenuItem item) {
    Item* found = FindItem(item);
    if (found == nullptr) Fail("unknown menu item");
    return *found;
}

const HostMenus::Item& HostMenus::GetItem(HostMenuItem item) const {
    return const_cast<HostMenus*>(this)->GetItem(item);
}

HostMenus::Menu& HostMenus::GetMenu(HostMenu menu) {
    Menu* found = FindMenu(menu);
    if (found == nullptr) Fail("unknown menu");
    return *found;
}

const HostMenus::Menu& HostMenus::GetMenu(HostMenu menu) const { return const_cast<HostMenus*>(this)->GetMenu(menu); }

void HostMenus::CheckBar(HostMenuBar bar) const {
    if (bar != kMenuBar) Fail("unknown menu bar");
}

void HostMenus::CheckOwner(HostExtension owner) const {
    if (m_host.PluginOf(owner) == nullptr) Fail("unknown extension");
}

HostMenu HostMenus::FindMenuOnBar(const std::string& name) const {
    for (HostMenu top : m_bar) {
        std::vector<HostMenu> pending{top};
        while (!pending.empty()) {
            const HostMenu menu = pending.back();
            pending.pop_back();
            const Menu& found = GetMenu(menu);
            if (found.name == name) return menu;
            // Reversed, so that the first item's submenu is searched first.
            for (auto it = found.items.rbegin(); it != found.items.rend(); ++it) {
                const HostMenu submenu = GetItem(*it).submenu;
                if (submenu != HostMenu::None) pending.push_back(submenu);
            }
        }
    }
    return HostMenu::None;
}

HostMenuItem HostMenus::FindItemOnBar(const std::string& name) const {
    std::vector<HostMenuItem> pending;
    for (auto top = m_bar.rbegin(); top != m_bar.rend(); ++top) {
        const Menu& menu = GetMenu(*top);
        pending.insert(pending.end(), menu.items.rbegin(), menu.items.rend());
    }
    while (!pending.empty()) {
        const HostMenuItem item = pending.back();
        pending.pop_back();
        const Item& found = GetItem(item);
        if (found.name == name) return item;
        if (found.submenu != HostMenu::None) {
            const Menu& submenu = GetMenu(found.submenu);
            pending.insert(pending.end(), submenu.items.rbegin(), submenu.items.rend());
        }
    }
    return HostMenuItem::None;
}

HostMenu HostMenus::AcquireMenuByName(const std::string& name) {
    const HostMenu menu = FindMenuOnBar(name);
    if (menu != HostMenu::None) ++GetMenu(menu).references;
    return menu;
}

HostMenuItem HostMenus::AcquireItemByName(const std::string& name) {
    const HostMenuItem item = FindItemOnBar(name);
    if (item != HostMenuItem::None) ++GetItem(item).references;
    return item;
}

HostMenu HostMenus::NewMenu(const std::string& title, const std::string& name, HostExtension owner) {
    CheckOwner(owner);
    const uint32_t handle = m_next++;
    Menu& menu = m_menus[handle];
    menu.title = title;
    menu.name = name;
    menu.owner = owner;
    menu.references = 1;
    return static_cast<HostMenu>(handle);
}

void HostMenus::ReleaseMenu(HostMenu menu) {
    Menu& found = GetMenu(menu);
    if (found.references <= (found.host ? 1 : 0)) Fail("menu released more often than acquired");
    Release(menu);
}

void HostMenus::Release(HostMenu menu) {
    if (--GetMenu(menu).references == 0) Destroy(menu);
}

void HostMenus::Destroy(HostMenu menu) {
    // Nothing holds it, so no item has it as submenu; its items stay alive for whoever holds them.
    const std::vector<HostMenuItem> items = GetMenu(menu).items;
    m_menus.erase(static_cast<uint32_t>(menu));
    for (HostMenuItem item : items) {
        if (Item* found = FindItem(item)) found->menu = HostMenu::None;
    }
}

int32_t HostMenus::ItemCount(HostMenu menu) const { return static_cast<int32_t>(GetMenu(menu).items.size()); }

int32_t HostMenus::IndexOf(HostMenu menu, HostMenuItem item) const {
    const Menu& found = GetMenu(menu);
    GetItem(item);
    for (std::size_t i = 0; i < found.items.size(); ++i) {
        if (found.items[i] == item) return static_cast<int32_t>(i);
    }
    return -1;
}

void HostMenus::AddItem(HostMenu menu, HostMenuItem item, int32_t position) {
    Menu& target = GetMenu(menu);
    Item& added = GetItem(item);
    if (added.menu != HostMenu::None) Fail("the menu item already stands in a menu");
    // The menu must not lie inside the item's own submenu, or the tree would contain itself.
    for (HostMenu inside = menu; inside != HostMenu::None;) {
        if (inside == added.submenu) Fail("a menu item cannot stand inside its own submenu");
        const HostMenuItem parent = GetMenu(inside).parent;
        inside = parent != HostMenuItem::None ? GetItem(parent).menu : HostMenu::None;
    }
    const auto count = static_cast<int32_t>(target.items.size());
    const int32_t at = position < 0 || position > count ? count : position;
    target.items.insert(target.items.begin() + at, item);
    added.menu = menu;
}

HostMenuItem HostMenus::NewItem(const HostNewMenuItem& wanted) {
    CheckOwner(wanted.owner);
    if (wanted.submenu != HostMenu::None) {
        const Menu& submenu = GetMenu(wanted.submenu);
        if (submenu.parent != HostMenuItem::None) Fail("the menu is already the submenu of another item");
        for (HostMenu top : m_bar) {
            if (top == wanted.submenu) Fail("a menu of the menu bar cannot be a submenu");
        }
    }
    const uint32_t handle = m_next++;
    Item& item = m_items[handle];
    item.title = wanted.title;
    item.name = wanted.name;
    item.submenu = wanted.submenu;
    item.longMenusOnly = wanted.longMenusOnly;
    item.shortcut = wanted.shortcut;
    item.shortcutFlags = wanted.shortcutFlags;
    item.icon = wanted.icon;
    item.owner = wanted.owner;
    item.references = 1;
    if (wanted.submenu != HostMenu::None) {
        Menu& submenu = GetMenu(wanted.submenu);
        submenu.parent = static_cast<HostMenuItem>(handle);
        ++submenu.references;
    }
    return static_cast<HostMenuItem>(handle);
}

void HostMenus::ReleaseItem(HostMenuItem item) {
    const Item& found = GetItem(item);
    if (found.references <= (found.host ? 1 : 0)) Fail("menu item released more often than acquired");
    Release(item);
}

void HostMenus::RemoveItem(HostMenuItem item) {
    const Item& found = GetItem(item);
    if (found.references <= (found.host ? 1 : 0)) Fail("menu item released more often than acquired");
    TakeOut(item);
    Release(item);
}

void HostMenus::TakeOut(HostMenuItem item) {
    Item& found = GetItem(item);
    if (found.menu == HostMenu::None) return;
    std::erase(GetMenu(found.menu).items, item);
    found.menu = HostMenu::None;
}

void HostMenus::Release(HostMenuItem item) {
    if (--GetItem(item).references == 0) Destroy(item);
}

void HostMenus::Destroy(HostMenuItem item) {
    TakeOut(item);
    const HostMenu submenu = GetItem(item).submenu;
    m_items.erase(static_cast<uint32_t>(item));
    if (submenu != HostMenu::None) {
        GetMenu(submenu).parent = HostMenuItem::None;
        Release(submenu);
    }
}

const std::string& HostMenus::NameOf(HostMenuItem item) const { return GetItem(item).name; }

HostMenu HostMenus::AcquireSubmenu(HostMenuItem item) {
    const HostMenu submenu = GetItem(item).submenu;
    if (submenu != HostMenu::None) ++GetMenu(submenu).references;
    return submenu;
}

void HostMenus::SetExecute(HostMenuItem item, HostCommandCallback callback) {
    GetItem(item).command.execute = callback;
}

void HostMenus::SetComputeEnabled(HostMenuItem item, HostCommandCallback callback) {
    GetItem(item).command.computeEnabled = callback;
}

void HostMenus::SetComputeMarked(HostMenuItem item, HostCommandCallback callback) {
    GetItem(item).command.computeMarked = callback;
}

void HostMenus::AddToolbarMenu(const std::string& toolbarName, const std::string& toolbarTitle) {
    const HostMenu tools = FindMenuOnBar("Tools");
    if (tools == HostMenu::None) return;  // a host without a Tools menu lists its toolbars nowhere
    const HostMenu submenu = HostSubmenu(toolbarTitle, toolbarName + ":Menu");
    HostItem(submenu, "Show " + toolbarTitle + " Toolbar", toolbarName + ":Show");
    HostItem(tools, toolbarTitle, toolbarName, submenu);
}

std::size_t HostMenus::CountOwnedBy(HostExtension owner) const {
    std::size_t count = 0;
    for (const auto& [handle, menu] : m_menus) count += menu.owner == owner ? 1 : 0;
    for (const auto& [handle, item] : m_items) count += item.owner == owner ? 1 : 0;
    return count;
}

bool HostMenus::RemoveHostMenu(const std::string& name) {
    for (auto it = m_bar.begin(); it != m_bar.end(); ++it) {
        if (GetMenu(*it).name == name) {
            const HostMenu menu = *it;
            m_bar.erase(it);
            Release(menu);
            return true;
        }
    }
    return false;
}

std::vector<std::string> HostMenus::ItemNames(const std::string& menuName) const {
    std::vector<std::string> names;
    const HostMenu menu = FindMenuOnBar(menuName);
    if (menu == HostMenu::None) return names;
    for (HostMenuItem item : GetMenu(menu).items) names.push_back(GetItem(item).name);
    return names;
}

bool HostMenus::HasItem(const std::string& name) const { return FindItemOnBar(name) != HostMenuItem::None; }

std::string HostMenus::TitleOf(const std::string& itemName) const {
    const HostMenuItem item = FindItemOnBar(itemName);
    return item != HostMenuItem::None ? GetItem(item).title : "";
}

void HostMenus::Snapshot(HostMenu menu, int depth, std::vector<Entry>& lines) const {
    for (HostMenuItem handle : GetMenu(menu).items) {
        const Item& item = GetItem(handle);
        Entry line{depth, false, "", item.name, item.title == kSeparatorTitle, item.command};
        line.title = item.title;
        line.icon = item.icon;
        line.opens = item.submenu != HostMenu::None;
        if (item.shortcut != 0) line.shortcut = ShortcutText(item.shortcut, item.shortcutFlags);
        if (line.separator) {
            line.text = "----------";
        } else {
            line.text = (item.icon != nullptr ? "(icon) " : "") + item.title;
            if (item.submenu != HostMenu::None) line.text += " >";
            if (item.shortcut != 0) line.text += "  " + ShortcutText(item.shortcut, item.shortcutFlags);
        }
        lines.push_back(line);
        if (item.submenu != HostMenu::None) Snapshot(item.submenu, depth + 1, lines);
    }
}

std::vector<HostMenus::Entry> HostMenus::Entries() {
    std::vector<Entry> lines;
    for (HostMenu menu : m_bar) {
        lines.push_back({0, true, GetMenu(menu).title, GetMenu(menu).name, false, {}});
        lines.back().title = GetMenu(menu).title;
        Snapshot(menu, 1, lines);
    }
    for (Entry& line : lines) {
        if (line.isMenu || line.separator) continue;
        line.enabled = HostCommandEnabled(m_host, line.command, "menu item");
        line.marked = HostCommandMarked(m_host, line.command, "menu item");
    }
    return lines;
}

void HostMenus::Print(std::ostream& out) {
    out << "Menu bar\n";
    for (const Entry& line : Entries()) {
        const std::string indent(2 + 2 * line.depth, ' ');
        if (line.isMenu) {
            out << indent << line.text << "\n";
            continue;
        }
        out << indent << (line.marked ? "* " : "  ") << line.text << (line.enabled ? "" : "  (disabled)") << "  ["
            << line.name << "]\n";
    }
}

std::string HostMenus::Text() {
    std::ostringstream text;
    Print(text);
    return text.str();
}

HostClickResult HostMenus::Click(const std::string& name, int32_t modifiers) {
    const HostMenuItem item = FindItemOnBar(name);
    if (item == HostMenuItem::None) {
        m_host.Out() << "[menu] no menu item \"" << name << "\"\n";
        return HostClickResult::NotFound;
    }
    const Item& found = GetItem(item);
    const std::string title = found.title;
    if (found.submenu != HostMenu::None) {
        m_host.Out() << "[menu] " << title << " >\n";  // opens the submenu; only its items do something
        return HostClickResult::Executed;
    }
    return HostCommandClick(m_host, found.command, modifiers, "menu item", [&](bool enabled) {
        m_host.Out() << "[menu] " << title << (enabled ? "" : " (disabled: nothing happens)") << "\n";
    });
}
