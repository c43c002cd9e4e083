// Reading and writing page boxes on real PDF files through the host: inheritance and fallbacks, malformed
// boxes logged and survived, the crop box's 3-point minimum and change notices, and the date stamp.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "EXGM/EXGM_Utils.h"
#include "GLIB/GLIB_Log.h"
#include "GLIB/GLIB_StringUtils.h"
#include "HostTestTables.h"
#include "PDFL/PDFL_CorCalls5.h"
#include "PDFL/PDFL_CosCalls5.h"
#include "PDFL/PDFL_PDCalls5.h"
#include "TestPdf.h"
#include "host/document/HostDocument.h"

namespace {

std::vector<std::string> g_warnings;

void RecordWarnings(LogLevel level, const wchar_t* text, const char*, int32_t) {
    if (level == GLIB_LOG_WARNING) g_warnings.push_back(GLIB_Narrow(text));
}

// Page 1 inherits MediaBox and CropBox; page 2 has its own malformed CropBox, a TrimBox on the parent is
// ignored; page 3 has ORBA_TrimBox only; page 4 has real and integer numbers; page 5 sits in a Parent loop.
std::vector<std::string> BoxesPdf() {
    return {"<< /Type /Catalog /Pages 2 0 R >>",
            "<< /Type /Pages /Kids [3 0 R 4 0 R 5 0 R 6 0 R 7 0 R] /Count 5 /MediaBox [0 0 612 792]"
            " /CropBox [10 20 600 780] /TrimBox [1 1 2 2] >>",
            "<< /Type /Page /Parent 2 0 R >>",
            "<< /Type /Page /Parent 2 0 R /CropBox [0 0 612] >>",
            "<< /Type /Page /Parent 2 0 R /ORBA_TrimBox [30 40 500 700] >>",
            "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612.5 792] /ArtBox [0 /Oops 5 5] >>",
            "<< /Type /Page /Parent 8 0 R /MediaBox [0 0 100 100] >>",
            "<< /Type /Pages /Parent 8 0 R /Kids [] /Count 0 >>"};
}

class PageBoxes : public ::testing::Test, protected HostTestTables {
protected:
    void SetUp() override {
        g_warnings.clear();
        m_previousSink = SetLogSink(RecordWarnings);
        WritePdf(folder.Path("boxes.pdf"), BoxesPdf());
        std::string why;
        doc = host.Documents().Open(folder.Path("boxes.pdf"), &why);
        ASSERT_NE(doc, HostDoc::None) << why;
    }
    void TearDown() override { SetLogSink(m_previousSink); }

    HostPage Page(int number) { return Model_AcquirePage(doc, number); }
    std::string Snapshot() { return ::Snapshot(host.Documents().Find(doc)->Pdf()); }
    FixedRect Box(int page, BoxKind kind, bool* found = nullptr) {
        FixedRect box{};
        const bool result = EXGM_GetBox(Page(page), kind, &box);
        if (found != nullptr) *found = result;
        return box;
    }

