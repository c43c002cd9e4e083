// Menu items of the framework as a user meets them in the host: XCHG_AVMenuItemObj (registered names,
// default behaviour, guarded callbacks, creating again, releasing), XCHG_MenuItem (bound members, their
// defaults, keyboard modifiers during a click) and XCHG_HelpMenuItem.
#include "ProbeMenusTest.h"
#include "TestPdf.h"
#include "host/HostDocument.h"

namespace {

using MenuItemObj = ProbeMenusTest;

TEST_F(MenuItemObj, RegistersPluginNameColonItemNameWithTitleShortcutAndIcon) {
    Start(Version(7));
    EXPECT_TRUE(host->Menus().HasItem(kItemA));
    EXPECT_EQ(host->Menus().TitleOf(kItemA), "Edit Page Geometry");
    EXPECT_EQ(host->Menus().TitleOf(kItemB), "Vantorix Geometry Editor Tool");
    EXPECT_EQ(MenuLine(kItemA), "(icon) Edit Page Geometry  Ctrl+Shift+G  [ORBA_TEST_Probe:ItemA]");
    EXPECT_EQ(MenuLine(kItemB), "Vantorix Geometry Editor Tool  [ORBA_TEST_Probe:ItemB]");  // no icon, no key
    // Two items, the tools submenu and its item, and the help item.
    EXPECT_EQ(host->Menus().CountOwnedBy(Extension()), 5u);
}

TEST_F(MenuItemObj, DefaultItemIsEnabledUnmarkedAndShowsADiagnosticAlert) {
    Start(Version(7));
    EXPECT_EQ(host->Menus().Click(kItemB), HostClickResult::Executed);
    ASSERT_EQ(host->Alerts().Shown().size(), 1u) << out.str();
    const HostShownAlert& alert = LastAlert();
    EXPECT_TRUE(alert.modal);
    EXPECT_EQ(alert.kind, 3);
    EXPECT_EQ(alert.text, "MenuItem: ORBA_TEST_Probe:ItemB Execute callback invoked");
    EXPECT_EQ(alert.buttons, Names{"OK"});
    EXPECT_TRUE(alert.beep);
}

TEST_F(MenuItemObj, AFailureInACallbackIsReportedUnderItsGuardAndRaisedIntoTheHost) {
    Start(Version(7));
    SetState(true, false, true);
    EXPECT_EQ(host->Menus().Click(kItemA), HostClickResult::Disabled);
    ASSERT_EQ(host->Alerts().Shown().size(), 1u) << out.str();
    EXPECT_FALSE(LastAlert().modal);
    EXPECT_EQ(LastAlert().text,
              "XCHG_AVMenuItemObj::ComputeEnabled caught an exception: probe state failure : code 1155997");
    EXPECT_NE(out.str().find("[error] menu item compute enabled: An internal error occurred."), std::string::npos)
        << out.str();
    EXPECT_EQ(Log(), "A.Enabled(1) ");  // not executed
    EXPECT_EQ(NestingCount(), 0);
    EXPECT_EQ(MenuLine(kItemA), "(icon) Edit Page Geometry  Ctrl+Shift+G  (disabled)  [ORBA_TEST_Probe:ItemA]");
}

TEST_F(MenuItemObj, CreatingAgainReleasesWhatWasHeldFirst) {
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

TEST_F(MenuItemObj, ReleaseGivesBackCallbacksAndIgnoresAFailureOfTheHost) {
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

using MenuItem = ProbeMenusTest;

TEST_F(MenuItem, BoundMembersAnswerInsideTheGuard) {
    Start(Version(7));
    SetState(false, true);
    EXPECT_EQ(MenuLine(kItemA), "* (icon) Edit Page Geometry  Ctrl+Shift+G  (disabled)  [ORBA_TEST_Probe:ItemA]");
    EXPECT_EQ(Log(), "A.Enabled(1) A.Marked(1) ");  // one guarded callback deep
    SetState(true, false);
    EXPECT_EQ(MenuLine(kItemA), "(icon) Edit Page Geometry  Ctrl+Shift+G  [ORBA_TEST_Probe:ItemA]");
}

TEST_F(MenuItem, ClickRunsTheBoundActionWithTheModifiersHeldUnlessDisabled) {
    Start(Version(7));
    EXPECT_EQ(host->Menus().Click(kItemA, kHostKeyShift | kHostKeyCommand), HostClickResult::Executed);
    EXPECT_EQ(Log(), "A.Enabled(1) A.Execute(5) ");
    EXPECT_EQ(Ask<int>("Probe_KeyModifiers"), 0);
    EXPECT_NE(out.str().find("[menu] Edit Page Geometry\n"), std::string::npos);
    EXPECT_TRUE(host->Alerts().Shown().empty());
    SetState(false, false);
    EXPECT_EQ(host->Menus().Click(kItemA), HostClickResult::Disabled);
    EXPECT_EQ(Log(), "A.Enabled(1) ");
}

TEST_F(MenuItem, UnboundMembersKeepTheDefaults) {
    Start(Version(7));
    ASSERT_TRUE(Call<void (*)()>("Probe_AddItemC"));
    EXPECT_EQ(host->Menus().ItemNames("Window").back(), kItemC);
    EXPECT_EQ(MenuLine(kItemC), "Vantorix Geometry Editor Tool  [ORBA_TEST_Probe:ItemC]");
    Log();
    EXPECT_EQ(host->Menus().Click(kItemC), HostClickResult::Executed);
    EXPECT_EQ(LastAlert().text, "MenuItem: ORBA_TEST_Probe:ItemC Execute callback invoked");
    EXPECT_EQ(Log(), "");  // the target heard nothing
}

using HelpMenuItem = ProbeMenusTest;

TEST_F(HelpMenuItem, AMissingHelpFileOfTheHostsLanguageIsNamedInANote) {
    HostConfig config = Version(5);
    config.language = "FRA";
    Start(config);
    EXPECT_EQ(host->Menus().Click("ORBA_TEST_Probe:ExtensionHelpORBA_TEST_Probe"), HostClickResult::Executed);
    ASSERT_EQ(host->Alerts().Shown().size(), 1u) << out.str();
    EXPECT_FALSE(LastAlert().modal);
    std::string folderText = "Z:" + folder.Path();
    for (char& c : folderText) c = c == '/' ? '\\' : c;
    EXPECT_EQ(LastAlert().text, "Unable to find the help file:\r\r" + folderText + "\\Help\\FRA\\Probe.pdf");
    EXPECT_EQ(host->FailedCalls(), 0) << out.str();  // told to the user, not a failed callback
    EXPECT_EQ(host->Frames().Depth(), 0u);
    EXPECT_EQ(NestingCount(), 0);
}

TEST_F(HelpMenuItem, StandsAtTheEndOfThePlugInHelpMenuAndOpensTheHelpFileOfTheHostsLanguageInAView) {
    std::filesystem::create_directories(folder.Path() + "/Help/ENU");
    WritePdf(folder.Path() + "/Help/ENU/Probe.pdf",
             {"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
              "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] >>"});
    Start(Version(7));
    EXPECT_EQ(host->Menus().ItemNames("UsingExtensions"), Names{"ORBA_TEST_Probe:ExtensionHelpORBA_TEST_Probe"});
    EXPECT_EQ(host->Menus().TitleOf("ORBA_TEST_Probe:ExtensionHelpORBA_TEST_Probe"), "Vantorix Geometry Editor");
    EXPECT_EQ(host->Menus().Click("ORBA_TEST_Probe:ExtensionHelpORBA_TEST_Probe"), HostClickResult::Executed);
    EXPECT_TRUE(host->Alerts().Shown().empty()) << out.str();
    const HostDocView front = host->DocViews().Front();
    ASSERT_NE(front, HostDocView::None) << out.str();
    EXPECT_EQ(host->DocViews().TitleOf(front), "Probe.pdf");
    EXPECT_EQ(host->Documents().Get(host->DocViews().DocOf(front)).Path(), folder.Path() + "/Help/ENU/Probe.pdf");
    // Asking again brings the same view forward rather than opening the file twice.
    EXPECT_EQ(host->Menus().Click("ORBA_TEST_Probe:ExtensionHelpORBA_TEST_Probe"), HostClickResult::Executed);
    EXPECT_EQ(host->DocViews().Views(), std::vector<HostDocView>{front});
}

}  // namespace
