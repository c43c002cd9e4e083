// Menu items and tool buttons of the framework in the host: default behaviour, guarded callbacks, items made
// again and released, bound members, a tool button without a tool, a missing help file. Clicks with modifiers
// are the script tests' (tests/host), the editor's own items and buttons are EditorSession's.
#include "ProbeTest.h"

namespace {

using MenuItem = ProbeMenusTest;

TEST_F(MenuItem, UnboundItemsAndButtonsShowADiagnosticAlert) {
    struct Row {
        const char* name;
        bool button;
        const char* text;
    };
    const Row rows[] = {
        {kItemB, false, "MenuItem: ORBA_TEST_Probe:ItemB Execute callback invoked"},
        // Item C binds no member of its target: every operation keeps the default, and the target hears nothing.
        {kItemC, false, "MenuItem: ORBA_TEST_Probe:ItemC Execute callback invoked"},
        {kPlainButton, true, "ToolButton: ORBA:TEST_PlainButton Execute callback invoked"},
    };
    Start(Version(7));
    ASSERT_TRUE(Call<void (*)()>("Probe_AddItemC"));
    EXPECT_EQ(host->Menus().ItemNames("Window").back(), kItemC);
    EXPECT_EQ(MenuLine(kItemC), "Vantorix Geometry Editor Tool  [ORBA_TEST_Probe:ItemC]");
    EXPECT_EQ(ButtonLine(kPlainButton), "(icon)  [ORBA:TEST_PlainButton]");  // help string 0: none
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        host->Alerts().Clear();
        Log();
        EXPECT_EQ(row.button ? host->Toolbars().Click(row.name) : host->Menus().Click(row.name),
                  HostClickResult::Executed);
        ASSERT_EQ(host->Alerts().Shown().size(), 1u) << out.str();
        EXPECT_TRUE(LastAlert()->modal);
        EXPECT_EQ(LastAlert()->kind, 3);
        EXPECT_EQ(LastAlert()->text, row.text);
        EXPECT_EQ(LastAlert()->buttons, Names{"OK"});
        EXPECT_TRUE(LastAlert()->beep);
        EXPECT_EQ(Log(), "");
    }
}

