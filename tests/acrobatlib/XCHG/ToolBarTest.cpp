// The shared toolbar and tools menu (XCHG_MainToolBar over XCHG_ToolBar) and flyouts (XCHG_FlyoutToolBar) on
// hosts of version 5 and 6. Where the editor's buttons and menu items go on every host, and what its unload
// gives back, are EditorSession's.
#include "ProbeTest.h"

namespace {

using MainToolBar = ProbeMenusTest;

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

using FlyoutToolBar = ProbeMenusTest;

TEST_F(FlyoutToolBar, WithoutAFlyoutEveryOperationDoesNothing) {
    Start(Version(7));
    const std::string toolbars = host->Toolbars().Text();
    EXPECT_EQ(Ask<int>("Probe_UseAbsentFlyout"), 0);
    EXPECT_EQ(host->FailedCalls(), 0) << out.str();  // the host was not asked
    EXPECT_EQ(host->Toolbars().Text(), toolbars);
}

}  // namespace
