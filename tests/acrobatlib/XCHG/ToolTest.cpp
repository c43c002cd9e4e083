// Tools as the host drives them: keys reach the current sub-tool of a multi-tool only, switching sub-tools,
// a failure in a click, and tools leaving with their plug-in. Clicks passed to the current sub-tool are the
// editor's drags on the page (EditorSession, EditDialogs).
#include "ProbeTest.h"

namespace {

class Tools : public ProbeTest {
protected:
    void SetUp() override {
        Choose("PROBE_TOOLS");
        Start();
        multiTool = Ask<HostToolRecord*>("Probe_MultiTool");
    }

    // The events the probe's tools received since the last call.
    std::string Events() { return Text("Probe_ToolLog"); }
    void SwitchTo(int index) { Call<void (*)(int)>("Probe_SwitchTo", index); }

    HostToolRecord* multiTool = nullptr;
};

TEST_F(Tools, IsKnownByItsRecordAndTypeAndKeysReachTheCurrentSubToolOnly) {
    EXPECT_EQ(Events(), "sub0.DidRegister throwing.DidRegister ");
    EXPECT_EQ(host->Tools().TypeOf(multiTool), "Probe:Multi");
    EXPECT_EQ(multiTool->self, multiTool);
    host->Tools().SetActive(multiTool, true);
    EXPECT_TRUE(host->Tools().KeyDown(65, 0));
    EXPECT_EQ(Events(), "sub0.Activate(1) sub0.DoKeyDown(65) ");
}

TEST_F(Tools, SwitchingActivatesTheNewSubToolOnlyWhileActiveAndWithoutPersistence) {
    Events();
    SwitchTo(1);
    EXPECT_EQ(Events(), "sub0.Deactivate ");
    SwitchTo(0);
    host->Tools().SetActive(multiTool, true);
    Events();
    SwitchTo(1);
    EXPECT_EQ(Events(), "sub0.Deactivate throwing.Activate(0) ");
}

TEST_F(Tools, FailedClickIsReportedUnderTheToolsNames) {
    SwitchTo(1);
    host->Tools().SetActive(multiTool, false);
    host->Alerts().Clear();
    EXPECT_FALSE(host->Tools().Click(HostPageView::None, 5, 5, 0, 1));
    ASSERT_EQ(host->Alerts().Shown().size(), 1u) << out.str();
    EXPECT_EQ(LastAlert()->text, "XCHG_AVToolObj::DoClick caught an exception: click failed : code 1155998");
    EXPECT_EQ(NestingCount(), 0);
}

TEST_F(Tools, ToolsLeaveWithTheirPlugInAfterBeingDeactivatedAndANeverRegisteredOneDestroysNothing) {
    const std::size_t callbacks = host->Callbacks().Count();
    Export<void (*)()>("Probe_UnregisterNeverRegistered")();
    EXPECT_EQ(host->Callbacks().Count(), callbacks);
    host->Tools().SetActive(multiTool, false);
    Events();
    host->Quit();
    EXPECT_EQ(Events(), "sub0.Deactivate sub0.WillUnregister throwing.WillUnregister ");
    EXPECT_FALSE(host->Tools().IsRegistered(multiTool));
    EXPECT_EQ(host->Tools().Active(), host->Tools().Default());
    EXPECT_FALSE(host->Tools().Click(HostPageView::None, 1, 1, 0, 1));  // the host's own tool takes no click
}

}  // namespace
