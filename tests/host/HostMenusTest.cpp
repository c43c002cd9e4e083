// The host's menus and toolbars through its AcroView entries, as a plug-in meets them: where items go, bad
// handles and values refused with a host error, and what a user's click reaches. The bars as the plug-ins
// build, show and release them are the probe's (tests/acrobatlib/XCHG) and the editor's journeys.
#include <vector>

#include "HostEntryTest.h"

namespace {

using View = HostAcroViewTable;

int g_executions = 0;
int32_t g_modifiersSeen = -1;

void CountExecution(void*) {
    ++g_executions;
    g_modifiersSeen = View::View_KeyModifiers();
}
HostBool AnswerNo(void*) { return 0; }
HostBool AnswerYes(void*) { return 1; }

class HostBarEntries : public HostEntryTest {
protected:
    explicit HostBarEntries(HostConfig config = HostConfig()) : HostEntryTest(std::move(config)) {
        g_executions = 0;
        g_modifiersSeen = -1;
    }
};

class HostMenuEntries : public HostBarEntries {
protected:
    using HostBarEntries::HostBarEntries;

    HostMenu MenuByName(const char* name) {
        return Value([&] { return View::View_MenuByName(View::View_MenuBar(), name); });
    }
    HostMenuItem NewItem(const char* title, const char* name, HostMenu submenu = HostMenu::None) {
        return Value([&] { return View::View_NewMenuItem(title, name, submenu, 0, 0, 0, nullptr, owner); });
    }
    HostMenu NewMenu(const char* name) {
        return Value([&] { return View::View_NewMenu("", name, owner); });
    }
};

TEST_F(HostMenuEntries, ItemsGoWhereTheyAreAdded) {
    const HostMenu window = MenuByName("Window");
    const HostMenuItem first = NewItem("First", "P:First");
    const HostMenuItem last = NewItem("Last", "P:Last");
    const HostMenuItem behind = NewItem("Behind", "P:Behind");
    const HostMenuItem second = NewItem("Second", "P:Second");
    ASSERT_TRUE(Entry([&] {
        View::View_AddMenuItem(window, first, 0);
        View::View_AddMenuItem(window, last, 9999);
        View::View_AddMenuItem(window, behind, -1);
        View::View_AddMenuItem(window, second, 1);
    }));
    EXPECT_EQ(host->Menus().ItemNames("Window"),
              (std::vector<std::string>{"P:First", "P:Second", "Cascade", "TileHorizontal", "endWindowGroup1", "Split",
                                        "P:Last", "P:Behind"}));
    const HostMenu help = MenuByName("Help");
    EXPECT_EQ(Value([&] { return View::View_MenuItemCount(window); }), 8);
    EXPECT_EQ(Value([&] { return View::View_MenuItemIndex(window, last); }), 6);
    EXPECT_EQ(Value([&] { return View::View_MenuItemIndex(help, last); }), -1);
}

TEST_F(HostMenuEntries, BadHandlesAndValuesFailWithAHostError) {
    const HostMenu tools = MenuByName("Tools");
    const HostMenuItem item = NewItem("Mine", "P:Mine");
    const auto unknownMenu = static_cast<HostMenu>(0x7FFFFFF0);
    const auto unknownItem = static_cast<HostMenuItem>(0x7FFFFFF0);
    EXPECT_TRUE(Fails([&] { View::View_MenuByName(static_cast<HostMenuBar>(2), "Tools"); }));
    EXPECT_TRUE(Fails([&] { View::View_MenuByName(View::View_MenuBar(), nullptr); }));
    EXPECT_TRUE(Fails([&] { View::View_MenuItemCount(unknownMenu); }));
    EXPECT_TRUE(Fails([&] { View::View_MenuItemCount(HostMenu::None); }));
    EXPECT_TRUE(Fails([&] { View::View_MenuItemIndex(tools, unknownItem); }));
    EXPECT_TRUE(Fails([&] { View::View_AddMenuItem(unknownMenu, item, 0); }));
    EXPECT_TRUE(Fails([&] { View::View_AddMenuItem(tools, HostMenuItem::None, 0); }));
    EXPECT_TRUE(Fails([&] { View::View_NewMenuItem("T", nullptr, HostMenu::None, 0, 0, 0, nullptr, owner); }));
    EXPECT_TRUE(Fails([&] { View::View_NewMenuItem("T", "N", unknownMenu, 0, 0, 0, nullptr, owner); }));
    EXPECT_TRUE(Fails([&] { View::View_NewMenuItem("T", "N", tools, 0, 0, 0, nullptr, owner); }));  // on the bar
    EXPECT_TRUE(Fails([&] { View::View_NewMenuItem("T", "N", HostMenu::None, 0, 0, 0, nullptr, HostExtension(77)); }));
    EXPECT_TRUE(Fails([&] { View::View_NewMenu("T", "N", HostExtension::None); }));
    EXPECT_TRUE(Fails([&] { View::View_SetMenuItemExecute(item, static_cast<HostCallback>(0x7FFFFFF0), nullptr); }));
    EXPECT_TRUE(Fails([&] { View::View_SetMenuItemComputeEnabled(unknownItem, HostCallback::None, nullptr); }));
    EXPECT_TRUE(Fails([&] { View::View_SubmenuOfMenuItem(unknownItem); }));
    EXPECT_TRUE(Fails([&] { View::View_MenuItemNameAtom(HostMenuItem::None); }));

    // An item stands in one menu at a time, and a menu is the submenu of one item.
    Entry([&] { View::View_AddMenuItem(tools, item, 0); });
    EXPECT_TRUE(Fails([&] { View::View_AddMenuItem(tools, item, 0); }));
    const HostMenu submenu = NewMenu("P:Sub");
    const HostMenuItem parent = NewItem("Parent", "P:Parent", submenu);
    EXPECT_TRUE(Fails([&] { View::View_NewMenuItem("T", "N", submenu, 0, 0, 0, nullptr, owner); }));
    // A tree that would contain itself.
    EXPECT_TRUE(Fails([&] { View::View_AddMenuItem(submenu, parent, 0); }));
    const HostMenu inner = NewMenu("P:Inner");
    const HostMenuItem innerParent = NewItem("Inner", "P:InnerParent", inner);
    Entry([&] { View::View_AddMenuItem(submenu, innerParent, 0); });
    EXPECT_TRUE(Fails([&] { View::View_AddMenuItem(inner, parent, 0); }));
    EXPECT_EQ(host->Menus().ItemNames("Tools").front(), "P:Mine");  // and the host goes on
}

TEST_F(HostMenuEntries, ClickFindsOnlyWhatTheUserCanReach) {
    EXPECT_EQ(host->Menus().Click("P:Nowhere"), HostClickResult::NotFound);
    EXPECT_NE(out.str().find("[menu] no menu item \"P:Nowhere\"\n"), std::string::npos);
    const HostMenuItem loose = NewItem("Loose", "P:Loose");  // in no menu
    Entry([&] { View::View_SetMenuItemExecute(loose, Callback(CountExecution), nullptr); });
    EXPECT_EQ(host->Menus().Click("P:Loose"), HostClickResult::NotFound);
    EXPECT_EQ(host->Menus().Click("PagesMenu"), HostClickResult::Executed);  // opens the submenu
    EXPECT_EQ(host->Menus().Click("CropPages"), HostClickResult::Executed);  // a host item with no action
    EXPECT_EQ(g_executions, 0);
}

// ---- Toolbars ----

class HostToolbarEntries : public HostBarEntries {
protected:
    HostToolbarEntries() : HostBarEntries(Room(3)) {}
    static HostConfig Room(int room) {
        HostConfig config;
        config.toolbarRoom = room;
        return config;
    }
    HostAtom Atom(const char* name) { return host->Atoms().FromName(name); }
    HostToolButton NewButton(const char* name) {
        return Value([&] { return View::View_NewToolButton(Atom(name), nullptr, 0, 0); });
    }
    HostToolbar NewFlyout() {
        return Value([] { return View::View_NewFlyout(); });
    }
};

TEST_F(HostToolbarEntries, BadHandlesAndValuesFailWithAHostError) {
    const HostToolbar toolbar = View::View_Toolbar();
    const auto unknownButton = static_cast<HostToolButton>(0x7FFFFFF0);
    const auto unknownBar = static_cast<HostToolbar>(0x7FFFFFF0);
    const HostToolButton button = NewButton("P:Mine");
    EXPECT_TRUE(Fails([&] { View::View_NewToolButton(static_cast<HostAtom>(0x7FFFFFF0), nullptr, 0, 0); }));
    EXPECT_TRUE(Fails([&] { View::View_ToolButtonByName(unknownBar, Atom("Hand")); }));
    EXPECT_TRUE(Fails([&] { View::View_ToolButtonByName(toolbar, static_cast<HostAtom>(0x7FFFFFF0)); }));
    EXPECT_TRUE(Fails([&] { View::View_AddToolButton(toolbar, unknownButton, 0, HostToolButton::None); }));
    EXPECT_TRUE(Fails([&] { View::View_AddToolButton(toolbar, button, 0, unknownButton); }));
    EXPECT_TRUE(Fails([&] { View::View_AddToolButton(HostToolbar::None, button, 0, HostToolButton::None); }));
    EXPECT_TRUE(Fails([&] { View::View_ReleaseFlyout(toolbar); }));  // not a flyout
    EXPECT_TRUE(Fails([&] { View::View_AttachFlyout(button, toolbar); }));
    const auto unknownCallback = static_cast<HostCallback>(0x7FFFFFF0);
    EXPECT_TRUE(Fails([&] { View::View_SetToolButtonExecute(button, unknownCallback, nullptr); }));
    EXPECT_TRUE(Fails([&] { View::View_SetToolButtonHelpText(unknownButton, "Help"); }));
    EXPECT_TRUE(Fails([&] { View::View_ToolButtonName(HostToolButton::None); }));

    Entry([&] { View::View_AddToolButton(toolbar, button, 0, HostToolButton::None); });
    EXPECT_TRUE(Fails([&] { View::View_AddToolButton(toolbar, button, 0, HostToolButton::None); }));
    // A flyout hangs on one button, and cannot hold the button it hangs on.
    const HostToolbar flyout = NewFlyout();
    const HostToolButton other = NewButton("P:Other");
    const HostToolButton inner = NewButton("P:Inner");
    ASSERT_TRUE(Entry([&] {
        View::View_AttachFlyout(button, flyout);
        View::View_AddToolButton(flyout, inner, 0, HostToolButton::None);
    }));
    EXPECT_TRUE(Fails([&] { View::View_AttachFlyout(other, flyout); }));
    const HostToolbar innerFlyout = NewFlyout();
    Entry([&] { View::View_AttachFlyout(inner, innerFlyout); });
    EXPECT_TRUE(Fails([&] { View::View_AddToolButton(innerFlyout, button, 0, HostToolButton::None); }));
    EXPECT_TRUE(Fails([&] { View::View_AttachFlyout(inner, flyout); }));
    EXPECT_EQ(host->Toolbars().FlyoutButtonNames("P:Mine"),
              std::vector<std::string>{"P:Inner"});  // and the host goes on
}

TEST_F(HostToolbarEntries, ClickAsksEnabledThenExecutesWithModifiersHeld) {
    const HostToolbar toolbar = View::View_Toolbar();
    const HostToolButton button = NewButton("P:Run");
    const HostToolButton inside = NewButton("P:InFlyout");
    const HostToolbar flyout = NewFlyout();
    ASSERT_TRUE(Entry([&] {
        View::View_SetToolButtonExecute(button, Callback(CountExecution), nullptr);
        View::View_SetToolButtonComputeEnabled(button, Callback(AnswerYes), nullptr);
        View::View_SetToolButtonExecute(inside, Callback(CountExecution), nullptr);
        View::View_AddToolButton(flyout, inside, 0, HostToolButton::None);
        View::View_AttachFlyout(button, flyout);
        View::View_AddToolButton(toolbar, button, 0, HostToolButton::None);
    }));
    EXPECT_EQ(host->Toolbars().Click("P:Run", kHostKeyControl), HostClickResult::Executed);
    EXPECT_EQ(g_modifiersSeen, kHostKeyControl);
    EXPECT_EQ(View::View_KeyModifiers(), 0);
    EXPECT_EQ(host->Toolbars().Click("P:InFlyout", kHostKeyAlt), HostClickResult::Executed);
    EXPECT_EQ(g_modifiersSeen, kHostKeyAlt);
    EXPECT_EQ(g_executions, 2);

    Entry([&] { View::View_SetToolButtonComputeEnabled(button, Callback(AnswerNo), nullptr); });
    EXPECT_EQ(host->Toolbars().Click("P:Run"), HostClickResult::Disabled);
    EXPECT_EQ(g_executions, 2);
    EXPECT_EQ(host->Toolbars().Click("endToolsGroup"), HostClickResult::NotFound);  // a separator
    EXPECT_EQ(host->Toolbars().Click("P:Nowhere"), HostClickResult::NotFound);
    // Taken off the toolbar, a button is out of the user's reach.
    Entry([&] { View::View_AttachFlyout(button, HostToolbar::None); });
    EXPECT_EQ(host->Toolbars().Click("P:InFlyout"), HostClickResult::NotFound);
}

}  // namespace