TEST_F(MenuItem, AFailureInACallbackIsReportedUnderItsGuardAndRaisedIntoTheHost) {
    struct Row {
        const char* name;
        bool button;
        HostClickResult result;
        const char* alert;
        const char* error;
    };
    const Row rows[] = {
        {kPlainButton, true, HostClickResult::Failed,
         "XCHG_AVToolButtonObj::Execute caught an exception: probe click failure : code 1155996",
         "[error] tool button execute: An internal error occurred."},
        {kItemA, false, HostClickResult::Disabled,
         "XCHG_AVMenuItemObj::ComputeEnabled caught an exception: probe state failure : code 1155997",
         "[error] menu item compute enabled: An internal error occurred."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Start(Version(7));
        SetState(true, false, true);
        EXPECT_EQ(row.button ? host->Toolbars().Click(row.name) : host->Menus().Click(row.name), row.result);
        ASSERT_EQ(host->Alerts().Shown().size(), 1u) << out.str();
        EXPECT_FALSE(LastAlert()->modal);
        EXPECT_EQ(LastAlert()->text, row.alert);
        EXPECT_NE(out.str().find(row.error), std::string::npos) << out.str();
        EXPECT_EQ(NestingCount(), 0);
    }
    EXPECT_EQ(Log(), "A.Enabled(1) ");  // item A was not executed
    EXPECT_EQ(MenuLine(kItemA), "(icon) Edit Page Geometry  Ctrl+Shift+G  (disabled)  [ORBA_TEST_Probe:ItemA]");
}

TEST_F(MenuItem, CreatingAgainReleasesWhatWasHeldFirst) {
    Start(Version(7));
    const HostMenuItem old = Ask<HostMenuItem>("Probe_ItemB");
    const std::size_t callbacks = host->Callbacks().Count();
    const std::size_t items = host->Menus().ItemCount();
    ASSERT_TRUE(Call<void (*)()>("Probe_RecreateItemB"));
    EXPECT_EQ(host->Callbacks().Count(), callbacks);
    EXPECT_EQ(host->Menus().ItemCount(), items);
    EXPECT_NE(Ask<HostMenuItem>("Probe_ItemB"), old);
    EXPECT_FALSE(host->Menus().HasItem(kItemB));  // the new one stands in no menu yet
    EXPECT_FALSE(host->CallPlugin("old item", [&] { HostAcroViewTable::View_MenuItemName(old, nullptr, 0); }));
}

TEST_F(MenuItem, ReleaseGivesBackCallbacksAndIgnoresAFailureOfTheHost) {
    Start(Version(7));
    const HostMenuItem item = Ask<HostMenuItem>("Probe_ItemB");
    // The host lets go of the item behind the plug-in's back, so the plug-in's own removal will fail.
    ASSERT_TRUE(host->CallPlugin("remove", [&] { HostAcroViewTable::View_RemoveMenuItem(item); }));
    const std::size_t callbacks = host->Callbacks().Count();
    const int failures = host->FailedCalls();
    EXPECT_TRUE(Call<void (*)()>("Probe_ReleaseItemB"));
    EXPECT_EQ(host->FailedCalls(), failures);
    EXPECT_EQ(host->Callbacks().Count(), callbacks - 3);
    EXPECT_EQ(Ask<HostMenuItem>("Probe_ItemB"), HostMenuItem::None);
    EXPECT_EQ(host->Frames().Depth(), 0u);
    EXPECT_TRUE(Call<void (*)()>("Probe_ReleaseItemB"));  // nothing left to give back
    EXPECT_EQ(host->FailedCalls(), failures);
}

TEST_F(MenuItem, BoundMembersAnswerInsideTheGuardWithTheShortcutShown) {
    Start(Version(7));
    SetState(false, true);
    EXPECT_EQ(MenuLine(kItemA), "* (icon) Edit Page Geometry  Ctrl+Shift+G  (disabled)  [ORBA_TEST_Probe:ItemA]");
    EXPECT_EQ(Log(), "A.Enabled(1) A.Marked(1) ");  // one guarded callback deep
    SetState(true, false);
    EXPECT_EQ(MenuLine(kItemA), "(icon) Edit Page Geometry  Ctrl+Shift+G  [ORBA_TEST_Probe:ItemA]");
    EXPECT_EQ(MenuLine(kItemB), "Vantorix Geometry Editor Tool  [ORBA_TEST_Probe:ItemB]");  // no icon, no key
    // Two items, the tools submenu and its item, and the help item.
    EXPECT_EQ(host->Menus().CountOwnedBy(Extension()), 5u);
}

using ToolButtonTool = ProbeMenusTest;

TEST_F(ToolButtonTool, WithoutAToolItIsNeverEnabledOrMarkedAndWithoutADocumentNeitherIsIt) {
    const std::string kDisabledLine =
        "(icon) \"Vantorix Geometry Editor Tool\" v  (disabled)  [ORBA:TEST_NullToolButton]";
    Start(Version(7));
    EXPECT_EQ(ButtonLine(kNullToolButton), kDisabledLine);
    // Not even while some tool is active.
    host->Tools().SetActive(Ask<HostToolRecord*>("Probe_MenuTool"), true);
    EXPECT_EQ(ButtonLine(kNullToolButton), kDisabledLine);
    EXPECT_EQ(host->Toolbars().Click(kNullToolButton, kHostKeyControl), HostClickResult::Disabled);
    EXPECT_EQ(Log(), "Tool.Activate(1) ");                   // only the host's own activation
    EXPECT_FALSE(Ask<bool>("Probe_DocumentButtonEnabled"));  // the framework's own test needs a front document
}

using HelpMenuItem = ProbeMenusTest;

TEST_F(HelpMenuItem, AMissingHelpFileOfTheHostsLanguageIsNamedInANote) {
    HostConfig config = Version(5);
    config.language = "FRA";
    Start(config);
    EXPECT_EQ(host->Menus().Click("ORBA_TEST_Probe:ExtensionHelpORBA_TEST_Probe"), HostClickResult::Executed);
    ASSERT_EQ(host->Alerts().Shown().size(), 1u) << out.str();
    EXPECT_FALSE(LastAlert()->modal);
    std::string folderText = "Z:" + folder.Path();
    for (char& c : folderText) c = c == '/' ? '\\' : c;
    EXPECT_EQ(LastAlert()->text, "Unable to find the help file:\r\r" + folderText + "\\Help\\FRA\\Probe.pdf");
    EXPECT_EQ(host->FailedCalls(), 0) << out.str();  // told to the user, not a failed callback
    EXPECT_EQ(host->Frames().Depth(), 0u);
    EXPECT_EQ(NestingCount(), 0);
}

}  // namespace
