// The editor in a user's session: where the tools appear on hosts of each kind, the boxes drawn over the
// page while a dialog is shown, dragging a box on a turned page, the help file, a host that may not edit,
// and an unload that gives back everything the plug-in registered.
#include <algorithm>
#include <string>
#include <vector>

#include "EditorHost.h"

namespace {

// One page whose TrimBox lies 36 points inside the MediaBox, and one turned by 90 degrees with no boxes
// beyond its MediaBox.
std::vector<std::string> TwoPages() {
    return {"<< /Type /Catalog /Pages 2 0 R >>",
            "<< /Type /Pages /Kids [3 0 R 4 0 R] /Count 2 /MediaBox [0 0 612 792] >>",
            "<< /Type /Page /Parent 2 0 R /TrimBox [36 36 576 756] >>", "<< /Type /Page /Parent 2 0 R /Rotate 90 >>"};
}

bool Contains(const std::string& text, const std::string& piece) { return text.find(piece) != std::string::npos; }

std::vector<std::string> Tail(const std::vector<std::string>& lines, std::size_t count) {
    return {lines.end() - static_cast<std::ptrdiff_t>(std::min(count, lines.size())), lines.end()};
}

using EditorSession = EditorHost;

TEST_F(EditorSession, ToolsAppearWhereTheHostHasRoomForThem) {
    struct Row {
        uint16_t version;
        int room;
        std::vector<std::string> shown;    // in the toolbars' and menus' print, in this order
        std::vector<std::string> missing;  // anywhere in it
    };
    const std::string trimButton =
        "\"Vantorix Geometry Editor Tool\" v  (disabled)  [ORBA:EXGM_TrimToolButton]\n"
        "      (icon) \"Edit Page Geometry\"  (disabled)  [ORBA:EXGM_GeomToolButton]\n";
    const std::string geomItem = "Edit Page Geometry  (disabled)  [ORBA_EXGM_Geometry:ORBA:EXGM_GeometryToolButton]";
    const std::string trimItem =
        "Vantorix Geometry Editor Tool  (disabled)  [ORBA_EXGM_Geometry:ORBA:EXGM_TrimToolButton]";
    const std::string anyButton = "[ORBA:EXGM_TrimToolButton]";
    const Row rows[] = {
        // A full toolbar on an older host: the two items at the end of "Tools", and no buttons.
        {5, 0, {"  Tools\n", geomItem + "\n      (icon) " + trimItem + "\n  Advanced"}, {anyButton}},
        // Room on an older host: the buttons go on the host's own toolbar, before "endToolsGroup".
        {5, 8, {"Toolbar Toolbar", trimButton + "    |  [endToolsGroup]"}, {geomItem}},
        // From version 6 on: the maker's toolbar, and the items in its menu once start-up has finished.
        {6, 8, {"Toolbar Orba Tools", trimButton, trimItem, geomItem}, {}},
        {7, 0, {"Orba Tools >", trimItem, geomItem}, {anyButton}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("host " + std::to_string(row.version) + ", room " + std::to_string(row.room));
        script.reset();
        host.reset();
        std::filesystem::remove(plugins.Path("Geometry.api"));
        HostConfig config;
        config.versionMajor = row.version;
        config.toolbarRoom = row.room;
        Start(config);
        const std::string shown = Run("toolbars\nmenus");
        std::size_t at = 0;
        for (const std::string& piece : row.shown) {
            at = shown.find(piece, at);
            ASSERT_NE(at, std::string::npos) << piece << "\n" << shown;
        }
        for (const std::string& piece : row.missing) EXPECT_FALSE(Contains(shown, piece)) << piece << "\n" << shown;
        EXPECT_TRUE(host->Alerts().Shown().empty()) << shown;
    }
}

TEST_F(EditorSession, TheOverlayDrawsEveryBoxAndTheSelectedOneLast) {
    Start();
    Open("two.pdf", TwoPages());
    Drawn();
    Run("button ORBA:EXGM_GeomToolButton");
    const std::vector<std::string> drawn = Drawn();
    // Each box's guide lines in half its colour; the TrimBox, selected, last and with its outline in full blue.
    for (const char* guide : {"color rgb 0.5 0 0", "color rgb 0 0.5 0", "color rgb 0.5 0 0.5", "color rgb 0 0.5 0.5"}) {
        EXPECT_NE(std::find(drawn.begin(), drawn.end(), guide), drawn.end()) << guide;
    }
    EXPECT_EQ(Tail(drawn, 5), (std::vector<std::string>{"color rgb 0 0 0.5", "outline 36 -2 576 602 width 1",
                                                        "outline -2 36 802 756 width 1", "color rgb 0 0 1",
                                                        "outline 36 36 576 756 width 1"}));
    // Another tool takes over: the dialog stays, its box keeps the guide lines and loses the outline.
    Run("tool default");
    EXPECT_TRUE(Visible(L"Page Geometry"));
    EXPECT_EQ(Tail(Drawn(), 3), (std::vector<std::string>{"color rgb 0 0 0.5", "outline 36 -2 576 602 width 1",
                                                          "outline -2 36 802 756 width 1"}));
    // Closed, the dialog only hides; the overlay is erased and the next repaint draws nothing of it.
    Run("close-window \"Page Geometry\"\nzoom 50");
    EXPECT_FALSE(Visible(L"Page Geometry"));
    EXPECT_NE(Dialog(L"Page Geometry"), nullptr);
    const std::vector<std::string> afterClose = Drawn();
    EXPECT_EQ(afterClose.back(), "redraw") << ::testing::PrintToString(afterClose);
}

TEST_F(EditorSession, DraggingTheRightEdgeOfATurnedPageFollowsInTheDialog) {
    Start();
    const std::string path = Open("two.pdf", TwoPages());
    Run("page 2\nzoom 50\nbutton ORBA:EXGM_GeomToolButton\nchoose #1009 Coordinates");
    ASSERT_EQ(Fields(L"Page Geometry"), (std::vector<std::string>{"612.00", "792.00", "0.00", "0.00"}));
    // Turned by 90 degrees at half size, the page's right edge is the bottom of the picture, at y 306.
    std::vector<std::string> rights;
    host->PageViews().SetPollObserver([&] { rights.push_back(Text(L"Page Geometry", 1002)); });
    Run("drag 100 306 100 296 2");
    host->PageViews().SetPollObserver(nullptr);
    EXPECT_EQ(rights, (std::vector<std::string>{"612.00", "602.00", "592.00"}));
    EXPECT_EQ(Fields(L"Page Geometry"), (std::vector<std::string>{"592.00", "792.00", "0.00", "0.00"}));
    // A press and release in place writes nothing.
    Run("save\ndrag 100 296 100 296 0");
    EXPECT_FALSE(Modified());
    EXPECT_EQ(BoxesInFile(path, 1).at("TrimBox"), "0 0 592 792");
    EXPECT_EQ(BoxesInFile(path, 1).at("ORBA_TrimBox"), "0 0 592 792");
}

// The edges a user sees are the ones dragged: of a box stored reversed, and on a view the host turned on top
// of the page's own rotation.
TEST_F(EditorSession, ADragMovesTheEdgeTheUserSeesOnAReversedBoxAndATurnedView) {
    Start();
    const std::string path = Open("two.pdf", {"<< /Type /Catalog /Pages 2 0 R >>",
                                              "<< /Type /Pages /Kids [3 0 R] /Count 1 /MediaBox [0 0 612 792] >>",
                                              "<< /Type /Page /Parent 2 0 R /TrimBox [400 400 100 200] >>"});
    Run("button ORBA:EXGM_GeomToolButton\nchoose #1009 Coordinates\ndrag 100 500 150 500 2");
    EXPECT_EQ(Fields(L"Page Geometry"), (std::vector<std::string>{"400.00", "400.00", "150.00", "200.00"}));
    // Turned a quarter to the right, the page's right edge is the bottom of the picture.
    Run("rotate 90\ndrag 300 400 300 390 2");
    EXPECT_EQ(Fields(L"Page Geometry"), (std::vector<std::string>{"390.00", "400.00", "150.00", "200.00"}));
    Run("save");
    EXPECT_EQ(BoxesInFile(path, 0).at("TrimBox"), "150 200 390 400");
}

TEST_F(EditorSession, WithoutAnEditableFrontPageTheEditorStandsBack) {
    Start();
    Open("two.pdf", TwoPages());
    Run("button ORBA:EXGM_GeomToolButton\nclose");
    // No document: the fields are empty and every control is disabled, and so are the menu items.
    EXPECT_EQ(Fields(L"Page Geometry"), (std::vector<std::string>{"", "", "", ""}));
    for (int id : {1001, 1002, 1006, 1007, 1008, 1009}) {
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(Dialog(L"Page Geometry"), id))) << id;
    }
    EXPECT_TRUE(Contains(Run("menus"), "Edit Page Geometry  (disabled)"));
    // A document in a window where pages cannot be edited: the dialog goes and the tools say no.
    Open("two.pdf", TwoPages());
    EXPECT_EQ(Fields(L"Page Geometry")[0], "540.00");
    host->DocViews().SetKind(host->DocViews().Front(), 2);
    Open("other.pdf", TwoPages());
    host->DocViews().SetKind(host->DocViews().Front(), 2);
    Run("open " + files.Path("two.pdf"));
    EXPECT_FALSE(Visible(L"Page Geometry"));
    EXPECT_TRUE(Contains(Run("toolbars"), "\"Edit Page Geometry\"  (disabled)"));
}

