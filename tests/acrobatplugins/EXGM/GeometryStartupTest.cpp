// The geometry plug-in loaded by hosts of every version and with every handshake, as a user starts them.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <sstream>

#include "PluginFolder.h"
#include "host/core/Host.h"

namespace {

class GeometryStartup : public ::testing::Test {
protected:
    GeometryStartup() { folder.Add("Geometry.api", "Geometry.api"); }

    // Starts a host with the configuration and returns the one plug-in's record.
    const HostPlugin& Start(HostConfig config) {
        host = std::make_unique<Host>(std::move(config), out);
        host->LoadPlugins(folder.Path());
        host->FinishStartup();
        return *host->Plugins().at(0);
    }

    static HostConfig Version(uint16_t major, uint16_t minor) {
        HostConfig config;
        config.versionMajor = major;
        config.versionMinor = minor;
        return config;
    }

    PluginFolder folder;
    std::ostringstream out;
    std::unique_ptr<Host> host;
};

TEST_F(GeometryStartup, LoadsQuietlyOnHostsFromVersion4) {
    for (auto [major, minor] : {std::pair{4, 0}, {5, 0}, {6, 0}, {7, 0}}) {
        const HostPlugin& plugin = Start(Version(major, minor));
        EXPECT_EQ(plugin.state, HostPlugin::State::Initialized) << major << "." << minor << "\n" << out.str();
        EXPECT_TRUE(host->Alerts().Shown().empty()) << out.str();
        host.reset();
    }
}

TEST_F(GeometryStartup, OlderHostIsToldTheVersionNeeded) {
    const HostPlugin& plugin = Start(Version(3, 1));
    EXPECT_EQ(plugin.state, HostPlugin::State::Failed);
    ASSERT_EQ(host->Alerts().Shown().size(), 1u) << out.str();
    const HostShownAlert& alert = host->Alerts().Shown()[0];
    EXPECT_EQ(alert.text, "The plug-in Geometry requires Adobe Acrobat version 4.00 or newer.");
    EXPECT_EQ(alert.kind, 1);
    EXPECT_EQ(alert.buttons, std::vector<std::string>{"OK"});
    EXPECT_TRUE(alert.beep);
    // Unloading after the refusal, the plug-in unregistered what it had registered.
    EXPECT_EQ(plugin.leftoverNotifications, 0u);
}

TEST_F(GeometryStartup, HandshakeVersionIsTheSmallerOfHostsAnd2) {
    HostConfig newer;
    newer.handshakeVersion = MakeHostVersion(3, 0);
    const HostPlugin& loaded = Start(newer);
    EXPECT_EQ(loaded.handshakeVersion, MakeHostVersion(2, 0));
    EXPECT_EQ(loaded.state, HostPlugin::State::Initialized);
    host.reset();

    HostConfig older;
    older.handshakeVersion = MakeHostVersion(1, 0);
    const HostPlugin& refused = Start(older);
    EXPECT_EQ(refused.handshakeVersion, MakeHostVersion(1, 0));
    EXPECT_EQ(refused.state, HostPlugin::State::Failed);
}

TEST_F(GeometryStartup, OptionalTablesMayBeMissingRequiredOnesMayNot) {
    HostConfig noMetadata;
    noMetadata.OfferTablesOfVersion();
    noMetadata.tables.erase("PDMetadata");
    EXPECT_EQ(Start(noMetadata).state, HostPlugin::State::Initialized);
    host.reset();

    HostConfig noSupport;
    noSupport.OfferTablesOfVersion();
    noSupport.tables.erase("AcroSupport");
    EXPECT_EQ(Start(noSupport).state, HostPlugin::State::Failed);
}

TEST_F(GeometryStartup, QuitUnloadsAndReleasesEverything) {
    Start(HostConfig());
    host->Quit();
    EXPECT_EQ(host->Plugins()[0]->state, HostPlugin::State::Unloaded);
    EXPECT_EQ(host->Plugins()[0]->module, nullptr);
    EXPECT_EQ(host->Plugins()[0]->leftoverNotifications, 0u);
    EXPECT_EQ(host->FailedCalls(), 0);
}

TEST(GeometryModule, ExportsOnlyPlugInMain) {
    const std::string command = "nm -D --defined-only " GEOM_BIN_DIR "/Geometry.api";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::set<std::string> symbols;
    char line[512];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        std::istringstream fields(line);
        std::string address, type, name;
        fields >> address >> type >> name;
        symbols.insert(name);
    }
    EXPECT_EQ(pclose(pipe), 0);
    EXPECT_EQ(symbols, std::set<std::string>{"PlugInMain"});
}

}  // namespace
