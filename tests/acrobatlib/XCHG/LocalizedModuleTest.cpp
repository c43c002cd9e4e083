// The localized resource module: found beside the plug-in, in Locale/ or in Help/ by the host's language,
// and consulted first, with the plug-in's own resources behind it.
#include <gtest/gtest.h>

#include <sstream>

#include "GLIB/GLIB_StringUtils.h"
#include "PluginFolder.h"
#include "Win32.h"
#include "host/core/Host.h"

namespace {

const char kEnglish[] = "Out of Memory\n\nTry to increase the amount of memory\ndedicated to this program";
const char kGerman[] = "Nicht genügend Arbeitsspeicher";

class LocalizedModule : public ::testing::Test {
protected:
    LocalizedModule() { folder.Add("testplugins/Probe.api", "Probe.api"); }

    // String `id` as the probe in `plugins` reads it in a host of that language.
    std::string StringIn(const char* language, int id) { return StringIn(folder, language, id); }
    std::string StringIn(const PluginFolder& plugins, const char* language, int id) {
        HostConfig config;
        config.language = language;
        Host host(config, out);
        host.LoadPlugins(plugins.Path());
        HMODULE module = host.Plugins().at(0)->module;
        auto getString = reinterpret_cast<void (*)(int, char*, int)>(
            reinterpret_cast<HostProc>(GetProcAddress(module, "Probe_GetString")));
        char text[512] = "";
        host.CallPlugin("GetString", [&] { getString(id, text, sizeof text); });
        return text;
    }

    PluginFolder folder;
    std::ostringstream out;
};

TEST_F(LocalizedModule, BesideThePlugInTheLanguagesStringsComeFirst) {
    folder.Add("testplugins/Probe.DEU", "Probe.DEU");
    EXPECT_EQ(StringIn("DEU", 20027), kGerman);
    // A string the module lacks comes from the plug-in.
    EXPECT_EQ(StringIn("DEU", 20024), "%s::%s caught an exception: %s : code %d");
    EXPECT_EQ(StringIn("ENU", 20027), kEnglish);
}

TEST_F(LocalizedModule, FoundInLocaleAndInHelp) {
    folder.Add("testplugins/Probe.DEU", "Locale/Probe.DEU");
    EXPECT_EQ(StringIn("DEU", 20027), kGerman);
    PluginFolder helpOnly;
    helpOnly.Add("testplugins/Probe.api", "Probe.api");
    helpOnly.Add("testplugins/Probe.DEU", "Help/Probe.DEU");
    EXPECT_EQ(StringIn(helpOnly, "DEU", 20027), kGerman);
}

TEST_F(LocalizedModule, WithoutAModuleEverythingIsTheOwnModules) {
    EXPECT_EQ(StringIn("DEU", 20027), kEnglish);
    EXPECT_EQ(StringIn("FRA", 20027), kEnglish);
}

}  // namespace
