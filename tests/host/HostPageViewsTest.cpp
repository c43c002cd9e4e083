// The host's page views as a plug-in meets them through the AcroView entries (device rectangles, the drawing
// record, draw procedures, notifications) and as a user drives them through the script commands.
#include <gmock/gmock.h>
#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "HostEntryTest.h"
#include "HostRecords.h"
#include "TestPdf.h"
#include "host/document/HostDocument.h"
#include "host/entries/HostTables.h"
#include "host/script/HostScript.h"
#include "host/ui/HostCommand.h"
#include "host/view/HostPageViewState.h"

namespace {

using ::testing::HasSubstr;

using View = HostAcroViewTable;

// Page 1: CropBox 10 20 410 620 inside a Letter MediaBox. Page 2: 200 x 100, turned by its own /Rotate 90.
std::vector<std::string> TwoPagePdf() {
    return {
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R 4 0 R] /Count 2 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /CropBox [10 20 410 620]"
        " /TrimBox [60 70 360 570] >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 100] /Rotate 90 >>",
    };
}

FixedRect Points(int left, int top, int right, int bottom) {
    return {left * kFixedOne, top * kFixedOne, right * kFixedOne, bottom * kFixedOne};
}

std::string Text(const HostDevRect& r) { return HostPageViewState::Text(r); }
std::string Text(const FixedRect& r) {
    return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) + " " +
           std::to_string(r.bottom);
}

std::vector<std::string> g_calls;

void OnDraw(HostPageView view, void* clientData) {
    g_calls.push_back("draw " + std::to_string(static_cast<uint32_t>(view)) + " " +
                      static_cast<const char*>(clientData));
    // What a draw procedure draws lands in the record after the host's "redraw".
    const HostDevRect mark{1, 2, 3, 4};
    View::View_DrawInvertedRect(view, &mark);
}

void OnFrontChange(HostDocView front, void* clientData) {
    g_calls.push_back(std::string(static_cast<const char*>(clientData)) + " front " +
                      std::to_string(static_cast<uint32_t>(front)));
}

void OnPageViewChange(HostPageView view, int32_t flags, void* clientData) {
    g_calls.push_back(std::string(static_cast<const char*>(clientData)) + " view " +
                      std::to_string(static_cast<uint32_t>(view)) + " flags " + std::to_string(flags));
}

// A tool that follows the mouse while the button is down, as the box tools do.
HostBool OnClick(HostToolRecord*, HostPageView view, int16_t x, int16_t y, int16_t flags, int16_t clickCount) {
    g_calls.push_back("click " + std::to_string(x) + "," + std::to_string(y) + " flags " + std::to_string(flags) +
                      " count " + std::to_string(clickCount));
    while (View::View_MouseIsStillDown()) {
        int16_t mx = 0;
        int16_t my = 0;
        View::View_MousePosition(view, &mx, &my);
        g_calls.push_back(std::to_string(mx) + "," + std::to_string(my) + " keys " +
                          std::to_string(View::View_KeyModifiers()));
    }
    return true;
}

HostBool OnAdjustCursor(HostToolRecord*, HostPageView, int16_t x, int16_t y) {
    g_calls.push_back("cursor " + std::to_string(x) + "," + std::to_string(y));
    return true;
}

HostAtom OnGetType(HostToolRecord*) { return Host::Current().Atoms().FromName("TEST:Follower"); }

class HostPageViewEntries : public HostEntryTest {
protected:
    HostPageViewEntries() {
        g_calls.clear();
        WritePdf(docs.Path("a.pdf"), TwoPagePdf());
        WritePdf(docs.Path("b.pdf"), TwoPagePdf());
    }

    HostDocView OpenView(const std::string& name) {
        const HostDoc doc = host->Documents().Open(docs.Path(name));
        EXPECT_NE(doc, HostDoc::None);
        return host->DocViews().Open(doc, "");
    }
    HostPageView PageViewOf(HostDocView docView) {
        return Value([&] { return View::View_PageViewOfDocView(docView); });
    }
    HostDevRect ToDevice(HostPageView view, const FixedRect& page) {
        return Value([&] {
            HostDevRect device{};
            View::View_PageRectToDevice(view, &page, &device);
            return device;
        });
    }
    FixedRect ToPage(HostPageView view, const HostDevRect& device) {
        return Value([&] {
            FixedRect page{};
            View::View_DeviceRectToPage(view, &device, &page);
            return page;
        });
    }
    HostPageViewState& State(HostPageView view) { return host->DocViews().PageView(view); }

