// Tools as the host drives them: activation, clicks and keys reach the current sub-tool of a multi-tool only,
// switching sub-tools, a failure in a click, and tools leaving with their plug-in.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "GLIB/GLIB_StringUtils.h"
#include "PluginFolder.h"
#include "Win32.h"
#include "host/Host.h"

namespace {

class Tools : public ::testing::Test {
protected:
    Tools() {
        const std::string path = folder.Add("testplugins/Probe.api", "Probe.api");
        module = LoadLibraryW(GLIB_Widen("Z:" + path).c_str());
        setenv("PROBE_TOOLS", "1", 1);
        host = std::make_unique<Host>(HostConfig(), out);
        host->LoadPlugins(folder.Path());
        multiTool = Export<HostToolRecord* (*)()>("Probe_MultiTool")();
    }
    ~Tools() override {
        host.reset();
        FreeLibrary(module);
        unsetenv("PROBE_TOOLS");
    }

    template <class Function>
    Function Export(const char* name) {
        return reinterpret_cast<Function>(reinterpret_cast<HostProc>(GetProcAddress(module, name)));
    }
    // The events the probe's tools received since the last call.
    std::string Events() {
        char text[1024];
        Export<void (*)(char*, int)>("Probe_ToolLog")(text, sizeof text);
        return text;
    }
    void SwitchTo(int index) {
        auto switchTo = Export<void (*)(int)>("Probe_SwitchTo");
        host->CallPlugin("switch", [&] { switchTo(index); });
    }

    PluginFolder folder;
    HMODULE module = nullptr;
    std::ostringstream out;
    std::unique_ptr<Host> host;
    HostToolRecord* multiTool = nullptr;
};

TEST_F(Tools, RegisteredToolIsKnownByItsRecordAndType) {
    EXPECT_EQ(Events(), "sub0.DidRegister throwing.DidRegister ");
    EXPECT_TRUE(host->Tools().IsRegistered(multiTool));
    EXPECT_EQ(host->Tools().TypeOf(multiTool), "Probe:Multi");
    EXPECT_EQ(multiTool->self, multiTool);
    EXPECT_EQ(host->Tools().Active(), host->Tools().Default());
}

TEST_F(Tools, EventsReachTheCurrentSubToolOnly) {
    Events();
    host->Tools().SetActive(multiTool, true);
    EXPECT_TRUE(host->Tools().Click(HostPageView::None, 10, 20, 0, 1));
    EXPECT_TRUE(host->Tools().KeyDown(65, 0));
    EXPECT_EQ(Events(), "sub0.Activate(1) sub0.DoClick(10) sub0.DoKeyDown(65) ");
    host->Tools().SetActive(host->Tools().Default(), false);
    EXPECT_EQ(Events(), "sub0.Deactivate ");
    EXPECT_FALSE(host->Tools().Click(HostPageView::None, 1, 1, 0, 1));  // the host's own tool
}

TEST_F(Tools, SwitchingWhileInactiveActivatesNobody) {
    Events();
    SwitchTo(1);
    EXPECT_EQ(Events(), "sub0.Deactivate ");
}

TEST_F(Tools, SwitchingWhileActiveActivatesTheNewSubToolWithoutPersistence) {
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
    EXPECT_EQ(host->Alerts().Shown()[0].text, "XCHG_AVToolObj::DoClick caught an exception: click failed : code 1155998");
    EXPECT_EQ(Export<int (*)()>("Probe_NestingCount")(), 0);
}

TEST_F(Tools, UnregisteringANeverRegisteredToolDestroysNothing) {
    const std::size_t callbacks = host->Callbacks().Count();
    Export<void (*)()>("Probe_UnregisterNeverRegistered")();
    EXPECT_EQ(host->Callbacks().Count(), callbacks);
}

TEST_F(Tools, ToolsLeaveWithTheirPlugInAfterBeingDeactivated) {
    host->Tools().SetActive(multiTool, false);
    Events();
    host->Quit();
    EXPECT_EQ(Events(), "sub0.Deactivate sub0.WillUnregister throwing.WillUnregister ");
    EXPECT_FALSE(host->Tools().IsRegistered(multiTool));
    EXPECT_EQ(host->Tools().Active(), host->Tools().Default());
}

}  // namespace
