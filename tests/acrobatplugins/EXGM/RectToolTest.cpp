// The box rectangle tools on a real document in a real page view: dragging edges, corners and the whole box
// with exact values kept for what did not move; the drawing the user sees, in order; cursors by zone; writing
// only on a change. Drags on turned pages and the saved file are the editor's journeys (EditorSession).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "EXGM/EXGM_ArtBoxTool.h"
#include "EXGM/EXGM_BleedBoxTool.h"
#include "EXGM/EXGM_CropBoxTool.h"
#include "EXGM/EXGM_GeometryListener.h"
#include "EXGM/EXGM_MediaBoxTool.h"
#include "EXGM/EXGM_TrimBoxTool.h"
#include "HostTestTables.h"
#include "PDFL/PDFL_CorCalls5.h"
#include "PDFL/PDFL_PDCalls5.h"
#include "TestPdf.h"
#include "Win32.h"
#include "XCHG/XCHG_PluginContext.h"
#include "XCHG/XCHG_Resources.h"
#include "host/document/HostDocument.h"

namespace {

// A TrimBox with fractions in every edge (device 100 192 401 592) and an ArtBox 3 points wide.
std::vector<std::string> ToolsPdf() {
    return {"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 /MediaBox [0 0 612 792] >>",
            "<< /Type /Page /Parent 2 0 R /TrimBox [100.25 200.5 400.75 600.125] /ArtBox [300 300 303 400] >>"};
}

struct Notice {
    FixedRect box;
    BoxKind kind;
};

class Listener : public EXGM_GeometryListener {
public:
    void GeometryChanged(const FixedRect& rectangle, BoxKind kind) override { notices.push_back({rectangle, kind}); }
    std::vector<Notice> notices;
};

std::string Rect(const char* what, int left, int top, int right, int bottom) {
    return std::string(what) + " " +
           HostPageViewState::Text({static_cast<int16_t>(left), static_cast<int16_t>(top), static_cast<int16_t>(right),
                                    static_cast<int16_t>(bottom)});
}

class RectTools : public ::testing::Test, protected HostTestTables {
protected:
    void SetUp() override {
        // The plug-in's own module, loaded by the host, lends the tools its resources and its extension.
        std::filesystem::create_symlink(std::string(GEOM_BIN_DIR) + "/Geometry.api", plugins.Path("Geometry.api"));
        host.LoadPlugins(plugins.Path());
        ASSERT_EQ(host.Plugins().size(), 1u);
        const HostPlugin& plugin = *host.Plugins()[0];
        ASSERT_EQ(plugin.state, HostPlugin::State::Initialized) << out.str();
        resources = plugin.module;
        XCHG_PluginContext::SetPlatform(host.Windows().MainWindow(), resources);
        XCHG_PluginContext::SetExtension(plugin.extension, plugin.handshakeVersion);
        XCHG_ResetResourceModules();
        const HostVersion version = MakeHostVersion(5, 0);
        PDFL_HostTables::Set(PDFL_HostTables::kAcroView, host.Table("AcroView", version), version);

        WritePdf(folder.Path("tools.pdf"), ToolsPdf());
        std::string why;
        doc = host.Documents().Open(folder.Path("tools.pdf"), &why);
        ASSERT_NE(doc, HostDoc::None) << why;
        docView = host.DocViews().Open(doc, "");
        pageView = host.DocViews().PageViewOf(docView);
        View().TakeDrawn();
    }
    void TearDown() override {
        host.Tools().SetActive(host.Tools().Default(), false);
        for (EXGM_RectTool* tool : registered) tool->Unregister();
        XCHG_ResetResourceModules();
        XCHG_PluginContext::SetPlatform(nullptr, nullptr);
        XCHG_PluginContext::SetExtension(HostExtension::None, 0);
    }

    // Registered as the framework registers a tool, then made the host's active tool, as a dialog tool
    // would make it its active sub-tool.
    void Activate(EXGM_RectTool& tool) {
        tool.Register();
        registered.push_back(&tool);
        host.Tools().SetActive(tool.GetHostTool(), true);
    }
    HostPageViewState& View() { return host.DocViews().PageView(pageView); }
    bool Drag(int x1, int y1, int x2, int y2, int steps) {
        View().TakeDrawn();
        return host.PageViews().Drag(View(), HostPageViews::Path({Px(x1), Px(y1)}, {Px(x2), Px(y2)}, steps), 0);
    }
    HostCursor CursorAt(int x, int y) {
        host.Windows().SetCursor(Unrelated());
        EXPECT_TRUE(host.Tools().AdjustCursor(pageView, Px(x), Px(y)));
        return host.Windows().Cursor();
    }
    static HostCursor Unrelated() {
        return static_cast<HostCursor>(reinterpret_cast<uintptr_t>(LoadCursorW(nullptr, IDC_IBEAM)));
    }
    HostCursor OwnCursor(int id) {
        return static_cast<HostCursor>(reinterpret_cast<uintptr_t>(LoadCursorW(resources, MAKEINTRESOURCEW(id))));
    }
    FixedRect Box(BoxKind kind) {
        FixedRect box{};
        const HostPage page = Model_AcquirePage(doc, View().PageNumber());
        EXGM_GetBox(page, kind, &box);
        Model_ReleasePage(page);
        return box;
    }
    static int16_t Px(int value) { return static_cast<int16_t>(value); }