    TestFolder docs;
};

TEST_F(HostPageViewEntries, DeviceRectanglesComeBackToTheSamePixels) {
    const HostPageView view = PageViewOf(OpenView("a.pdf"));
    const HostDevRect rects[] = {{0, 0, 800, 600}, {-7, 3, 11, 599}, {123, 45, 124, 46}, {-300, -200, 1000, 900}};
    for (int percent : {100, 33, 250, 6400, 10}) {
        host->PageViews().SetZoom(State(view), static_cast<Fixed>((int64_t{percent} * kFixedOne + 50) / 100));
        for (int quarter = 0; quarter < 4; ++quarter) {
            host->PageViews().SetViewRotation(State(view), quarter * 90);
            host->PageViews().SetScroll(State(view), {static_cast<int16_t>(quarter * 7 - 5), 13});
            for (const HostDevRect& rect : rects) {
                EXPECT_EQ(Text(ToDevice(view, ToPage(view, rect))), Text(rect))
                    << percent << "% " << quarter * 90 << " degrees";
            }
        }
    }
    // Page rectangles on whole pixels come back exactly too; others to within half a pixel.
    host->PageViews().SetScroll(State(view), {0, 0});
    for (int percent : {100, 200}) {
        host->PageViews().SetZoom(State(view), percent * kFixedOne / 100);
        for (int quarter = 0; quarter < 4; ++quarter) {
            host->PageViews().SetViewRotation(State(view), quarter * 90);
            const FixedRect box = Points(37, 601, 409, 21);
            EXPECT_EQ(Text(ToPage(view, ToDevice(view, box))), Text(box)) << percent << "% " << quarter * 90;
        }
    }
    host->PageViews().SetZoom(State(view), kFixedOne);
    host->PageViews().SetViewRotation(State(view), 0);
    const FixedRect fraction{10 * kFixedOne + kFixedOne / 4, 620 * kFixedOne, 20 * kFixedOne + 3 * kFixedOne / 4,
                             610 * kFixedOne};
    EXPECT_EQ(Text(ToDevice(view, fraction)), "0 0 11 10");  // 0.25 rounds down, 10.75 up
}

TEST_F(HostPageViewEntries, ViewsAnswerForTheirDocumentPageAndWindowAndUnknownViewsAreRefused) {
    const HostDocView docView = OpenView("a.pdf");
    const HostPageView view = PageViewOf(docView);
    HostDocView back = HostDocView::None;
    HostPage page = HostPage::None;
    HostWindow window = HostWindow::None;
    int32_t kind = 0;
    ASSERT_TRUE(Entry([&] {
        back = View::View_DocViewOfPageView(view);
        page = View::View_PageOfPageView(view);
        window = View::View_WindowOfDocView(docView);
        kind = View::View_PageViewKind(view);
    }));
    EXPECT_EQ(back, docView);
    EXPECT_EQ(page, host->Documents().Get(host->DocViews().DocOf(docView)).PageAt(0).handle);
    EXPECT_EQ(kind, 1);
    // The window is the host's, around a platform window a dialog can be parented on.
    const HWND platform = host->Windows().PlatformOf(window);
    EXPECT_EQ(GetParent(platform), host->Windows().MainWindow());
    wchar_t title[32] = L"";
    GetWindowTextW(platform, title, 32);
    EXPECT_EQ(std::wstring(title), L"a.pdf");

    HostDevRect rect{};
    const auto unknown = static_cast<HostPageView>(999);
    EXPECT_TRUE(Fails([&] { View::View_PageViewAperture(unknown, &rect); }));
    EXPECT_TRUE(Fails([&] { View::View_DrawNow(unknown); }));
    EXPECT_TRUE(Fails([&] { View::View_PageViewKind(unknown); }));
    EXPECT_TRUE(Fails([&] { View::View_PageViewOfDocView(static_cast<HostDocView>(999)); }));
    EXPECT_TRUE(Fails([&] { View::View_PageViewAperture(view, nullptr); }));

    // A closed document takes its views and their window along.
    host->DocViews().CloseDocument(host->DocViews().DocOf(docView));
    EXPECT_TRUE(Fails([&] { View::View_PageOfPageView(view); }));
    EXPECT_TRUE(Fails([&] { View::View_WindowOfDocView(docView); }));
    EXPECT_FALSE(IsWindow(platform));
}