TEST_F(EditorSession, AHostThatMayNotEditGetsTheNoteAndNothingElse) {
    config.canEdit = false;
    Start(config);
    ASSERT_NE(LastAlert(), nullptr);
    EXPECT_EQ(
        LastAlert()->text,
        "The Orba Geometry plugin only works with the Acrobat Exchange program.  It will not run under Exchange LE.");
    EXPECT_FALSE(LastAlert()->modal);
    const HostRegistrations now = host->Registrations();
    EXPECT_EQ(now.tools, 0u);
    EXPECT_EQ(now.toolButtons, before.toolButtons);
    EXPECT_EQ(now.menuItems, before.menuItems);
    EXPECT_EQ(now.drawProcs, 0u);
}

TEST_F(EditorSession, HelpOpensTheUserGuide) {
    Start();
    const std::string shown = Run("menu ORBA_EXGM_Geometry:ExtensionHelpORBA_EXGM_Geometry");
    EXPECT_TRUE(Contains(shown, "[view] Geometry.pdf")) << shown;
    EXPECT_TRUE(host->Alerts().Shown().empty()) << shown;
}

TEST_F(EditorSession, UnloadGivesBackEverythingTheEditorRegistered) {
    Start();
    Open("two.pdf", TwoPages());
    EXPECT_EQ(host->Registrations().tools, 2u);
    Run("button ORBA:EXGM_GeomToolButton\nbutton ORBA:EXGM_TrimToolButton\ndrag 40 40 50 50\nclose");
    script.reset();
    host->Quit();
    EXPECT_EQ(host->Registrations(), before) << ::testing::PrintToString(host->Registrations());
    EXPECT_FALSE(Contains(out.str(), "behind")) << out.str();
    EXPECT_EQ(host->FailedCalls(), 0) << out.str();
}

}  // namespace
