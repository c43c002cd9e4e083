// geomhost's pictures, checked pixel by pixel as a user would look at them: the page view with the editor's
// overlay over the rendered page, and a dialog drawn from the window tree.
#include <gtest/gtest.h>

#include <string>

#include "GeomhostRun.h"
#include "TestPdf.h"
#include "host/render/HostPicture.h"

namespace {

using Rgb = HostPicture::Rgb;
constexpr Rgb kBlue{0, 0, 255}, kHalfGreen{0, 128, 0}, kBlack{0, 0, 0}, kWhite{255, 255, 255};

// Two pages with a black square at 100,600 to 150,650 in page space and a word at 100,500 in a font that the
// pages inherit; the second is turned by 90 degrees.
// The view shows the CropBox, 9 points inside the MediaBox; the TrimBox is 36 points inside the MediaBox, and
// the other boxes lie apart from both, so that their guide lines cover neither.
std::vector<std::string> SquarePages() {
    const std::string boxes =
        "/MediaBox [0 0 612 792] /CropBox [9 9 603 783] /TrimBox [36 36 576 756] "
        "/BleedBox [27 27 585 765] /ArtBox [45 45 567 747]";
    return {"<< /Type /Catalog /Pages 2 0 R >>",
            "<< /Type /Pages /Kids [3 0 R 4 0 R] /Count 2 /Resources << /Font << /F1 6 0 R >> >> >>",
            "<< /Type /Page /Parent 2 0 R " + boxes + " /Contents 5 0 R >>",
            "<< /Type /Page /Parent 2 0 R " + boxes + " /Rotate 90 /Contents 5 0 R >>",
            "<< /Length 59 >>\nstream\n0 g 100 600 50 50 re f BT /F1 40 Tf 100 500 Td (Word) Tj ET\nendstream",
            "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"};
}

struct PixelCase {
    const char* picture;
    int x, y;
    Rgb color;
    const char* what;
};

TEST(GeomhostRender, PageViewShowsThePageUnderTheOverlay) {
    TestFolder folder;
    WritePdf(folder.Path("in.pdf"), SquarePages());
    WriteFile(folder.Path("run.script"),
              "button ORBA:EXGM_GeomToolButton\nrender upright.png\nrender double.png 144\n"
              "page 2\nrender turned.png\nrender-window \"Page Geometry\" dialog.png\n");
    const GeomhostRun run = Geomhost("--open in.pdf --script run.script", "cd " + folder.Path() + " && ");
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("[render] upright.png: page 1, 800x600 pixels at 72 dpi"), std::string::npos);

    // Device x = page x - 9 and y = 783 - page y upright; turned, x = page y - 9 and y = page x - 9.
    const PixelCase cases[] = {
        {"upright.png", 27, 400, kBlue, "the TrimBox's left edge, the box being edited, in full colour"},
        {"upright.png", 566, 400, kBlue, "its right edge, the last pixel inside the box"},
        {"upright.png", 300, 27, kBlue, "its top edge"},
        {"upright.png", 0, 300, kHalfGreen, "the CropBox's guide line along the left of the view"},
        {"upright.png", 116, 158, kBlack, "the page's own square"},
        {"upright.png", 300, 300, kWhite, "the page"},
        {"upright.png", 700, 300, {128, 128, 128}, "the desk beside the page"},
        {"double.png", 54, 800, kBlue, "at 144 dpi every pixel of the view is two by two"},
        {"double.png", 55, 800, kBlue, ""},
        {"double.png", 232, 316, kBlack, ""},
        {"turned.png", 616, 116, kBlack, "on the turned page the square lies to the right"},
        {"turned.png", 700, 500, kWhite, "the turned page is wider than high"},
        {"turned.png", 300, 27, kBlue, "the TrimBox's top edge turned with it"},
        {"dialog.png", 10, 10, {10, 36, 106}, "the dialog's caption, active"},
    };
    // The word, in a font the page inherits, somewhere in the 40 points above its baseline.
    const HostPicture upright = HostPicture::LoadPng(folder.Path("upright.png"));
    int ink = 0;
    for (int y = 243; y < 283; ++y) {
        for (int x = 91; x < 211; ++x) ink += upright.At(x, y).r < 100;  // antialiased strokes are dark, seldom black
    }
    EXPECT_GT(ink, 100);
    for (const PixelCase& test : cases) {
        SCOPED_TRACE(std::string(test.picture) + " at " + std::to_string(test.x) + "," + std::to_string(test.y) + ": " +
                     test.what);
        const HostPicture picture = HostPicture::LoadPng(folder.Path(test.picture));
        const Rgb pixel = picture.At(test.x, test.y);
        EXPECT_EQ(pixel, test.color) << int{pixel.r} << " " << int{pixel.g} << " " << int{pixel.b};
    }
}

}  // namespace