// Operations, colours, plain outlines and inverted rectangles are recorded as RectTools' drags read them.
TEST_F(HostPageViewEntries, RecordsDashesAndOneRedrawOfAllThatWasInvalidated) {
    const HostPageView view = PageViewOf(OpenView("a.pdf"));
    State(view).TakeDrawn();
    const HostDevRect r{10, -2, 10, 602};
    const Fixed dashes[] = {3 * kFixedOne, kFixedOne / 2};
    ASSERT_TRUE(Entry([&] {
        View::View_DrawRectOutline(view, &r, 2, dashes, 2);
        const HostDevRect a{5, 5, 6, 50};
        const HostDevRect b{40, 1, 41, 20};
        View::View_InvalidateRect(view, &a);
        View::View_InvalidateRect(view, &b);
        View::View_DrawNow(view);
        View::View_DrawNow(view);  // nothing left to repaint
    }));
    EXPECT_EQ(State(view).TakeDrawn(),
              (std::vector<std::string>{"outline 10 -2 10 602 width 2 dashes 3 0.5", "invalidate 5 5 6 50",
                                        "invalidate 40 1 41 20", "draw now", "redraw 5 1 41 50", "draw now"}));
    // What cannot be drawn is refused and leaves no trace.
    const HostColor unknownSpace{7, {}};
    EXPECT_TRUE(Fails([&] { View::View_EndOperation(view); }));
    EXPECT_TRUE(Fails([&] { View::View_SetDrawingColor(view, &unknownSpace); }));
    EXPECT_TRUE(Fails([&] { View::View_DrawRectOutline(view, &r, 1, nullptr, 2); }));
    EXPECT_TRUE(Fails([&] { View::View_DrawInvertedRect(view, nullptr); }));
    EXPECT_TRUE(State(view).Drawn().empty());
}

TEST_F(HostPageViewEntries, DrawProceduresRunOnEachRedrawUntilUnregistered) {
    HostCallback registration = HostCallback::None;
    char tag[] = "overlay";
    ASSERT_TRUE(Entry([&] { registration = View::View_RegisterDrawProc(reinterpret_cast<HostProc>(OnDraw), tag); }));
    const HostPageView view = PageViewOf(OpenView("a.pdf"));  // drawn on opening
    const std::string drawn = "draw " + std::to_string(static_cast<uint32_t>(view)) + " overlay";
    EXPECT_EQ(g_calls, std::vector<std::string>{drawn});
    EXPECT_EQ(State(view).TakeDrawn(), (std::vector<std::string>{"redraw", "inverted 1 2 3 4"}));

    // A redraw of what was invalidated runs it too, as the editor's overlay in EditorSession shows.
    host->PageViews().ShowPage(State(view), 1);
    host->PageViews().SetZoom(State(view), 3 * kFixedOne);
    EXPECT_EQ(g_calls, (std::vector<std::string>(3, drawn)));

    g_calls.clear();
    ASSERT_TRUE(Entry([&] { View::View_UnregisterDrawProc(registration); }));
    host->PageViews().ShowPage(State(view), 0);
    EXPECT_TRUE(g_calls.empty());
    EXPECT_TRUE(Fails([&] { View::View_UnregisterDrawProc(registration); }));
    EXPECT_TRUE(Fails([&] { View::View_RegisterDrawProc(nullptr, nullptr); }));
}

TEST_F(HostPageViewEntries, NotifiesFrontViewAndPageViewChangesWithTheirArguments) {
    char front[] = "2";
    char changed[] = "14";
    ASSERT_TRUE(Entry([&] {
        View::View_RegisterNotification(kNotifyFrontDocDidChange, owner, reinterpret_cast<HostProc>(OnFrontChange),
                                        front);
        View::View_RegisterNotification(kNotifyPageViewDidChange, owner, reinterpret_cast<HostProc>(OnPageViewChange),
                                        changed);
    }));
    const HostDocView a = OpenView("a.pdf");
    const HostDocView b = OpenView("b.pdf");
    OpenView("a.pdf");  // brought forward
    OpenView("a.pdf");  // already in front: no change
    const auto number = [](auto handle) { return std::to_string(static_cast<uint32_t>(handle)); };
    EXPECT_EQ(g_calls,
              (std::vector<std::string>{"2 front " + number(a), "2 front " + number(b), "2 front " + number(a)}));

    g_calls.clear();
    HostPageViewState& state = State(PageViewOf(a));
    const std::string view = number(state.Handle());
    host->PageViews().ShowPage(state, 1);
    host->PageViews().ShowPage(state, 1);  // the same page: no change
    host->PageViews().SetZoom(state, 2 * kFixedOne);
    host->PageViews().SetViewRotation(state, 450);  // 90
    host->PageViews().SetViewRotation(state, 90);
    host->PageViews().SetScroll(state, {0, 10});
    EXPECT_EQ(g_calls, (std::vector<std::string>{"14 view " + view + " flags 4", "14 view " + view + " flags 2",
                                                 "14 view " + view + " flags 8", "14 view " + view + " flags 1"}));
    EXPECT_THROW(host->PageViews().ShowPage(state, 2), std::exception);
    EXPECT_THROW(host->PageViews().SetViewRotation(state, 45), std::exception);

    g_calls.clear();
    host->DocViews().CloseDocument(host->DocViews().DocOf(b));  // not in front: no change
    host->DocViews().CloseDocument(host->DocViews().DocOf(a));
    EXPECT_EQ(g_calls, (std::vector<std::string>{"2 front 0"}));
}

