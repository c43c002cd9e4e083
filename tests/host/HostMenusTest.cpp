// The host's menus and toolbars through its AcroView entries, as a plug-in meets them: the menus and the
// toolbar a real host has, where items and buttons go, toolbar room, flyouts, named and docked toolbars, who
// holds what for how long, bad handles and values refused with a host error, and the bars as a user sees and
// clicks them.
#include <cstring>
#include <vector>

#include "HostEntryTest.h"

namespace {

using View = HostAcroViewTable;

int g_executions = 0;
void* g_clientData = nullptr;
int32_t g_modifiersSeen = -1;
int g_stateQuestions = 0;

void CountExecution(void* clientData) {
    ++g_executions;
    g_clientData = clientData;
    g_modifiersSeen = View::View_KeyModifiers();
}
HostBool AnswerNo(void*) {
    ++g_stateQuestions;
    return 0;
}
HostBool AnswerYes(void*) {
    ++g_stateQuestions;
    return 1;
}
// A callback whose host call fails: the host's raise ends it.
void RaiseInside(void*) { View::View_ReleaseMenu(static_cast<HostMenu>(0x7FFFFFF0)); }

class HostBarEntries : public HostEntryTest {
protected:
    explicit HostBarEntries(HostConfig config = HostConfig()) : HostEntryTest(std::move(config)) {
        g_executions = 0;
        g_clientData = nullptr;
        g_modifiersSeen = -1;
        g_stateQuestions = 0;
    }
};

class HostMenuEntries : public HostBarEntries {
protected:
    using HostBarEntries::HostBarEntries;

