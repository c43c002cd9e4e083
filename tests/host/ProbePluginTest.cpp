// Failures in a plug-in's lifecycle, reported once and handed to the host, and the framework's resource and
// file functions, seen through a probe plug-in built on the framework.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "GLIB/GLIB_StringUtils.h"
#include "PluginFolder.h"
#include "Win32.h"
#include "host/Host.h"

namespace {

class ProbePlugin : public ::testing::Test {
protected:
    explicit ProbePlugin(const char* built = "testplugins/Probe.api", const char* name = "Probe.api") {
        const std::string path = folder.Add(built, name);
        // The test's own reference keeps the module, and so its state, alive after the host lets go.
        module = LoadLibraryW(GLIB_Widen("Z:" + path).c_str());
    }
    ~ProbePlugin() override {
        host.reset();
        FreeLibrary(module);
        unsetenv("PROBE_FAIL");
    }

    const HostPlugin& Start(const char* failure) {
        if (failure != nullptr) setenv("PROBE_FAIL", failure, 1);
        host = std::make_unique<Host>(HostConfig(), out);
        host->LoadPlugins(folder.Path());
        host->FinishStartup();
        return *host->Plugins().at(0);
    }

    template <class Function>
    Function Export(const char* name) {
        return reinterpret_cast<Function>(reinterpret_cast<HostProc>(GetProcAddress(module, name)));
    }
    int NestingCount() { return Export<int (*)()>("Probe_NestingCount")(); }
    // Calls a probe function the way the host calls plug-ins: inside a host frame.
    std::string Ask(const char* function, int argument = 0) {
        char text[512] = "";
        bool done;
        if (argument != 0) {
            auto ask = Export<void (*)(int, char*, int)>(function);
            done = host->CallPlugin(function, [&] { ask(argument, text, sizeof text); });
        } else {
            auto ask = Export<void (*)(char*, int)>(function);
            done = host->CallPlugin(function, [&] { ask(text, sizeof text); });
        }
        return done ? text : "(failed)";
    }

