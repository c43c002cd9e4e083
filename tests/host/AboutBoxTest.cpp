// The framework's About box and its menu item as the user meets them: XCHG_AboutMenuItem (where it stands,
// what it shows) and XCHG_FreebieAboutDialog (its text and picture, closing on the first mouse button the
// host reports, the fallbacks to the plug-in's own module).
#include "ProbeWindowsTest.h"

namespace {

class AboutBox : public ProbeWindowsTest {
protected:
    std::string String(int id) {
        char text[256] = "";
        Call<void (*)(int, char*, int)>("Probe_GetString", id, text, static_cast<int>(sizeof text));
        return text;
    }
    std::string Version() {
        char text[64] = "";
        Call<void (*)(char*, int)>("Probe_GetPluginVersionString", text, static_cast<int>(sizeof text));
        return text;
    }
    // The user looks at each box shown (what is seen is kept in `seen`), then clicks its version text,
    // which lets the click through to the dialog.
    void ClickEachBox() {
        WhenWaiting([this](HWND box) {
            if (box == nullptr || seen.size() == 3) return false;
            seen.push_back(Screen(box, WINSUB_DUMP_HIDDEN));
            return WinSub_Click(GetDlgItem(box, 20010)) != FALSE;
        });
    }

    // Whether the box's picture control `id` is hidden in what the user saw.
    static bool Hidden(const std::string& box, int id) {
        const std::size_t line = box.find("picture #" + std::to_string(id));
        EXPECT_NE(line, std::string::npos) << box;
        if (line == std::string::npos) return false;
        return box.substr(line, box.find('\n', line) - line).find("hidden") != std::string::npos;
    }

    std::vector<std::string> seen;
};

TEST_F(AboutBox, TheItemStandsAtTheEndOfTheAboutPlugInsMenu) {
    Start();
    ASSERT_FALSE(host->Menus().ItemNames("AboutExtensionsMenu").empty());
    EXPECT_EQ(host->Menus().ItemNames("AboutExtensionsMenu").back(), kAboutItem);
    EXPECT_EQ(host->Menus().TitleOf(kAboutItem), String(1108));
}

TEST_F(AboutBox, ShowsTheVersionAndTheBitmapAndClosesOnTheFirstMouseDown) {
    Start();
    ClickEachBox();
    EXPECT_EQ(host->Menus().Click(kAboutItem), HostClickResult::Executed);
    ASSERT_EQ(seen.size(), 1u) << out.str();  // one box, gone after one click
    const std::string& box = seen[0];
    EXPECT_EQ(box.rfind("dialog \"About Vantorix Geometry Editor\"", 0), 0u) << box;
    EXPECT_NE(box.find(" modal"), std::string::npos) << box;
    EXPECT_NE(box.find("static #20010 \"Vantorix Version " + Version() + "\""), std::string::npos) << box;
    EXPECT_NE(Version(), "(unknown)");
    // The pictures lie on one another; only the bitmap's own shows, with the bitmap.
    EXPECT_NE(box.find("picture #20015 (11,11 64x64) bitmap 64x64\n"), std::string::npos) << box;
    for (int hidden : {20016, 20017, 20018}) EXPECT_TRUE(Hidden(box, hidden)) << hidden;
    EXPECT_EQ(WinSub_GetWindows(nullptr, nullptr, 0), 1);  // the main window alone
    EXPECT_EQ(host->Windows().Count(), 0u);
    EXPECT_EQ(host->FailedCalls(), 0) << out.str();
    EXPECT_EQ(NestingCount(), 0);
}

TEST_F(AboutBox, ThePictureWhoseIdIsTheBitmapIdIsTheOneThatStaysAndAClickEndsWithOne) {
    Start();
    ClickEachBox();
    EXPECT_EQ(Ask<intptr_t>("Probe_ShowAbout", 20017), 1);
    ASSERT_EQ(seen.size(), 1u);
    for (int hidden : {20015, 20016, 20018}) EXPECT_TRUE(Hidden(seen[0], hidden)) << hidden;
    EXPECT_FALSE(Hidden(seen[0], 20017));
}

TEST_F(AboutBox, ALocalizedModuleWithoutTheBoxLeavesItAndItsBitmapToThePlugInsOwn) {
    folder.Add("testplugins/Probe.DEU", "Probe.DEU");
    HostConfig config;
    config.language = "DEU";
    Start(config);
    ClickEachBox();
    EXPECT_EQ(Ask<intptr_t>("Probe_ShowAbout", 20015), 1);
    ASSERT_EQ(seen.size(), 1u) << out.str();
    EXPECT_NE(seen[0].find("static #20010 \"Vantorix Version " + Version() + "\""), std::string::npos) << seen[0];
    EXPECT_NE(seen[0].find("picture #20015 (11,11 64x64) bitmap 64x64\n"), std::string::npos) << seen[0];
}

TEST_F(AboutBox, ABoxThatEndsWithoutAPositiveResultIsShownOnceMore) {
    Start();
    int shown = 0;
    WhenWaiting([&](HWND box) {
        if (box == nullptr || shown == 3) return false;
        ++shown;
        return WinSub_Close(box) != FALSE;  // the close box destroys the box: no result
    });
    EXPECT_EQ(Ask<intptr_t>("Probe_ShowAbout", 20015), 0);
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(host->FailedCalls(), 0) << out.str();
}

}  // namespace