    HostMenu MenuByName(const char* name) {
        return Value([&] { return View::View_MenuByName(View::View_MenuBar(), name); });
    }
    HostMenuItem ItemByName(const char* name) {
        return Value([&] { return View::View_MenuItemByName(View::View_MenuBar(), name); });
    }
    HostMenuItem NewItem(const char* title, const char* name, HostMenu submenu = HostMenu::None) {
        return Value([&] { return View::View_NewMenuItem(title, name, submenu, 0, 0, 0, nullptr, owner); });
    }
    HostMenu NewMenu(const char* name) {
        return Value([&] { return View::View_NewMenu("", name, owner); });
    }
    std::string Name(HostMenuItem item) {
        char name[64] = "";
        Entry([&] { View::View_MenuItemName(item, name, sizeof name); });
        return name;
    }
};

TEST_F(HostMenuEntries, HasTheMenusAndItemsThatPlugInsLookFor) {
    for (const char* name :
         {"File", "Edit", "View", "Document", "Tools", "Advanced", "Window", "Help", "UsingExtensions"}) {
        const HostMenu menu = MenuByName(name);
        EXPECT_NE(menu, HostMenu::None) << name;
        EXPECT_TRUE(Entry([&] { View::View_ReleaseMenu(menu); })) << name;
    }
    const HostMenuItem about = ItemByName("AboutExtensions");
    ASSERT_NE(about, HostMenuItem::None);
    const HostMenu submenu = Value([&] { return View::View_SubmenuOfMenuItem(about); });
    EXPECT_NE(submenu, HostMenu::None);
    EXPECT_TRUE(Entry([&] {
        View::View_ReleaseMenuItem(about);
        View::View_ReleaseMenu(submenu);
    }));

    const HostMenu advanced = MenuByName("Advanced");
    const HostMenuItem groupEnd = ItemByName("endTooldGroup1");
    const int32_t index = Value([&] { return View::View_MenuItemIndex(advanced, groupEnd); });
    EXPECT_EQ(host->Menus().ItemNames("Advanced").at(index), "endTooldGroup1");
    EXPECT_EQ(MenuByName("NoSuchMenu"), HostMenu::None);
    EXPECT_EQ(ItemByName("NoSuchItem"), HostMenuItem::None);
    // Version 7 lists no toolbar in Tools.
    const std::vector<std::string> tools = host->Menus().ItemNames("Tools");
    ASSERT_TRUE(Entry([&] { View::View_NewToolbar("P:Bar", "My Bar"); }));
    EXPECT_EQ(host->Menus().ItemNames("Tools"), tools);
}

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

TEST_F(HostMenuEntries, NameIsReadWholeOrCutAndAsAnAtom) {
    const HostMenuItem item = NewItem("Title", "Plugin:LongItemName");
    char cut[7] = "xxxxxx";
    int32_t length = 0;
    HostAtom atom = HostAtom::None;
    ASSERT_TRUE(Entry([&] {
        length = View::View_MenuItemName(item, cut, sizeof cut);
        atom = View::View_MenuItemNameAtom(item);
    }));
    EXPECT_EQ(length, 19);  // the whole name's length
    EXPECT_STREQ(cut, "Plugin");
    EXPECT_STREQ(host->Atoms().NameOf(atom), "Plugin:LongItemName");
    EXPECT_EQ(Name(item), "Plugin:LongItemName");
}

TEST_F(HostMenuEntries, AnItemNobodyHoldsLeavesItsMenu) {
    const HostMenu tools = MenuByName("Tools");
    const HostMenuItem item = NewItem("Mine", "P:Mine");
    Entry([&] { View::View_AddMenuItem(tools, item, 0); });
    ASSERT_TRUE(host->Menus().HasItem("P:Mine"));
    EXPECT_TRUE(Entry([&] { View::View_ReleaseMenuItem(item); }));
    EXPECT_FALSE(host->Menus().HasItem("P:Mine"));
    EXPECT_TRUE(Fails([&] { View::View_MenuItemName(item, nullptr, 0); }));  // the handle is gone for good
    EXPECT_EQ(host->Menus().CountOwnedBy(owner), 0u);
}

TEST_F(HostMenuEntries, RemovingTakesTheItemOutAndGivesOneReferenceBack) {
    const HostMenu tools = MenuByName("Tools");
    const HostMenuItem item = NewItem("Mine", "P:Mine");
    Entry([&] { View::View_AddMenuItem(tools, item, 0); });
    const HostMenuItem found = ItemByName("P:Mine");  // a second reference
    ASSERT_EQ(found, item);
    EXPECT_TRUE(Entry([&] { View::View_RemoveMenuItem(item); }));
    EXPECT_FALSE(host->Menus().HasItem("P:Mine"));
    EXPECT_EQ(Name(item), "P:Mine");  // still held once
    EXPECT_TRUE(Entry([&] { View::View_ReleaseMenuItem(item); }));
    EXPECT_TRUE(Fails([&] { View::View_ReleaseMenuItem(item); }));
    EXPECT_EQ(host->Menus().CountOwnedBy(owner), 0u);
}

TEST_F(HostMenuEntries, HostThingsAreReleasedNoMoreOftenThanAcquired) {
    const HostMenuItem quit = ItemByName("Quit");
    EXPECT_TRUE(Entry([&] { View::View_ReleaseMenuItem(quit); }));
    EXPECT_TRUE(Fails([&] { View::View_ReleaseMenuItem(quit); }));
    EXPECT_TRUE(Fails([&] { View::View_RemoveMenuItem(quit); }));
    EXPECT_EQ(host->Menus().ItemNames("File").back(), "Quit");  // untouched by the failed calls

    const HostMenu file = MenuByName("File");
    EXPECT_TRUE(Entry([&] { View::View_ReleaseMenu(file); }));
    EXPECT_TRUE(Fails([&] { View::View_ReleaseMenu(file); }));
    EXPECT_NE(MenuByName("File"), HostMenu::None);
}

TEST_F(HostMenuEntries, AnItemHoldsItsSubmenu) {
    const HostMenu submenu = NewMenu("P:Sub");
    const HostMenuItem inside = NewItem("Inside", "P:Inside");
    const HostMenuItem item = NewItem("Parent", "P:Parent", submenu);
    const HostMenu tools = MenuByName("Tools");
    ASSERT_TRUE(Entry([&] {
        View::View_AddMenuItem(submenu, inside, 0);
        View::View_AddMenuItem(tools, item, 9999);
        View::View_ReleaseMenu(submenu);  // the item still holds it
    }));
    HostMenu found = MenuByName("P:Sub");
    EXPECT_EQ(found, submenu);
    Entry([&] { View::View_ReleaseMenu(found); });
    EXPECT_EQ(host->Menus().ItemNames("P:Sub"), std::vector<std::string>{"P:Inside"});

    const std::size_t menus = host->Menus().MenuCount();
    EXPECT_TRUE(Entry([&] { View::View_RemoveMenuItem(item); }));
    EXPECT_EQ(host->Menus().MenuCount(), menus - 1);  // the submenu went with its item
    EXPECT_TRUE(Fails([&] { View::View_MenuItemCount(submenu); }));
    EXPECT_EQ(Name(inside), "P:Inside");  // still held by whoever made it
    Entry([&] { View::View_ReleaseMenuItem(inside); });
    EXPECT_EQ(host->Menus().CountOwnedBy(owner), 0u);
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

TEST_F(HostMenuEntries, PrintsTitlesStatesSeparatorsAndNames) {
    const HostMenu window = MenuByName("Window");
    const HostMenuItem item = NewItem("Shown", "P:Shown");
    const HostMenuItem marked = NewItem("Chosen", "P:Chosen");
    HostMenuItem shortcut = HostMenuItem::None;
    static int picture;
    ASSERT_TRUE(Entry([&] {
        shortcut = View::View_NewMenuItem("Keyed", "P:Keyed", HostMenu::None, 0, 'K', 3, &picture, owner);
        View::View_AddMenuItem(window, item, 9999);
        View::View_AddMenuItem(window, marked, 9999);
        View::View_AddMenuItem(window, shortcut, 9999);
        View::View_SetMenuItemComputeEnabled(item, Callback(AnswerNo), nullptr);
        View::View_SetMenuItemComputeMarked(marked, Callback(AnswerYes), nullptr);
    }));
    const std::string text = host->Menus().Text();
    EXPECT_EQ(text.substr(0, 20), "Menu bar\n  File\n    ");
    EXPECT_NE(text.find("  Window\n"
                        "      Cascade  [Cascade]\n"
                        "      Tile Horizontally  [TileHorizontal]\n"
                        "      ----------  [endWindowGroup1]\n"
                        "      Split  [Split]\n"
                        "      Shown  (disabled)  [P:Shown]\n"
                        "    * Chosen  [P:Chosen]\n"
                        "      (icon) Keyed  Ctrl+Shift+Alt+K  [P:Keyed]\n"
                        "  Help\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(LineOf(text, "PagesMenu"), "Pages >  [PagesMenu]");
    EXPECT_EQ(LineOf(text, "CropPages"), "Crop Pages...  [CropPages]");
    EXPECT_EQ(g_stateQuestions, 2);  // each state asked once
}

TEST_F(HostMenuEntries, ClickAsksEnabledThenExecutesWithModifiersHeld) {
    const HostMenu window = MenuByName("Window");
    const HostMenuItem item = NewItem("Run", "P:Run");
    int clientData = 0;
    const HostCallback enabled = Callback(AnswerYes);
    ASSERT_TRUE(Entry([&] {
        View::View_AddMenuItem(window, item, 0);
        View::View_SetMenuItemExecute(item, Callback(CountExecution), &clientData);
        View::View_SetMenuItemComputeEnabled(item, enabled, nullptr);
    }));
    EXPECT_EQ(host->Menus().Click("P:Run", kHostKeyShift | kHostKeyControl), HostClickResult::Executed);
    EXPECT_EQ(g_stateQuestions, 1);
    EXPECT_EQ(g_executions, 1);
    EXPECT_EQ(g_clientData, &clientData);
    EXPECT_EQ(g_modifiersSeen, 9);
    EXPECT_EQ(View::View_KeyModifiers(), 0);  // released with the click

    Entry([&] { View::View_SetMenuItemComputeEnabled(item, Callback(AnswerNo), nullptr); });
    EXPECT_EQ(host->Menus().Click("P:Run"), HostClickResult::Disabled);
    EXPECT_EQ(g_executions, 1);
    EXPECT_NE(out.str().find("[menu] Run (disabled: nothing happens)\n"), std::string::npos);

    // A destroyed callback is no callback: enabled, and nothing to run.
    Entry([&] { View::View_SetMenuItemComputeEnabled(item, enabled, nullptr); });
    host->Callbacks().Remove(enabled);
    EXPECT_EQ(host->Menus().Click("P:Run"), HostClickResult::Executed);
    EXPECT_EQ(g_executions, 2);
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

TEST_F(HostMenuEntries, AFailingCallbackEndsOnlyItsCall) {
    const HostMenu window = MenuByName("Window");
    const HostMenuItem item = NewItem("Broken", "P:Broken");
    ASSERT_TRUE(Entry([&] {
        View::View_AddMenuItem(window, item, 0);
        View::View_SetMenuItemExecute(item, Callback(RaiseInside), nullptr);
    }));
    EXPECT_EQ(host->Menus().Click("P:Broken"), HostClickResult::Failed);
    EXPECT_NE(out.str().find("[error] menu item execute: "), std::string::npos) << out.str();
    Entry([&] { View::View_SetMenuItemComputeEnabled(item, Callback(RaiseInside), nullptr); });
    EXPECT_EQ(LineOf(host->Menus().Text(), "P:Broken"), "Broken  (disabled)  [P:Broken]");
    EXPECT_EQ(host->Frames().Depth(), 0u);
}

class HostMenuEntriesOfVersion6 : public HostMenuEntries {
protected:
    static HostConfig Version6() {
        HostConfig config;
        config.versionMajor = 6;
        return config;
    }
    HostMenuEntriesOfVersion6() : HostMenuEntries(Version6()) {}
};

TEST_F(HostMenuEntriesOfVersion6, ListsANewToolbarInToolsWithOneEntry) {
    ASSERT_TRUE(Entry([&] { View::View_NewToolbar("P:Bar", "My Bar"); }));
    EXPECT_EQ(host->Menus().ItemNames("Tools").back(), "P:Bar");
    EXPECT_EQ(host->Menus().TitleOf("P:Bar"), "My Bar");
    const HostMenuItem item = ItemByName("P:Bar");
    int32_t count = 0;
    ASSERT_TRUE(Entry([&] {
        const HostMenu submenu = View::View_SubmenuOfMenuItem(item);
        count = View::View_MenuItemCount(submenu);
        View::View_ReleaseMenu(submenu);
        View::View_ReleaseMenuItem(item);
    }));
    EXPECT_EQ(count, 1);
    EXPECT_EQ(host->Menus().TitleOf("P:Bar:Show"), "Show My Bar Toolbar");
}

// ---- Toolbars ----

using Names = std::vector<std::string>;

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
    HostToolButton ByName(HostToolbar toolbar, const char* name) {
        return Value([&] { return View::View_ToolButtonByName(toolbar, Atom(name)); });
    }
    bool HasRoom(HostToolbar toolbar, int32_t buttons, int32_t separators) {
        return Value([&] { return View::View_ToolbarHasRoom(toolbar, buttons, separators); }) != 0;
    }
    HostToolbar NewFlyout() {
        return Value([] { return View::View_NewFlyout(); });
    }
    Names HostButtons() const { return host->Toolbars().ButtonNames("Toolbar"); }

    const Names kHostButtons{"Open", "Save", "Print", "endFileGroup", "Hand", "SelectText", "ZoomIn", "endToolsGroup"};
};

TEST_F(HostToolbarEntries, HostToolbarHasItsButtonsAndEndsTheToolGroup) {
    const HostToolbar toolbar = View::View_Toolbar();
    EXPECT_EQ(HostButtons(), kHostButtons);
    const HostToolButton groupEnd = ByName(toolbar, "endToolsGroup");
    EXPECT_NE(groupEnd, HostToolButton::None);
    EXPECT_STREQ(host->Atoms().NameOf(Value([&] { return View::View_ToolButtonName(groupEnd); })), "endToolsGroup");
    EXPECT_EQ(ByName(toolbar, ""), HostToolButton::None);
    EXPECT_EQ(ByName(toolbar, "NoSuchButton"), HostToolButton::None);
    EXPECT_EQ(Value([] { return View::View_ToolbarByName("Toolbar"); }), toolbar);
}

TEST_F(HostToolbarEntries, ButtonsGoNextToTheirNeighbourOrFirstOrLast) {
    const HostToolbar toolbar = View::View_Toolbar();
    const HostToolButton before = NewButton("P:Before");
    const HostToolButton after = NewButton("P:After");
    const HostToolButton first = NewButton("P:First");
    const HostToolButton last = NewButton("P:Last");
    ASSERT_TRUE(Entry([&] {
        View::View_AddToolButton(toolbar, before, 1, ByName(toolbar, "endToolsGroup"));
        View::View_AddToolButton(toolbar, after, 0, ByName(toolbar, "Open"));
        View::View_AddToolButton(toolbar, first, 1, HostToolButton::None);
        View::View_AddToolButton(toolbar, last, 0, HostToolButton::None);
    }));
    EXPECT_EQ(HostButtons(), (Names{"P:First", "Open", "P:After", "Save", "Print", "endFileGroup", "Hand", "SelectText",
                                    "ZoomIn", "P:Before", "endToolsGroup", "P:Last"}));

    // A neighbour standing elsewhere is no neighbour here.
    const HostToolbar flyout = NewFlyout();
    const HostToolButton inFlyout = NewButton("P:InFlyout");
    const HostToolButton placed = NewButton("P:Placed");
    ASSERT_TRUE(Entry([&] {
        View::View_AddToolButton(flyout, inFlyout, 0, HostToolButton::None);
        View::View_AddToolButton(toolbar, placed, 0, inFlyout);
    }));
    EXPECT_EQ(HostButtons().back(), "P:Placed");
}

TEST_F(HostToolbarEntries, RoomIsWhatThePlugInsHaveNotTakenYet) {
    const HostToolbar toolbar = View::View_Toolbar();
    EXPECT_TRUE(HasRoom(toolbar, 2, 1));
    EXPECT_FALSE(HasRoom(toolbar, 3, 1));
    const HostToolButton button = NewButton("P:Taking");
    Entry([&] { View::View_AddToolButton(toolbar, button, 0, HostToolButton::None); });
    EXPECT_TRUE(HasRoom(toolbar, 1, 1));
    EXPECT_FALSE(HasRoom(toolbar, 2, 1));
    Entry([&] { View::View_ReleaseToolButton(button); });
    EXPECT_TRUE(HasRoom(toolbar, 2, 1));  // given back
    EXPECT_TRUE(HasRoom(NewFlyout(), 100, 100));
    EXPECT_TRUE(Fails([&] { View::View_ToolbarHasRoom(toolbar, -1, 0); }));
}

TEST_F(HostToolbarEntries, AFlyoutHangsOnItsButtonWhichHoldsIt) {
    const HostToolbar toolbar = View::View_Toolbar();
    const HostToolButton button = NewButton("P:WithFlyout");
    const HostToolButton inside = NewButton("P:Inside");
    const HostToolbar flyout = NewFlyout();
    ASSERT_TRUE(Entry([&] {
        View::View_AttachFlyout(button, flyout);
        View::View_AddToolButton(flyout, inside, 0, HostToolButton::None);
        View::View_AddToolButton(toolbar, button, 1, ByName(toolbar, "endToolsGroup"));
        View::View_ReleaseFlyout(flyout);  // the button still holds it
    }));
    EXPECT_EQ(host->Toolbars().FlyoutButtonNames("P:WithFlyout"), Names{"P:Inside"});
    EXPECT_EQ(ByName(flyout, "P:Inside"), inside);

    const std::size_t bars = host->Toolbars().BarCount();
    ASSERT_TRUE(Entry([&] { View::View_ReleaseToolButton(button); }));
    EXPECT_EQ(host->Toolbars().BarCount(), bars - 1);  // the flyout went with its button
    EXPECT_TRUE(Fails([&] { View::View_ReleaseFlyout(flyout); }));
    EXPECT_TRUE(Entry([&] { View::View_ToolButtonName(inside); }));  // still held by whoever made it
    EXPECT_EQ(HostButtons(), kHostButtons);
}

TEST_F(HostToolbarEntries, AButtonNobodyHoldsLeavesItsToolbar) {
    const HostToolbar toolbar = View::View_Toolbar();
    const HostToolButton button = NewButton("P:Mine");
    Entry([&] { View::View_AddToolButton(toolbar, button, 0, HostToolButton::None); });
    const HostToolButton lent = ByName(toolbar, "P:Mine");  // lent, not acquired
    EXPECT_EQ(lent, button);
    EXPECT_TRUE(Entry([&] { View::View_ReleaseToolButton(button); }));
    EXPECT_EQ(HostButtons(), kHostButtons);
    EXPECT_TRUE(Fails([&] { View::View_ReleaseToolButton(lent); }));
    // The host's own buttons are not the plug-ins' to release.
    EXPECT_TRUE(Fails([&] { View::View_ReleaseToolButton(ByName(toolbar, "Hand")); }));
    EXPECT_EQ(HostButtons(), kHostButtons);
}

TEST_F(HostToolbarEntries, NamedToolbarsAreMadeOnceAndDocked) {
    HostToolbar toolbar = HostToolbar::None;
    HostDockingRecord docking{};
    docking.size = sizeof docking;
    for (int i = 0; i < 9; ++i) docking.word[i] = i + 1;
    ASSERT_TRUE(Entry([&] {
        toolbar = View::View_NewToolbar("P:Bar", "My Bar");
        View::View_DockToolbar("P:Bar", 1, &docking);
    }));
    EXPECT_EQ(Value([] { return View::View_ToolbarByName("P:Bar"); }), toolbar);
    EXPECT_TRUE(host->Toolbars().IsFloating("P:Bar"));
    EXPECT_EQ(host->Toolbars().DockingOf("P:Bar").word[8], 9);
    EXPECT_TRUE(Fails([&] { View::View_NewToolbar("P:Bar", "Again"); }));
    EXPECT_EQ(Value([] { return View::View_ToolbarByName("P:Unknown"); }), HostToolbar::None);

    HostDockingRecord wrongSize = docking;
    wrongSize.size = 20;
    EXPECT_TRUE(Fails([&] { View::View_DockToolbar("P:Bar", 0, &wrongSize); }));
    EXPECT_TRUE(Fails([&] { View::View_DockToolbar("P:Unknown", 0, &docking); }));
    EXPECT_TRUE(Fails([&] { View::View_NewToolbar(nullptr, "No name"); }));
    EXPECT_TRUE(Fails([&] { View::View_NewToolbar("", "No name"); }));
}

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
    EXPECT_EQ(host->Toolbars().FlyoutButtonNames("P:Mine"), Names{"P:Inner"});  // and the host goes on
}

TEST_F(HostToolbarEntries, PrintsButtonsStatesFlyoutsAndSeparators) {
    const HostToolbar toolbar = View::View_Toolbar();
    static int picture;
    HostToolButton button = HostToolButton::None;
    HostToolButton marked = HostToolButton::None;
    HostToolbar flyout = HostToolbar::None;
    ASSERT_TRUE(Entry([&] {
        button = View::View_NewToolButton(Atom("P:Shown"), &picture, 0, 0);
        marked = View::View_NewToolButton(Atom("P:Chosen"), nullptr, 0, 0);
        const HostToolButton separator = View::View_NewToolButton(Atom("P:Separator"), nullptr, 0, 1);
        View::View_SetToolButtonHelpText(button, "Shown Tool");
        View::View_SetToolButtonComputeEnabled(button, Callback(AnswerNo), nullptr);
        View::View_SetToolButtonComputeMarked(marked, Callback(AnswerYes), nullptr);
        flyout = View::View_NewFlyout();
        View::View_AttachFlyout(button, flyout);
        View::View_AddToolButton(flyout, marked, 0, HostToolButton::None);
        View::View_AddToolButton(toolbar, button, 0, HostToolButton::None);
        View::View_AddToolButton(toolbar, separator, 0, HostToolButton::None);
        View::View_NewToolbar("P:Bar", "My Bar");
    }));
    // The host's own buttons in the order HostToolbarHasItsButtonsAndEndsTheToolGroup names them.
    const std::string text = host->Toolbars().Text();
    EXPECT_EQ(text.substr(0, 27), "Toolbar Toolbar  [Toolbar]\n");
    EXPECT_EQ(LineOf(text, "Hand"), "(icon) \"Hand Tool\"  [Hand]");
    EXPECT_EQ(text.substr(text.find("    |  [endToolsGroup]\n")),
              "    |  [endToolsGroup]\n"
              "    (icon) \"Shown Tool\" v  (disabled)  [P:Shown]\n"
              "    *   [P:Chosen]\n"
              "    |  [P:Separator]\n"
              "Toolbar My Bar  (not docked)  [P:Bar]\n");
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
