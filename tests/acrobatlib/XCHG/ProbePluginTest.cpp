// Failures in a plug-in's lifecycle, reported once and handed to the host, and the framework's resource and
// file functions, seen through a probe plug-in built on the framework.
#include "ProbeTest.h"

namespace {

using ProbePlugin = ProbeTest;

// Unloaded, a plug-in gives back what it registered: EditorSession's UnloadGivesBackEverythingTheEditorRegistered.
TEST_F(ProbePlugin, AFailureInInitializeIsShownOnceAndRaisedIntoTheHost) {
    struct Row {
        const char* failure;  // PROBE_FAIL, if any
        HostPlugin::State state;
        const char* alert;   // the one alert shown, or none
        const char* output;  // a piece of the host's output, or nothing
        bool modal = false;
    };
    const Row rows[] = {
        {nullptr, HostPlugin::State::Initialized, nullptr, ""},  // no failure
        {"glib", HostPlugin::State::Failed,
         "XCHG_Plugin::PrivateInitialize caught an exception: probe failure : code 1155999",
         "[error] Initialize: An internal error occurred."},
        {"oom", HostPlugin::State::Failed,
         "Out of Memory\n\nTry to increase the amount of memory\ndedicated to this program", ""},
        {"foreign", HostPlugin::State::Failed,
         "XCHG_Plugin::PrivateInitialize caught a system exception: ", "a C++ exception escaped"},
        // A host failure inside a callback: the host's to report.
        {"raise", HostPlugin::State::Failed, nullptr, ""},
        // A second plug-in object is refused and the first stays.
        {"second", HostPlugin::State::Initialized, "You must only define one object derived from XCHG_Plugin", "",
         true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.failure != nullptr ? row.failure : "none");
        Choose("PROBE_FAIL", row.failure);
        const HostPlugin& plugin = Start();
        EXPECT_EQ(plugin.state, row.state);
        if (row.alert != nullptr) {
            ASSERT_EQ(host->Alerts().Shown().size(), 1u) << out.str();
            EXPECT_EQ(LastAlert()->text, row.alert);
            EXPECT_EQ(LastAlert()->modal, row.modal);
        } else {
            EXPECT_TRUE(host->Alerts().Shown().empty()) << out.str();
        }
        EXPECT_NE(out.str().find(row.output), std::string::npos) << out.str();
        EXPECT_EQ(NestingCount(), 0);
    }
}

TEST_F(ProbePlugin, KnowsItsFileFolderAndVersionAndNamesAnUnknownString) {
    Start();
    EXPECT_EQ(Text("Probe_GetPluginFileName"), "Probe");
    EXPECT_EQ(Text("Probe_GetPluginDirectory"), "/Z" + folder.Path() + "/");
    EXPECT_EQ(Text("Probe_GetPluginVersionString"), "1.0");
    EXPECT_EQ(Text("Probe_GetString", 31999), "*** Unknown string ID: 31999 ***");
}

// Without resources, and under an upper-case extension.
class BareProbePlugin : public ProbeTest {
protected:
    BareProbePlugin() : ProbeTest("testplugins/ProbeBare.api", "BARE.API") {}
};

TEST_F(BareProbePlugin, FallsBackWhereResourcesAreMissing) {
    const HostPlugin& plugin = Start();
    EXPECT_EQ(plugin.state, HostPlugin::State::Initialized) << out.str();
    EXPECT_EQ(Text("Probe_GetPluginFileName"), "BARE");
    EXPECT_EQ(Text("Probe_GetPluginVersionString"), "(unknown)");
    EXPECT_EQ(Text("Probe_GetString", 20027), "*** Unknown string ID: 20027 ***");
}

}  // namespace
