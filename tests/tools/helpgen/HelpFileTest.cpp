// The help files the build writes next to the plug-in, read back with qpdf as a viewer would read them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

namespace {

using ::testing::HasSubstr;

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
    EXPECT_THAT(PageContents(pdf), HasSubstr("Page Geometry"));
}

// Umlauts reach the page as their WinAnsiEncoding codes.
TEST(HelpFile, GermanGuideKeepsItsUmlauts) {
    QPDF pdf;
    pdf.processFile(GEOM_BIN_DIR "/Help/DEU/Geometry.pdf");
    EXPECT_THAT(PageContents(pdf), HasSubstr("H\xF6he"));
}
