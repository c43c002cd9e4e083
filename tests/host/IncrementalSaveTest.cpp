// Saving as a user does, through geomhost: the file keeps every byte it had and gains one update holding
// the boxes applied, readable by qpdf and poppler, in each form of cross-reference data a file may use.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "GeomhostRun.h"
#include "TestPdf.h"

namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

// The TrimBox and the BleedBox moved to 40 and 20 points from the page's lower left corner, keeping page 1's
// size, on every page.
const char* const kApplyBoth =
    "button ORBA:EXGM_GeomToolButton\nchoose #1009 Offsets\nchoose #1007 \"To All Pages\"\n"
    "type #1004 -40\ntype #1005 -40\npress #1001\nchoose #1006 \"Bleed Box\"\ntype #1004 -20\ntype #1005 -20\n"
    "press #1001\n";

struct Form {
    const char* name;
    const char* make;  // a command that turns sample.pdf into in.pdf
    bool appended;     // whether the saved file starts with every byte of in.pdf
    const char* said;  // in the save's line
};

const Form kForms[] = {
    {"a cross-reference table", "cp sample.pdf in.pdf", true, "[document] saved \"in.pdf\"\n"},
    {"object streams and a cross-reference stream", "qpdf --object-streams=generate sample.pdf in.pdf", true,
     "[document] saved \"in.pdf\"\n"},
    {"linearization", "qpdf --linearize sample.pdf in.pdf", true, "[document] saved \"in.pdf\"\n"},
    {"a table with a cross-reference stream beside it", GEOM_TEST_SUPPORT_DIR "/hybrid-update.py sample.pdf in.pdf",
     true, "[document] saved \"in.pdf\"\n"},
    {"encryption", "qpdf --encrypt '' owner 256 -- sample.pdf in.pdf", false,
     "(written in full: an update to an encrypted file is not made)"},
};

std::string Boxes(const std::string& path) {
    return RunCommand("pdfinfo -box -f 1 -l 2 " + Quoted(path) + " | grep -E 'Trim|Bleed'").output;
}

std::string Text(const std::string& path) { return RunCommand("pdftotext " + Quoted(path) + " -").output; }

std::string Title(const std::string& path) { return RunCommand("pdfinfo " + Quoted(path) + " | grep Title").output; }

TEST(IncrementalSave, AppendsOneUpdateThatReadersReadInEachFormOfFile) {
    for (const Form& form : kForms) {
        SCOPED_TRACE(form.name);
        TestFolder folder;
        ASSERT_EQ(RunCommand("cd " + folder.Path() + " && cp " GEOM_SAMPLES_DIR "/sample.pdf . && " + form.make).status,
                  0);
        const std::string before = ReadFile(folder.Path("in.pdf")), title = Title(folder.Path("in.pdf"));
        WriteFile(folder.Path("edit.script"), std::string(kApplyBoth) + "save\nsave\n");
        const GeomhostRun run =
            Geomhost("--no-debugger --open " + folder.Path("in.pdf") + " --script " + folder.Path("edit.script"));
        ASSERT_EQ(run.status, 0) << run.output;
        EXPECT_THAT(run.output, HasSubstr(form.said));
        EXPECT_THAT(run.output, HasSubstr("saved \"in.pdf\" (nothing changed: the file is left as it is)"));
        const std::string after = ReadFile(folder.Path("in.pdf"));
        EXPECT_EQ(after.compare(0, before.size(), before) == 0, form.appended);
        EXPECT_EQ(RunCommand("qpdf --check " + Quoted(folder.Path("in.pdf"))).status, 0);
        EXPECT_EQ(Boxes(folder.Path("in.pdf")),
                  "Page    1 BleedBox:     20.00    20.00   578.00   758.00\n"
                  "Page    1 TrimBox:      40.00    40.00   580.00   760.00\n"
                  "Page    2 BleedBox:     20.00    20.00   578.00   595.00\n"
                  "Page    2 TrimBox:      40.00    40.00   580.00   595.00\n");
        EXPECT_EQ(Text(folder.Path("in.pdf")), Text(GEOM_SAMPLES_DIR "/sample.pdf"));
        EXPECT_EQ(Title(folder.Path("in.pdf")), title);  // the hybrid's, found through the stream beside the table
    }
}

// An update on an update on an update; then the whole document anew when asked, to a new file too.
TEST(IncrementalSave, SavesAgainOnTopAndInFullWhenAsked) {
    TestFolder folder;
    WriteFile(folder.Path("in.pdf"), ReadFile(GEOM_SAMPLES_DIR "/sample.pdf"));
    const std::string original = ReadFile(folder.Path("in.pdf"));
    WriteFile(folder.Path("edit.script"), std::string(kApplyBoth) +
                                              "save\ntype #1004 -30\npress #1001\nsave\ntype #1004 -10\npress "
                                              "#1001\nsave\nsave --full copy.pdf\ntype #1004 -12\npress #1001\n"
                                              "type #1004 -10\npress #1001\nsave\n");
    const GeomhostRun run =
        Geomhost("--no-debugger --open " + folder.Path("in.pdf") + " --script " + folder.Path("edit.script"));
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_THAT(run.output, HasSubstr("saved \"copy.pdf\" (written in full, as asked)"));
    // After a whole write the file holds other object numbers than the document: no update on top of it.
    EXPECT_THAT(run.output, HasSubstr("saved \"copy.pdf\" (written in full: the file was last written whole"));
    const std::string updated = ReadFile(folder.Path("in.pdf"));
    EXPECT_THAT(updated, StartsWith(original));
    EXPECT_EQ(RunCommand("grep -c startxref " + Quoted(folder.Path("in.pdf"))).output, "4\n");
    for (const char* name : {"in.pdf", "copy.pdf"}) {
        EXPECT_EQ(RunCommand("qpdf --check " + Quoted(folder.Path(name))).status, 0) << name;
        EXPECT_THAT(Boxes(folder.Path(name)), HasSubstr("Page    1 BleedBox:     10.00    20.00   568.00   758.00"));
    }
    EXPECT_THAT(ReadFile(folder.Path("copy.pdf")), Not(StartsWith(original)));
}

}  // namespace