    PluginFolder folder;
    HMODULE module = nullptr;
    std::ostringstream out;
    std::unique_ptr<Host> host;
};

TEST_F(ProbePlugin, RunsTheLifecycleInOrder) {
    const HostPlugin& plugin = Start(nullptr);
    EXPECT_EQ(plugin.state, HostPlugin::State::Initialized) << out.str();
    EXPECT_TRUE(Export<bool (*)()>("Probe_IsInitialized")());
    host->Quit();
    EXPECT_FALSE(Export<bool (*)()>("Probe_IsInitialized")());
    EXPECT_EQ(plugin.leftoverNotifications, 0u);
    EXPECT_EQ(NestingCount(), 0);
}

TEST_F(ProbePlugin, FamilyExceptionIsShownOnceAndRaisedIntoTheHost) {
    const HostPlugin& plugin = Start("glib");
    EXPECT_EQ(plugin.state, HostPlugin::State::Failed);
    ASSERT_EQ(host->Alerts().Shown().size(), 1u) << out.str();
    EXPECT_EQ(host->Alerts().Shown()[0].text,
              "XCHG_Plugin::PrivateInitialize caught an exception: probe failure : code 1155999");
    EXPECT_FALSE(host->Alerts().Shown()[0].modal);
    EXPECT_NE(out.str().find("[error] Initialize: An internal error occurred."), std::string::npos) << out.str();
    EXPECT_EQ(NestingCount(), 0);
}

TEST_F(ProbePlugin, OutOfMemoryShowsTheOutOfMemoryText) {
    Start("oom");
    ASSERT_EQ(host->Alerts().Shown().size(), 1u) << out.str();
    EXPECT_EQ(host->Alerts().Shown()[0].text,
              "Out of Memory\n\nTry to increase the amount of memory\ndedicated to this program");
    EXPECT_EQ(NestingCount(), 0);
}

TEST_F(ProbePlugin, ForeignExceptionIsShownAndThrownOn) {
    Start("foreign");
    ASSERT_EQ(host->Alerts().Shown().size(), 1u) << out.str();
    EXPECT_EQ(host->Alerts().Shown()[0].text, "XCHG_Plugin::PrivateInitialize caught a system exception: ");
    EXPECT_NE(out.str().find("a C++ exception escaped"), std::string::npos);
    EXPECT_EQ(NestingCount(), 0);
}

TEST_F(ProbePlugin, HostFailureInsideACallbackLeavesTheCountAtZero) {
    const HostPlugin& plugin = Start("raise");
    EXPECT_EQ(plugin.state, HostPlugin::State::Failed);
    EXPECT_TRUE(host->Alerts().Shown().empty()) << out.str();
    EXPECT_EQ(NestingCount(), 0);
}

TEST_F(ProbePlugin, SecondPluginObjectIsRefusedAndTheFirstStays) {
    const HostPlugin& plugin = Start("second");
    ASSERT_EQ(host->Alerts().Shown().size(), 1u) << out.str();
    EXPECT_EQ(host->Alerts().Shown()[0].text, "You must only define one object derived from XCHG_Plugin");
    EXPECT_EQ(plugin.state, HostPlugin::State::Initialized);
}

TEST_F(ProbePlugin, StringsComeFromTheResourcesOrSayTheyAreUnknown) {
    Start(nullptr);
    EXPECT_EQ(Ask("Probe_GetString", 20027),
              "Out of Memory\n\nTry to increase the amount of memory\ndedicated to this program");
    EXPECT_EQ(Ask("Probe_GetString", 31999), "*** Unknown string ID: 31999 ***");
}

TEST_F(ProbePlugin, ColoursAreReadFromTheColourResources) {
    Start(nullptr);
    auto loadColor = Export<void (*)(int, HostColor*)>("Probe_LoadColor");
    HostColor color{7, {11, 12, 13, 14}};
    host->CallPlugin("LoadColor", [&] { loadColor(1004, &color); });
    EXPECT_EQ(color.space, 1);
    EXPECT_EQ(color.value[0], 0x10000);  // 255 is exactly 1.0
    EXPECT_EQ(color.value[1], 0);
    EXPECT_EQ(color.value[2], 0x10000);
    EXPECT_EQ(color.value[3], 0);

    HostColor missing{7, {11, 12, 13, 14}};
    host->CallPlugin("LoadColor", [&] { loadColor(4242, &missing); });
    EXPECT_EQ(missing.space, 0);
    EXPECT_EQ(missing.value[0], 11);
}

TEST_F(ProbePlugin, PicturesAndCursorsComeFromItsModule) {
    Start(nullptr);
    auto loadBitmapOrIcon = Export<HANDLE (*)(int, bool)>("Probe_LoadBitmapOrIcon");
    auto release = Export<void (*)(HANDLE, bool)>("Probe_ReleaseBitmapOrIcon");
    HANDLE boxPicture = loadBitmapOrIcon(2005, true);
    BITMAP info{};
    ASSERT_NE(GetObjectW(static_cast<HGDIOBJ>(boxPicture), sizeof info, &info), 0);
    EXPECT_EQ(info.bmWidth, 18);
    EXPECT_EQ(info.bmHeight, 18);
    release(boxPicture, true);
    EXPECT_EQ(GetObjectW(static_cast<HGDIOBJ>(boxPicture), sizeof info, &info), 0);  // deleted
    EXPECT_EQ(loadBitmapOrIcon(4242, true), nullptr);

    HCURSOR move = Export<HCURSOR (*)(int)>("Probe_LoadCursor")(1005);
    ICONINFO cursor{};
    ASSERT_TRUE(GetIconInfo(move, &cursor));
    EXPECT_EQ(cursor.xHotspot, 15u);
    EXPECT_EQ(cursor.yHotspot, 15u);
    DeleteObject(cursor.hbmColor);
    DeleteObject(cursor.hbmMask);
}

TEST_F(ProbePlugin, KnowsItsFileFolderAndVersion) {
    Start(nullptr);
    EXPECT_EQ(Ask("Probe_GetPluginFileName"), "Probe");
    EXPECT_EQ(Ask("Probe_GetPluginDirectory"), "/Z" + folder.Path() + "/");
    EXPECT_EQ(Ask("Probe_GetPluginVersionString"), "1.0");
}

// Without resources, and under an upper-case extension.
class BareProbePlugin : public ProbePlugin {
protected:
    BareProbePlugin() : ProbePlugin("testplugins/ProbeBare.api", "BARE.API") {}
};

TEST_F(BareProbePlugin, FallsBackWhereResourcesAreMissing) {
    const HostPlugin& plugin = Start(nullptr);
    EXPECT_EQ(plugin.state, HostPlugin::State::Initialized) << out.str();
    EXPECT_EQ(Ask("Probe_GetPluginFileName"), "BARE");
    EXPECT_EQ(Ask("Probe_GetPluginVersionString"), "(unknown)");
    EXPECT_EQ(Ask("Probe_GetString", 20027), "*** Unknown string ID: 20027 ***");
}

}  // namespace
