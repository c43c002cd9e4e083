// The shared toolbar and tools menu (XCHG_MainToolBar over XCHG_ToolBar) and flyouts (XCHG_FlyoutToolBar) as
// hosts of each version place them, and everything given back at release. Where the editor's buttons, their
// flyout and its menu items go on hosts of version 5 with and without room, and on later ones, is
// EditorSession's ToolsAppearWhereTheHostHasRoomForThem; its unload, UnloadGivesBackEverythingTheEditorRegistered.
#include "ProbeTest.h"

namespace {

using MainToolBar = ProbeMenusTest;

TEST_F(MainToolBar, Version7PutsTheToolsSubmenuBeforeTheToolGroupEnd) {
    Start(Version(7));
    EXPECT_EQ(host->Menus().ItemNames("Advanced"),
              (Names{"AccessibilityMenu", "Preflight", kToolsItem, "endTooldGroup1", "SecuritySettings"}));
    ASSERT_TRUE(Call<void (*)()>("Probe_AddItemCToToolsMenu"));
    EXPECT_EQ(host->Menus().ItemNames("Advanced").size(), 5u);  // still one "Orba Tools"
    EXPECT_FALSE(host->Menus().HasItem(kMenuSeparator));
    const std::string text = host->Menus().Text();
    EXPECT_NE(text.find("      Preflight...  [Preflight]\n"
                        "      Orba Tools >  [ORBA_TEST_Probe:ORBA:OrbaToolsMenuName]\n"
                        "        Vantorix Geometry Editor Tool  [ORBA_TEST_Probe:ItemC]\n"
                        "        Vantorix Geometry Editor Tool  [ORBA_TEST_Probe:ItemB]\n"
                        "        (icon) Edit Page Geometry  Ctrl+Shift+G  [ORBA_TEST_Probe:ItemA]\n"
                        "      ----------  [endTooldGroup1]\n"),
              std::string::npos)
        << text;
}

TEST_F(MainToolBar, Version6BringsTheSeparatorOnceIntoTheToolbarsMenu) {
    Start(Version(6));
    EXPECT_EQ(host->Menus().ItemNames("Tools").back(), kToolbar);
    ASSERT_TRUE(Call<void (*)()>("Probe_AddItemCToToolsMenu"));
    EXPECT_EQ(host->Menus().ItemNames("ORBA:XCHG_OrbaToolBar:Menu"),
              (Names{kItemC, kItemB, kItemA, kMenuSeparator, "ORBA:XCHG_OrbaToolBar:Show"}));
    EXPECT_EQ(MenuLine(kMenuSeparator), "----------  [ORBA:OrbaToolsMenuBarSeparator]");
    EXPECT_EQ(host->Menus().TitleOf(kMenuSeparator), "-");
    EXPECT_FALSE(host->Menus().HasItem(kToolsItem));  // no submenu in "Advanced" before version 7
}

TEST_F(MainToolBar, Version6And7CreateAndDockTheMakersToolbar) {
    for (uint16_t major : {6, 7}) {
        SCOPED_TRACE(major);
        Start(Version(major));
        EXPECT_EQ(host->Toolbars().ButtonNames(kToolbar), (Names{kNullToolButton, kPlainButton, kEndSeparator}));
        EXPECT_EQ(Ask<HostToolbar>("Probe_MainToolBar"), host->Toolbars().FindToolbar(kToolbar));
        EXPECT_FALSE(host->Toolbars().IsFloating(kToolbar));
        const HostDockingRecord docking = host->Toolbars().DockingOf(kToolbar);
        EXPECT_EQ(docking.size, 40u);
        const int32_t expected[9] = {0, 0, 1, 0x7FFFFFFF, 0x7FFFFFFF, 0, 0, 0, 0};
        for (int i = 0; i < 9; ++i) EXPECT_EQ(docking.word[i], expected[i]) << "word " << i + 1;
        EXPECT_EQ(host->Toolbars().ButtonNames("Toolbar").size(), 8u);  // the host's own toolbar untouched
    }
}

TEST_F(MainToolBar, AnExistingToolbarOfThatNameIsUsedAsItIs) {
    Start(Version(7), [](Host& host) { host.Toolbars().NewToolbar(kToolbar, "Made Before"); });
    EXPECT_EQ(host->Toolbars().ButtonNames(kToolbar), (Names{kNullToolButton, kPlainButton}));  // no separator
    EXPECT_NE(host->Toolbars().Text().find("Toolbar Made Before  (not docked)  [ORBA:XCHG_OrbaToolBar]\n"),
              std::string::npos);
}

TEST_F(MainToolBar, Version5WithoutAToolsMenuFailsToInitialize) {
    const HostPlugin& plugin = Start(Version(5, 0), [](Host& host) { host.Menus().RemoveHostMenu("Tools"); });
    EXPECT_EQ(plugin.state, HostPlugin::State::Failed);
    EXPECT_EQ(plugin.failure, "Initialize declined");
}

TEST_F(MainToolBar, Version6WithAFullToolbarStillGetsItsMenuItems) {
    Start(Version(6, 2));  // the end separator takes one of the two places
    EXPECT_EQ(host->Toolbars().ButtonNames(kToolbar), Names{kEndSeparator});
    EXPECT_EQ(host->Menus().ItemNames("ORBA:XCHG_OrbaToolBar:Menu").size(), 4u);
}

TEST_F(MainToolBar, ReleaseGivesBackEveryHandleAndCallback) {
    for (uint16_t major : {5, 6, 7}) {
        SCOPED_TRACE(major);
        // The same plug-in without menus: what the host holds for it otherwise.
        Choose("PROBE_MENUS", nullptr);
        Start(Version(major));
        const std::size_t callbacks = host->Callbacks().Count();
        const std::string menus = host->Menus().Text();
        const std::size_t items = host->Menus().ItemCount();

        Choose("PROBE_MENUS");
        Start(Version(major));
        ASSERT_TRUE(Call<void (*)()>("Probe_ReleaseMenus"));
        EXPECT_EQ(host->Callbacks().Count(), callbacks);
        EXPECT_EQ(host->Menus().CountOwnedBy(Extension()), 0u);
        EXPECT_EQ(host->Toolbars().ButtonCount(), 8u);  // the host's own
        if (major == 6) {
            // What the host made for the toolbar stays the host's, as the toolbar does.
            EXPECT_EQ(host->Menus().ItemNames("ORBA:XCHG_OrbaToolBar:Menu"), Names{"ORBA:XCHG_OrbaToolBar:Show"});
            EXPECT_EQ(host->Menus().ItemCount(), items + 2);
        } else {
            EXPECT_EQ(host->Menus().Text(), menus);
        }
        EXPECT_EQ(host->Toolbars().BarCount(), major == 5 ? 1u : 2u);  // no flyout left
        EXPECT_EQ(host->FailedCalls(), 0) << out.str();
    }
}

using FlyoutToolBar = ProbeMenusTest;

TEST_F(FlyoutToolBar, ReleasedFlyoutIsGoneAndReleasingAgainDoesNothing) {
    Start(Version(7));
    const HostToolbar flyout = Ask<HostToolbar>("Probe_Flyout");
    ASSERT_NE(flyout, HostToolbar::None);
    ASSERT_TRUE(Call<void (*)()>("Probe_ReleaseMenus"));
    EXPECT_EQ(Ask<HostToolbar>("Probe_Flyout"), HostToolbar::None);
    EXPECT_FALSE(host->CallPlugin("flyout", [&] { HostAcroViewTable::View_ReleaseFlyout(flyout); }));
    const int failures = host->FailedCalls();
    EXPECT_TRUE(Call<void (*)()>("Probe_ReleaseMenus"));
    EXPECT_EQ(host->FailedCalls(), failures);
}

TEST_F(FlyoutToolBar, WithoutAFlyoutEveryOperationDoesNothing) {
    Start(Version(7));
    const std::string toolbars = host->Toolbars().Text();
    EXPECT_EQ(Ask<int>("Probe_UseAbsentFlyout"), 0);
    EXPECT_EQ(host->FailedCalls(), 0) << out.str();  // the host was not asked
    EXPECT_EQ(host->Toolbars().Text(), toolbars);
}

}  // namespace