class HostPageViewInput : public HostPageViewEntries {
protected:
    HostPageViewInput() {
        tool.size = sizeof tool;
        tool.doClick = Callback(OnClick);
        tool.adjustCursor = Callback(OnAdjustCursor);
        tool.getType = Callback(OnGetType);
        EXPECT_TRUE(Entry([&] { View::View_RegisterTool(&tool); }));
    }
    HostToolRecord tool{};
};

TEST_F(HostPageViewInput, AUserDrivesThePageViewFromAScript) {
    HostScript script(*host);
    char tag[] = "overlay";
    ASSERT_TRUE(Entry([&] { View::View_RegisterDrawProc(reinterpret_cast<HostProc>(OnDraw), tag); }));
    std::istringstream commands(
        "open " + docs.Path("a.pdf") + "\ndrawn\npageview\npage 2\nzoom 200\nrotate 90\n" +
        "pageview\ntool TEST:Follower\ndrag 10 10 20 10 2 shift ctrl\nclick 5 6\ndrawn\ndrawn\n");
    out.str("");
    EXPECT_TRUE(script.Run(commands)) << out.str();
    const std::string text = out.str();
    EXPECT_THAT(text, HasSubstr("[drawn] redraw\n[drawn] inverted 1 2 3 4\n"));
    EXPECT_THAT(text,
                HasSubstr("page view of \"a.pdf\": page 1 of 2, zoom 100%, rotation 0 (page 0, view 0), scroll 0,0\n"
                          "  aperture   0 0 800 600\n"
                          "  MediaBox   -10 -172 602 620\n"
                          "  CropBox    0 0 400 600\n"
                          "  BleedBox   0 0 400 600\n"
                          "  TrimBox    50 50 350 550\n"
                          "  ArtBox     0 0 400 600\n"));
    // Page 2 turned by its own 90 and the view's 90: upside down, 200 x 100 at 200%.
    EXPECT_THAT(text, HasSubstr("[page view] page 2 of 2\n[page view] zoom 200%\n[page view] rotation 90\n"
                                "page view of \"a.pdf\": page 2 of 2, zoom 200%, rotation 180 (page 90, view 90), "
                                "scroll 0,0\n  aperture   0 0 800 600\n  MediaBox   0 0 400 200\n"));
    EXPECT_THAT(text, HasSubstr("[tool] TEST:Follower\n[drag] 10,10 to 20,10 in 2 steps with shift+ctrl\n"
                                "[click] 5,6\n"));
    EXPECT_THAT(text, HasSubstr("[drawn] nothing\n"));
    // The tool follows the mouse while the button is down, the keys held.
    const auto click = std::find(g_calls.begin(), g_calls.end(), "click 10,10 flags 9 count 1");
    ASSERT_LT(click + 2, g_calls.end());
    EXPECT_EQ(std::vector<std::string>(click + 1, click + 3),
              (std::vector<std::string>{"15,10 keys 9", "20,10 keys 9"}));

    std::istringstream mistakes("page 3\n");
    EXPECT_FALSE(script.Run(mistakes));
    EXPECT_THAT(out.str(), HasSubstr("the document has 2 pages, not 3"));
    std::istringstream unknownTool("tool Nothing\n");
    EXPECT_FALSE(script.Run(unknownTool));
    EXPECT_THAT(out.str(), HasSubstr("no tool named \"Nothing\" (default, TEST:Follower)"));
}

}  // namespace