    TestFolder folder;
    HostDoc doc = HostDoc::None;

private:
    GLIB_LogSink m_previousSink = nullptr;
};

TEST_F(PageBoxes, MalformedBoxesAreLoggedAndSkipped) {
    bool found = false;
    EXPECT_EQ(Box(1, kCropBox, &found), BoxOf(10, 20, 600, 780));  // the parent's, after the page's bad one
    EXPECT_TRUE(found);
    ASSERT_EQ(g_warnings.size(), 1u);
    EXPECT_EQ(g_warnings[0], "EXGM_GetRect: Key CropBox isn't an array of length 4");
    EXPECT_EQ(Box(3, kArtBox, &found), BoxOf(10, 20, 600, 780));
    EXPECT_FALSE(found);
    EXPECT_EQ(g_warnings.back(), "EXGM_GetRect: ArtBox[ 1 ] isn't a numeric type");
}

TEST_F(PageBoxes, ReadingNeverChangesTheDocumentEvenInALoop) {
    const std::string before = Snapshot();
    for (int page = 0; page < Model_PageCount(doc); ++page) {
        for (int kind = kMediaBox; kind < kBoxKindCount; ++kind) Box(page, static_cast<BoxKind>(kind));
    }
    FixedRect out{};
    EXPECT_FALSE(EXGM_GetInheritedRect(Model_PageDict(Page(4)), Core_AtomFromName("CropBox"), &out));
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(PageBoxes, CropBoxEqualToTheCurrentOneOnlyRewritesTheKey) {
    const FixedRect current = Box(0, kCropBox);
    EXGM_SetCropBox(Page(0), current);
    EXPECT_TRUE(host.Documents().ContentsChanges().empty());
    EXPECT_EQ(Box(0, kCropBox), current);
}

TEST_F(PageBoxes, NarrowCropBoxKeepsTheKeyButTheHostGetsThreePoints) {
    const FixedRect narrow = BoxOf(100, 100, 101, 200);
    EXGM_SetCropBox(Page(0), narrow);
    EXPECT_EQ(Box(0, kCropBox), narrow);
    // The host's strip lies at the media box's left edge, outside the old crop box: the page shows new parts.
    EXPECT_EQ(host.Documents().ContentsChanges().size(), 1u);
    // Shrinking within what was shown sends no notice.
    EXGM_SetCropBox(Page(0), BoxOf(0, 0, 612, 792));
    EXGM_SetCropBox(Page(0), BoxOf(50, 50, 500, 500));
    EXPECT_EQ(host.Documents().ContentsChanges().size(), 2u);
}

TEST_F(PageBoxes, TrimBoxIsMirroredAndWrittenFilesAreValid) {
    EXGM_SetTrimBox(Page(0), BoxOf(9, 9, 603, 783));
    EXGM_SetMediaBox(Page(1), BoxOf(0, 0, 700, 900));
    EXGM_StampModDate(doc);
    ASSERT_TRUE(host.Documents().Save(doc));
    const CommandResult check = RunCommand("qpdf --check " + Quoted(folder.Path("boxes.pdf")));
    EXPECT_EQ(check.status, 0) << check.output;
    const CommandResult boxes = RunCommand("pdfinfo -box -f 1 -l 2 " + Quoted(folder.Path("boxes.pdf")));
    EXPECT_NE(boxes.output.find("Page    1 TrimBox:       9.00     9.00   603.00   783.00"), std::string::npos)
        << boxes.output;
    EXPECT_NE(boxes.output.find("Page    2 MediaBox:      0.00     0.00   700.00   900.00"), std::string::npos)
        << boxes.output;
    const std::string text = ReadFile(folder.Path("boxes.pdf"));
    EXPECT_NE(text.find("/ORBA_TrimBox [ 9.0 9.0 603.0 783.0 ]"), std::string::npos);
    EXPECT_TRUE(std::regex_search(text, std::regex(R"(/ModDate \(D:\d{14}(Z|[+-]\d\d'\d\d')\))")));
}

TEST_F(PageBoxes, StampReplacesAnOrbaToolsThatIsNoDictionary) {
    const CosObj root = Cos_DocRoot(Model_CosDocOfDoc(doc));
    Cos_DictPut(root, Core_AtomFromName("ORBA_Tools"), Cos_NewFixed(Model_CosDocOfDoc(doc), false, 7 << 16));
    EXGM_StampModDate(doc);
    const CosObj tools = Cos_DictGet(root, Core_AtomFromName("ORBA_Tools"));
    ASSERT_EQ(Cos_ObjectType(tools), CosDict);
    const CosObj geometry = Cos_DictGet(tools, Core_AtomFromName("Geometry"));
    EXPECT_EQ(Cos_ObjectType(Cos_DictGet(geometry, Core_AtomFromName("ModDate"))), CosString);
}

}  // namespace
