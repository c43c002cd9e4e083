// The framework's About box and its menu item as the user meets them: XCHG_AboutMenuItem (where it stands,
// what it shows) and XCHG_FreebieAboutDialog (its text and picture, closing on the first mouse button the
// host reports, the fallbacks to the plug-in's own module).
#include "ProbeTest.h"

namespace {

class AboutBox : public ProbeWindowsTest {
protected:
    std::string Version() { return Text("Probe_GetPluginVersionString"); }
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

TEST_F(AboutBox, TheItemAtTheEndOfTheAboutPlugInsMenuShowsAModalBoxThatClosesOnTheFirstMouseDown) {
    Start();
    ASSERT_FALSE(host->Menus().ItemNames("AboutExtensionsMenu").empty());
    EXPECT_EQ(host->Menus().ItemNames("AboutExtensionsMenu").back(), kAboutItem);
    EXPECT_EQ(host->Menus().TitleOf(kAboutItem), Text("Probe_GetString", 1108));
    ClickEachBox();
    EXPECT_EQ(host->Menus().Click(kAboutItem), HostClickResult::Executed);
    ASSERT_EQ(seen.size(), 1u) << out.str();  // one box, gone after one click
    EXPECT_EQ(seen[0].rfind("dialog \"About Vantorix Geometry Editor\"", 0), 0u) << seen[0];
    EXPECT_NE(seen[0].find(" modal"), std::string::npos) << seen[0];
    EXPECT_EQ(WinSub_GetWindows(nullptr, nullptr, 0), 1);  // the main window alone
    EXPECT_EQ(host->Windows().Count(), 0u);
    EXPECT_EQ(host->FailedCalls(), 0) << out.str();
    EXPECT_EQ(NestingCount(), 0);
}

TEST_F(AboutBox, ShowsTheVersionAndOfThePicturesLyingOnOneAnotherTheOneWhoseIdIsTheBitmaps) {
    struct Row {
        const char* language;
        int bitmap;
    };
    // A localized module without the box leaves it and its bitmap to the plug-in's own.
    folder.Add("testplugins/Probe.DEU", "Probe.DEU");
    for (const Row& row : {Row{"ENU", 20015}, Row{"ENU", 20017}, Row{"DEU", 20015}}) {
        SCOPED_TRACE(std::string(row.language) + " " + std::to_string(row.bitmap));
        HostConfig config;
        config.language = row.language;
        Start(config);
        seen.clear();
        ClickEachBox();
        EXPECT_EQ(Ask<intptr_t>("Probe_ShowAbout", row.bitmap), 1);  // a click ends it with one
        ASSERT_EQ(seen.size(), 1u) << out.str();
        EXPECT_NE(seen[0].find("static #20010 \"Vantorix Version " + Version() + "\""), std::string::npos) << seen[0];
        if (row.bitmap == 20015) {
            EXPECT_NE(seen[0].find("picture #20015 (11,11 64x64) bitmap 64x64\n"), std::string::npos) << seen[0];
        }
        for (int picture : {20015, 20016, 20017, 20018}) {
            EXPECT_EQ(Hidden(seen[0], picture), picture != row.bitmap) << picture;
        }
    }
    EXPECT_NE(Version(), "(unknown)");
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

// The host loads a plug-in file whose name ends in ".API" too: the version comes from the file it was loaded from.
class AboutBoxOfAnUpperCaseFile : public ProbeTest {
protected:
    AboutBoxOfAnUpperCaseFile() : ProbeTest("testplugins/Probe.api", "Probe.API") {}
};

TEST_F(AboutBoxOfAnUpperCaseFile, ShowsTheVersion) {
    Start();
    EXPECT_NE(Text("Probe_GetPluginVersionString"), "(unknown)");
}

}  // namespace
