// geomhost apply and geomhost boxes, run as a user runs them on files of a folder; what they wrote is judged by
// pdfinfo, as a reader of the files sees them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "GeomhostRun.h"
#include "TestPdf.h"

namespace {

using ::testing::HasSubstr;
using ::testing::Not;

// pdfinfo's lines of the first three pages, one blank between words: "Page 1 TrimBox: 36.00 36.00 576.00 756.00".
std::string ReaderBoxes(const std::string& path) {
    std::istringstream lines(RunCommand("pdfinfo -box -f 1 -l 3 " + Quoted(path)).output);
    std::string text;
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        for (std::string word; line.starts_with("Page") && words >> word;) text += word + (words.eof() ? "\n" : " ");
    }
    return text;
}

struct ApplyCase {
    const char* name;
    // After "apply", in a folder holding a.pdf to i.pdf (the sample, two pages) and bad.pdf (damaged).
    const char* arguments;
    int status;
    const char* said;      // pieces of the output, separated by |
    const char* unsaid;    // a text the output must not hold, or null
    const char* written;   // the files new or changed after the run
    const char* boxes[2];  // the box on pages 1 and 2 of each written file, as pdfinfo shows it
};

const char* const kTrim = "TrimBox: 40.00 40.00 572.00 555.00";
const char* const kSampleTrim = "TrimBox: 36.00 36.00 576.00 756.00";
const ApplyCase kApplyCases[] = {
    {"in place, in points",
     "--values '-40 -40 532 515' --in-place a.pdf",
     0,
     "a.pdf: TrimBox set on 2 pages, saved in place",
     nullptr,
     "a.pdf",
     {kTrim, kTrim}},
    {"beside, with a suffix, on the even pages",
     "--values '-40 -40 532 515' --pages even --suffix -t a.pdf b.pdf",
     0,
     "b.pdf: TrimBox set on 1 page, saved as b-t.pdf",
     nullptr,
     "a-t.pdf b-t.pdf",
     {kSampleTrim, kTrim}},
    {"to a named file, in inches",
     "--box BleedBox --region coordinates --unit in --values '0.5 0.5 8 8' -o o.pdf a.pdf",
     0,
     "a.pdf: BleedBox set on 2 pages, saved as o.pdf",
     nullptr,
     "o.pdf",
     {"BleedBox: 36.00 36.00 576.00 576.00", "BleedBox: 36.00 36.00 576.00 576.00"}},
    {"a number the dialog refuses",
     "--values '-40 abc 532 515' --suffix -x a.pdf b.pdf",
     1,
     "a.pdf: not changed: The following field does not contain a valid number: Y Offset\nb.pdf: not changed:",
     nullptr,
     "",
     {}},
    {"ten files, one damaged",
     "--values '-40 -40 532 515' --suffix -x *.pdf",
     1,
     "bad.pdf: not changed: cannot open|i.pdf: TrimBox set on 2 pages, saved as i-x.pdf",
     nullptr,
     "a-x.pdf b-x.pdf c-x.pdf d-x.pdf e-x.pdf f-x.pdf g-x.pdf h-x.pdf i-x.pdf",
     {kTrim, kTrim}},
    {"quietly: the failures only",
     "--quiet --values '-40 -40 532 515' --in-place a.pdf bad.pdf",
     1,
     "bad.pdf: not changed: cannot open",
     "a.pdf:",
     "a.pdf",
     {kTrim, kTrim}},
    {"with the bar, though not on a terminal",
     "--progress --values '-40 -40 532 515' --pages this --page 2 -o p.pdf b.pdf",
     0,
     "\rb.pdf [##############################] 100% 1/1|\rb.pdf: saving ...",
     nullptr,
     "p.pdf",
     {kSampleTrim, kTrim}},
};

TEST(GeomhostBatch, ApplySetsTheBoxThroughTheDialogAndSaves) {
    const std::string sample = ReadFile(GEOM_SAMPLES_DIR "/sample.pdf");
    for (const ApplyCase& test : kApplyCases) {
        SCOPED_TRACE(test.name);
        TestFolder folder;
        std::map<std::string, std::string> before;
        for (const char* name : {"a.pdf", "b.pdf", "c.pdf", "d.pdf", "e.pdf", "f.pdf", "g.pdf", "h.pdf", "i.pdf"}) {
            before[name] = sample;
        }
        before["bad.pdf"] = "%PDF-1.7\nnot a document\n";
        for (const auto& [name, content] : before) WriteFile(folder.Path(name), content);
        const GeomhostRun run = Geomhost(std::string("apply ") + test.arguments, "cd " + folder.Path() + " && ");
        EXPECT_EQ(run.status, test.status) << run.output;
        std::istringstream pieces(test.said);
        for (std::string piece; std::getline(pieces, piece, '|');) EXPECT_THAT(run.output, HasSubstr(piece));
        if (test.unsaid != nullptr) {
            EXPECT_THAT(run.output, Not(HasSubstr(test.unsaid)));
        }
        std::string written;
        for (const std::string& name : folder.Names()) {
            if (before.contains(name) && ReadFile(folder.Path(name)) == before[name]) continue;
            written += (written.empty() ? "" : " ") + name;
            const std::string boxes = ReaderBoxes(folder.Path(name));
            EXPECT_THAT(boxes, HasSubstr(std::string("Page 1 ") + test.boxes[0] + "\n")) << name;
            EXPECT_THAT(boxes, HasSubstr(std::string("Page 2 ") + test.boxes[1] + "\n")) << name;
        }
        EXPECT_EQ(written, test.written);
    }
}

// The JSON is checked against docs/boxes.schema.json, and each page's reader rectangles against pdfinfo's.
constexpr const char kCheckJson[] = R"(
import json, sys, jsonschema
files = json.load(open(sys.argv[2]))
jsonschema.validate(files, json.load(open(sys.argv[1])))
for f in files:
    for p in f.get("pages", []):
        for name, box in p["boxes"].items():
            print(f["file"], "Page", p["page"], name + ":", *("%.2f" % v for v in box["reader"]))
)";

TEST(GeomhostBatch, BoxesPrintsEachBoxAsJsonAsTheSchemaSaysAndAsAReaderSeesThem) {
    TestFolder folder;
    WritePdf(folder.Path("in.pdf"), InheritedBoxesPdf());
    const GeomhostRun run = Geomhost("boxes --json " + folder.Path("in.pdf") + " " + folder.Path("none.pdf") +
                                     " " GEOM_SAMPLES_DIR "/sample.pdf");
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
    WriteFile(folder.Path("boxes.json"), run.output);
    WriteFile(folder.Path("check.py"), kCheckJson);
    const CommandResult checked =
        RunCommand("python3 " + Quoted(folder.Path("check.py")) + " " GEOM_SAMPLES_DIR "/../docs/boxes.schema.json " +
                   Quoted(folder.Path("boxes.json")));
    ASSERT_EQ(checked.status, 0) << checked.output;
    std::istringstream lines(checked.output);
    std::map<std::string, std::string> readerBoxes;
    int compared = 0;
    for (std::string file, rest; lines >> file && std::getline(lines, rest); ++compared) {
        if (!readerBoxes.contains(file)) readerBoxes[file] = ReaderBoxes(file);
        EXPECT_THAT(readerBoxes[file], HasSubstr(rest.substr(1) + "\n")) << file;
    }
    EXPECT_EQ(compared, 5 * (3 + 2));  // five boxes of each page of the two files
}

}  // namespace