    TestFolder folder;
    TestFolder plugins;
    HMODULE resources = nullptr;
    HostDoc doc = HostDoc::None;
    HostDocView docView = HostDocView::None;
    HostPageView pageView = HostPageView::None;
    std::vector<EXGM_RectTool*> registered;
    // The tools outlive each test's body: the host deactivates the active one after it.
    EXGM_TrimBoxTool trimTool;
    EXGM_ArtBoxTool artTool;
    EXGM_CropBoxTool cropTool;
    Listener listener;
};

// Written into both keys and saved: EditorSession's DraggingTheRightEdgeOfATurnedPageFollowsInTheDialog.
TEST_F(RectTools, TheLeftEdgeDraggedAcrossTheRightOneTakesItsExactValue) {
    Activate(trimTool);
    // The left edge at 100 dragged past the right edge at 401: the old right's exact value becomes the left.
    ASSERT_TRUE(Drag(100, 400, 451, 400, 4));
    EXPECT_EQ(Box(kTrimBox), BoxOf(400.75, 200.5, 451, 600.125));
}

TEST_F(RectTools, DraggingInsideMovesTheWholeBox) {
    EXGM_TrimBoxTool& tool = trimTool;
    Activate(tool);
    ASSERT_TRUE(Drag(250, 400, 260, 380, 3));
    // Every edge moved, so each is the host's value for its new pixel.
    EXPECT_EQ(Box(kTrimBox), BoxOf(110, 792 - 572, 411, 792 - 172));
    const std::vector<std::string> drawn = View().TakeDrawn();
    ASSERT_GE(drawn.size(), 3u);
    // Both feedback rectangles carry both grabbed edges.
    EXPECT_EQ(drawn[1], Rect("inverted", -2, 192, 802, 592));
    EXPECT_EQ(drawn[2], Rect("inverted", 100, -2, 401, 602));

    // 2 pixels in four steps: the mouse stands still at every other poll, and nothing is drawn or told then.
    tool.AddListener(&listener);
    ASSERT_TRUE(Drag(250, 400, 252, 400, 4));
    EXPECT_EQ(listener.notices.size(), 3u);  // two moves, then the change
    const std::vector<std::string> lines = View().TakeDrawn();
    EXPECT_EQ(
        std::count_if(lines.begin(), lines.end(), [](const std::string& line) { return line.starts_with("inverted"); }),
        2 + 2 * 4 + 2);
}

TEST_F(RectTools, ABoxNarrowerThanSixPixelsIsGrabbedByItsLeftEdge) {
    Activate(artTool);
    EXPECT_EQ(CursorAt(301, 450), OwnCursor(1003));
    ASSERT_TRUE(Drag(301, 450, 281, 450, 2));
    EXPECT_EQ(Box(kArtBox), BoxOf(280, 300, 303, 400));
}

TEST_F(RectTools, CursorsFollowTheZones) {
    Activate(trimTool);
    const struct {
        int x, y, id;
    } cases[] = {{250, 192, 1004}, {250, 590, 1004}, {101, 400, 1003}, {399, 400, 1003}, {100, 192, 1001},
                 {401, 592, 1001}, {401, 192, 1002}, {100, 592, 1002}, {250, 400, 1005}};
    for (const auto& c : cases) {
        ASSERT_NE(OwnCursor(c.id), HostCursor::None);
        EXPECT_EQ(CursorAt(c.x, c.y), OwnCursor(c.id)) << c.x << "," << c.y;
    }
    const auto arrow = static_cast<HostCursor>(reinterpret_cast<uintptr_t>(LoadCursorW(nullptr, IDC_ARROW)));
    EXPECT_EQ(CursorAt(50, 50), arrow);
    EXPECT_EQ(CursorAt(96, 400), arrow);
}

TEST_F(RectTools, EraseInvalidatesTheStripsUnderTheLines) {
    View().TakeDrawn();
    trimTool.EraseBox(pageView);
    EXPECT_EQ(View().TakeDrawn(),
              (std::vector<std::string>{Rect("invalidate", 100, -1, 101, 601), Rect("invalidate", 400, -1, 401, 601),
                                        Rect("invalidate", -1, 192, 801, 193), Rect("invalidate", -1, 591, 801, 592)}));
}

TEST_F(RectTools, CropBoxDraggedToOnePointKeepsThatPointInTheDictionary) {
    Activate(cropTool);
    // No CropBox: the MediaBox stands in, at device 0 0 612 792. Its right edge dragged to 1 pixel: the key
    // keeps the point as dragged (the host's own crop box keeps its 3-point minimum) and the MediaBox stays.
    ASSERT_TRUE(Drag(612, 300, 1, 300, 3));
    EXPECT_EQ(Box(kCropBox), BoxOf(0, 0, 1, 792));
    EXPECT_EQ(Box(kMediaBox), BoxOf(0, 0, 612, 792));
}

// Each box's colours: EditorSession's TheOverlayDrawsEveryBoxAndTheSelectedOneLast.
TEST_F(RectTools, EachBoxHasItsToolAndType) {
    const struct {
        BoxKind kind;
        const char* type;
    } boxes[] = {{kMediaBox, "ORBA:EXGM_MediaBoxTool"},
                 {kCropBox, "ORBA:EXGM_CropBoxTool"},
                 {kTrimBox, "ORBA:EXGM_TrimBoxTool"},
                 {kArtBox, "ORBA:EXGM_ArtBoxTool"},
                 {kBleedBox, "ORBA:EXGM_BleedBoxTool"}};
    for (const auto& box : boxes) {
        EXGM_RectTool* tool = EXGM_BoxToolFor(box.kind);
        ASSERT_NE(tool, nullptr);
        EXPECT_EQ(tool->GetBoxKind(), box.kind);
        EXPECT_STREQ(Core_NameOfAtom(tool->GetType()), box.type);
    }
    EXPECT_EQ(EXGM_BoxToolFor(kBoxKindCount), nullptr);
    EXPECT_EQ(EXGM_BoxToolFor(static_cast<BoxKind>(-1)), nullptr);
}

}  // namespace
