// Tool buttons of the framework as a user meets them on the host's toolbars: XCHG_AVToolButtonObj (icon, help
// text, default behaviour, guarded callbacks) and XCHG_ToolButtonTool (a button that selects a tool).
#include "ProbeMenusTest.h"

namespace {

using ToolButtonObj = ProbeMenusTest;

TEST_F(ToolButtonObj, HasItsIconAndTheHelpTextFromTheStringTable) {
    Start(Version(7));
    EXPECT_EQ(host->Toolbars().HelpTextOf(kNullToolButton), "Vantorix Geometry Editor Tool");
    EXPECT_EQ(host->Toolbars().HelpTextOf(kToolButton), "Edit Page Geometry");
    EXPECT_EQ(host->Toolbars().HelpTextOf(kPlainButton), "");  // help string 0: none
    EXPECT_EQ(ButtonLine(kPlainButton), "(icon)  [ORBA:TEST_PlainButton]");
}

TEST_F(ToolButtonObj, DefaultButtonIsEnabledUnmarkedAndShowsADiagnosticAlert) {
    Start(Version(6));
    EXPECT_EQ(host->Toolbars().Click(kPlainButton), HostClickResult::Executed);
    ASSERT_EQ(host->Alerts().Shown().size(), 1u) << out.str();
    const HostShownAlert& alert = LastAlert();
    EXPECT_TRUE(alert.modal);
    EXPECT_EQ(alert.kind, 3);
    EXPECT_EQ(alert.text, "ToolButton: ORBA:TEST_PlainButton Execute callback invoked");
    EXPECT_EQ(alert.buttons, Names{"OK"});
    EXPECT_TRUE(alert.beep);
}

TEST_F(ToolButtonObj, AFailureInACallbackIsReportedUnderItsGuardAndRaisedIntoTheHost) {
    Start(Version(7));
    SetState(true, false, true);
    EXPECT_EQ(host->Toolbars().Click(kPlainButton), HostClickResult::Failed);
    ASSERT_EQ(host->Alerts().Shown().size(), 1u) << out.str();
    EXPECT_EQ(LastAlert().text,
              "XCHG_AVToolButtonObj::Execute caught an exception: probe click failure : code 1155996");
    EXPECT_NE(out.str().find("[error] tool button execute: An internal error occurred."), std::string::npos)
        << out.str();
    EXPECT_EQ(NestingCount(), 0);
}

using ToolButtonTool = ProbeMenusTest;

TEST_F(ToolButtonTool, WithoutAToolItIsNeverEnabledOrMarked) {
    const std::string kDisabledLine =
        "(icon) \"Vantorix Geometry Editor Tool\" v  (disabled)  [ORBA:TEST_NullToolButton]";
    Start(Version(7));
    EXPECT_EQ(ButtonLine(kNullToolButton), kDisabledLine);
    // Not even while some tool is active.
    host->Tools().SetActive(Ask<HostToolRecord*>("Probe_MenuTool"), true);
    EXPECT_EQ(ButtonLine(kNullToolButton), kDisabledLine);
    EXPECT_EQ(host->Toolbars().Click(kNullToolButton, kHostKeyControl), HostClickResult::Disabled);
    EXPECT_EQ(Log(), "Tool.Activate(1) ");  // only the host's own activation
}

TEST_F(ToolButtonTool, WithAToolButNoDocumentItIsDisabled) {
    Start(Version(7));
    EXPECT_FALSE(Ask<bool>("Probe_DocumentButtonEnabled"));
}

TEST_F(ToolButtonTool, ClickWithModifier8SelectsItsToolPersistently) {
    Start(Version(7));
    HostToolRecord* tool = Ask<HostToolRecord*>("Probe_MenuTool");
    EXPECT_EQ(ButtonLine(kToolButton), "(icon) \"Edit Page Geometry\"  [ORBA:TEST_ToolButton]");
    EXPECT_EQ(host->Toolbars().Click(kToolButton, kHostKeyControl), HostClickResult::Executed);
    EXPECT_EQ(host->Tools().Active(), tool);
    EXPECT_EQ(Log(), "Tool.Activate(1) ");
    EXPECT_EQ(ButtonLine(kToolButton), "* (icon) \"Edit Page Geometry\"  [ORBA:TEST_ToolButton]");
}

TEST_F(ToolButtonTool, ClickWithoutModifierSelectsItsToolForOneUse) {
    Start(Version(7));
    EXPECT_EQ(host->Toolbars().Click(kToolButton, kHostKeyShift | kHostKeyAlt | kHostKeyCommand),
              HostClickResult::Executed);
    EXPECT_EQ(host->Tools().Active(), Ask<HostToolRecord*>("Probe_MenuTool"));
    EXPECT_EQ(Log(), "Tool.Activate(0) ");
    // Another tool taking over takes the mark away.
    host->Tools().SetActive(host->Tools().Default(), false);
    EXPECT_EQ(ButtonLine(kToolButton), "(icon) \"Edit Page Geometry\"  [ORBA:TEST_ToolButton]");
}

}  // namespace
