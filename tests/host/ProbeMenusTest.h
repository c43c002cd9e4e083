// The probe plug-in with its menu items, tool buttons and toolbars (PROBE_MENUS), started by a host of a
// chosen version, and the probe's exported functions to look inside and change its answers.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "ProbeTest.h"
#include "Win32.h"
#include "host/Host.h"

class ProbeMenusTest : public ProbeTest {
protected:
    using Names = std::vector<std::string>;

    static constexpr const char kItemA[] = "ORBA_TEST_Probe:ItemA";
    static constexpr const char kItemB[] = "ORBA_TEST_Probe:ItemB";
    static constexpr const char kItemC[] = "ORBA_TEST_Probe:ItemC";
    static constexpr const char kToolsItem[] = "ORBA_TEST_Probe:ORBA:OrbaToolsMenuName";
    static constexpr const char kSubmenu[] = "ORBA:OrbaToolsSubMenuName";
    static constexpr const char kToolbar[] = "ORBA:XCHG_OrbaToolBar";
    static constexpr const char kEndSeparator[] = "ORBA:XCHG_OrbaToolBar:ORBA:EndToolBarSeparator";
    static constexpr const char kMenuSeparator[] = "ORBA:OrbaToolsMenuBarSeparator";
    static constexpr const char kNullToolButton[] = "ORBA:TEST_NullToolButton";
    static constexpr const char kToolButton[] = "ORBA:TEST_ToolButton";
    static constexpr const char kPlainButton[] = "ORBA:TEST_PlainButton";

    ~ProbeMenusTest() override {
        host.reset();
        unsetenv("PROBE_MENUS");
    }

    static HostConfig Version(uint16_t major, int room = 8) {
        HostConfig config;
        config.versionMajor = major;
        config.toolbarRoom = room;
        return config;
    }
    // Starts a new host with the probe; `before` may change the host before the plug-in loads.
    const HostPlugin& Start(HostConfig config, bool menus = true, const std::function<void(Host&)>& before = {}) {
        host.reset();
        if (menus) {
            setenv("PROBE_MENUS", "1", 1);
        } else {
            unsetenv("PROBE_MENUS");
        }
        out.str("");
        host = std::make_unique<Host>(std::move(config), out);
        if (before) before(*host);
        host->LoadPlugins(folder.Path());
        host->FinishStartup();
        Call<void (*)(int, int, int)>("Probe_SetMenuState", 1, 0, 0);
        Log();
        return *host->Plugins().at(0);
    }

    // What reached the probe's menu target and tool since the last call.
    std::string Log() {
        char text[1024] = "";
        if (auto log = Export<void (*)(char*, int)>("Probe_MenuLog")) log(text, sizeof text);
        return text;
    }
    void SetState(bool enabled, bool marked, bool failing = false) {
        Call<void (*)(int, int, int)>("Probe_SetMenuState", enabled, marked, failing);
    }
    std::string MenuLine(const std::string& name) { return LineOf(host->Menus().Text(), name); }
    std::string ButtonLine(const std::string& name) { return LineOf(host->Toolbars().Text(), name); }
    const HostShownAlert& LastAlert() const { return host->Alerts().Shown().back(); }

};
