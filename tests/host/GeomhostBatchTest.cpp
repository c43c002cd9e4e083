// geomhost apply and geomhost boxes, run as a user runs them on files of a folder.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "GeomhostRun.h"
#include "TestPdf.h"

namespace {

using ::testing::HasSubstr;

struct ApplyCase {
    const char* name;
    const char* arguments;  // after "apply", in a folder holding a.pdf and b.pdf (the sample) and bad.pdf
    int status;
    const char* said;
    const char* names;   // the folder's files after the run
    const char* result;  // the file whose page 1 box is checked; null when a.pdf must stay as it was
    const char* box;     // as pdfinfo shows it
};

const char* const kTrimmed = "TrimBox:      40.00    40.00   572.00   752.00";
const ApplyCase kApplyCases[] = {
    {"in place, in points", "--values '-40 -40 532 712' --in-place a.pdf", 0,
     "a.pdf: TrimBox set on 2 pages, saved in place", "a.pdf b.pdf bad.pdf", "a.pdf", kTrimmed},
    {"beside, with a suffix, on the even pages", "--values '-40 -40 532 712' --pages even --suffix -t a.pdf b.pdf", 0,
     "b.pdf: TrimBox set on 1 page, saved as b-t.pdf", "a-t.pdf a.pdf b-t.pdf b.pdf bad.pdf", "b-t.pdf",
     "TrimBox:      36.00    36.00   576.00   756.00"},
    {"to a named file, in inches",
     "--box BleedBox --region coordinates --unit in --values '0.5 0.5 8 10.5' -o o.pdf a.pdf", 0,
     "a.pdf: BleedBox set on 2 pages, saved as o.pdf", "a.pdf b.pdf bad.pdf o.pdf", "o.pdf",
     "BleedBox:     36.00    36.00   576.00   756.00"},
    {"a number the dialog refuses", "--values '-40 abc 532 712' --suffix -x a.pdf b.pdf", 1,
     "a.pdf: not changed: The following field does not contain a valid number: Y Offset\nb.pdf: not changed:",
     "a.pdf b.pdf bad.pdf", nullptr, ""},
    {"a damaged file among good ones", "--values '-40 -40 532 712' --suffix -x a.pdf bad.pdf b.pdf", 1,
     "bad.pdf: not changed: cannot open", "a-x.pdf a.pdf b-x.pdf b.pdf bad.pdf", "b-x.pdf", kTrimmed},
};

TEST(GeomhostBatch, ApplySetsTheBoxThroughTheDialogAndSaves) {
    const std::string sample = ReadFile(GEOM_SAMPLES_DIR "/sample.pdf");
    for (const ApplyCase& test : kApplyCases) {
        SCOPED_TRACE(test.name);
        TestFolder folder;
        for (const char* name : {"a.pdf", "b.pdf"}) WriteFile(folder.Path(name), sample);
        WriteFile(folder.Path("bad.pdf"), "%PDF-1.7\nnot a document\n");
        const GeomhostRun run = Geomhost(std::string("apply ") + test.arguments, "cd " + folder.Path() + " && ");
        EXPECT_EQ(run.status, test.status) << run.output;
        EXPECT_THAT(run.output, HasSubstr(test.said));
        std::string names;
        for (const std::string& name : folder.Names()) names += (names.empty() ? "" : " ") + name;
        EXPECT_EQ(names, test.names);
        if (test.result == nullptr) {
            EXPECT_EQ(ReadFile(folder.Path("a.pdf")), sample);
            continue;
        }
        EXPECT_THAT(RunCommand("pdfinfo -box -l 1 " + Quoted(folder.Path(test.result))).output, HasSubstr(test.box));
    }
}

TEST(GeomhostBatch, BoxesPrintsEachBoxAsJson) {
    TestFolder folder;
    WritePdf(folder.Path("in.pdf"), InheritedBoxesPdf());
    const GeomhostRun run = Geomhost("boxes --json " + folder.Path("in.pdf") + " " + folder.Path("none.pdf"));
    EXPECT_EQ(run.status, 1) << run.output;
    for (const std::string& piece : {
             std::string("[\n  {\"file\": \"") + folder.Path("in.pdf") +
                 "\", \"pages\": [\n    {\"page\": 1, "
                 "\"rotation\": 90, \"boxes\": {\n      \"MediaBox\": {\"stored\": [0, 0, 612, 792], \"source\": "
                 "\"inherited\", \"malformed\": [], \"reader\": [0, 0, 612, 792]},\n",
             std::string("\"BleedBox\": {\"stored\": [10, 10, 600, 780], \"source\": \"default\", \"default\": "
                         "\"CropBox\", \"malformed\": [], \"reader\": [10, 10, 600, 780]}"),
             std::string("{\"page\": 2, \"rotation\": 270, \"boxes\": {\n      \"MediaBox\": {\"stored\": [0, 0, "
                         "595.5, 842.25], \"source\": \"own\""),
             std::string("\"malformed\": [\"[ 0 0 612 ]\"], \"reader\": [0, 0, 612, 792]}"),
             std::string("none.pdf\", \"error\": \"cannot open"),
         }) {
        EXPECT_THAT(run.output, HasSubstr(piece));
    }
}

}  // namespace
