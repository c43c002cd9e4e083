// The help files the build writes next to the plug-in, read back with qpdf as a viewer would read them.
#include <gtest/gtest.h>

#include <string>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

namespace {

// The content streams of all pages, one after another: each line of the guide is one string in them.
std::string PageContents(QPDF& pdf) {
    std::string text;
    for (QPDFObjectHandle page : pdf.getAllPages()) {
        const auto data = page.getKey("/Contents").getStreamData();
        text.append(reinterpret_cast<const char*>(data->getBuffer()), data->getSize());
    }
    return text;
}

}  // namespace

TEST(HelpFile, EnglishGuideHasItsTitleAndTheDialogs) {
    QPDF pdf;
    pdf.processFile(GEOM_BIN_DIR "/Help/ENU/Geometry.pdf");
    EXPECT_GE(pdf.getAllPages().size(), 1u);
    EXPECT_EQ(pdf.getTrailer().getKey("/Info").getKey("/Title").getUTF8Value(), "Vantorix Geometry Editor Help");
    EXPECT_NE(PageContents(pdf).find("Page Geometry"), std::string::npos);
}

// Umlauts reach the page as their WinAnsiEncoding codes.
TEST(HelpFile, GermanGuideKeepsItsUmlauts) {
    QPDF pdf;
    pdf.processFile(GEOM_BIN_DIR "/Help/DEU/Geometry.pdf");
    EXPECT_NE(PageContents(pdf).find("H\xF6he"), std::string::npos);
}
