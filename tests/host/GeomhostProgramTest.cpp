// The geomhost program as a user runs it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "GeomhostRun.h"
#include "PluginFolder.h"
#include "TestPdf.h"

namespace {

using ::testing::HasSubstr;

// A copy of the sample in `folder`; its path.
std::string CopySample(const TestFolder& folder) {
    std::filesystem::copy_file(GEOM_SAMPLES_DIR "/sample.pdf", folder.Path("sample.pdf"));
    return folder.Path("sample.pdf");
}

// The main job: the sample is edited through the dialog and by dragging, and saved beside itself; the tour
// needs the geometry plug-in loaded, and other runs below end with the host quitting.
TEST(GeomhostProgram, TheTourEditsTheSampleAndSavesItBeside) {
    TestFolder folder;
    const std::string sample = CopySample(folder);
    const std::string original = ReadFile(sample);
    const GeomhostRun run = Geomhost("--no-debugger --open " + sample + " --script " GEOM_SAMPLES_DIR "/tour.script");
    EXPECT_EQ(run.status, 0) << run.output;
    const std::string page2After =
        "page 2 (rotated 90)\n  MediaBox   0 0 842 595\n"
        "  CropBox    0 0 842 595 (default: MediaBox)\n  BleedBox   18 18 594 774, a reader uses 18 18 594 595\n"
        "  TrimBox    0 0 802 595\n";
    EXPECT_THAT(run.output, HasSubstr(page2After));
    EXPECT_THAT(run.output, HasSubstr("edit #1002 \"11.139\""));
    EXPECT_EQ(ReadFile(sample), original);
    EXPECT_EQ(folder.Names(), (std::set<std::string>{"sample-edited.pdf", "sample.pdf"}));
}

// A German user's journey: the dialog, its lists and the message about a bad number come from Geometry.DEU, and
// the boxes typed in millimetres read back in pdfinfo; apply chooses the German entries by what they mean.
TEST(GeomhostProgram, AGermanUserEditsTheSampleInGerman) {
    TestFolder folder;
    const std::string sample = CopySample(folder);
    WriteFile(folder.Path("de.script"),
              "button ORBA:EXGM_GeomToolButton\nwindow Seitengeometrie\nchoose #1006 Anschnitt-Rahmen\n"
              "choose #1009 Koordinaten\nchoose #1008 Millimeter\nchoose #1007 \"Auf alle Seiten\"\n"
              "type #1004 10\ntype #1005 abc\ntype #1002 200\ntype #1003 200\npress #1001\n"
              "type #1005 10\npress #1001\nsave de.pdf\n");
    const GeomhostRun run =
        Geomhost("--no-debugger --lang DEU --open " + sample + " --script " + folder.Path("de.script"));
    EXPECT_EQ(run.status, 0) << run.output;
    for (const char* piece : {
             "[button] Seitengeometrie bearbeiten\ndialog \"Seitengeometrie\"",
             "entries: \"Medien-Rahmen\", \"Beschnitt-Rahmen\", *\"Endformat-Rahmen\", \"Objekt-Rahmen\", "
             "\"Anschnitt-Rahmen\"",
             "static #1012 \"X-Versatz\"",
             "[press] #1001 \"Anwenden\"\n[alert] Das folgende Feld enthält keine gültige Zahl:\n\nUnten\n",
             "[document] saved \"de.pdf\"",
         }) {
        EXPECT_THAT(run.output, HasSubstr(piece));
    }
    const std::string inFolder = "cd " + folder.Path() + " && ";
    const GeomhostRun applied =
        Geomhost("apply --lang DEU --box ArtBox --unit cm --values '-1 -1 18 18' --in-place de.pdf", inFolder);
    EXPECT_EQ(applied.status, 0) << applied.output;
    const GeomhostRun refused = Geomhost("apply --lang DEU --values '1,5 0 100 100' --in-place de.pdf", inFolder);
    EXPECT_EQ(refused.status, 1) << refused.output;
    EXPECT_THAT(refused.output,
                HasSubstr("de.pdf: not changed: Das folgende Feld enthält keine gültige Zahl: X-Versatz"));
    const std::string boxes = RunCommand("pdfinfo -box -f 1 -l 2 " + folder.Path("de.pdf")).output;
    for (const char* page : {"Page    1 ", "Page    2 "}) {
        EXPECT_THAT(boxes, HasSubstr(std::string(page) + "BleedBox:     28.35    28.35   566.93   566.93"));
        EXPECT_THAT(boxes, HasSubstr(std::string(page) + "ArtBox:       28.35    28.35   538.58   538.58"));
    }
}

// A user who may not write into the document's folder: the save is refused and the file stays as it was.
// Run as an unprivileged user, as the superuser writes anywhere.
TEST(GeomhostProgram, ASaveIntoAFolderTheUserMayNotWriteIsRefused) {
    TestFolder folder;
    const std::string sample = CopySample(folder);
    const std::string original = ReadFile(sample);
    WriteFile(folder.Path("edit.script"), "button ORBA:EXGM_GeomToolButton\ntype #1004 -40\npress #1001\nsave\n");
    using std::filesystem::perms;
    std::filesystem::permissions(folder.Path(), perms::owner_all | perms::group_read | perms::group_exec |
                                                    perms::others_read | perms::others_exec);
    // The file itself is open to all: the folder is what refuses.
    std::filesystem::permissions(sample, perms::all & ~(perms::owner_exec | perms::group_exec | perms::others_exec));
    const GeomhostRun run = Geomhost("--no-debugger --open " + sample + " --script " + folder.Path("edit.script"),
                                     "cd / && setpriv --reuid=nobody --regid=nogroup --clear-groups ");
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_THAT(run.output, HasSubstr("cannot save \"" + sample + "\""));
    EXPECT_THAT(run.output, HasSubstr("Permission denied"));
    EXPECT_EQ(ReadFile(sample), original);
    EXPECT_EQ(folder.Names(), (std::set<std::string>{"edit.script", "sample.pdf"}));
}

TEST(GeomhostProgram, OldHostShowsTheRefusal) {
    const GeomhostRun run = Geomhost("--host-version 3.1");
    EXPECT_EQ(run.status, 0);
    EXPECT_THAT(run.output, HasSubstr("[alert] The plug-in Geometry requires Adobe Acrobat version 4.00 or newer."));
}

TEST(GeomhostProgram, BadUseIsExplainedWithExitCode2) {
    const GeomhostRun unknown = Geomhost("--frobnicate");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_THAT(unknown.output, HasSubstr("geomhost: unknown option '--frobnicate'"));
    EXPECT_THAT(unknown.output, HasSubstr("usage: geomhost"));

    const GeomhostRun missing = Geomhost("--plugins /nonexistent/folder");
    EXPECT_EQ(missing.status, 2);
    EXPECT_THAT(missing.output, HasSubstr("plug-in folder '/nonexistent/folder' does not exist"));

    EXPECT_EQ(Geomhost("--host-version seven").status, 2);
    EXPECT_EQ(Geomhost("--lang").status, 2);
    EXPECT_EQ(Geomhost("--quiet --progress").status, 2);
    const GeomhostRun folder = Geomhost("--script /tmp");
    EXPECT_EQ(folder.status, 2);
    EXPECT_THAT(folder.output, HasSubstr("the script '/tmp' is a folder"));
    EXPECT_EQ(Geomhost("--help").status, 0);
}

TEST(GeomhostProgram, RunsAScriptAgainstTheDocumentItOpened) {
    PluginFolder plugins;
    plugins.Add("testplugins/Probe.api", "Probe.api");
    TestFolder folder;
    WritePdf(folder.Path("a.pdf"), {"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                                    "<< /Type /Page /Parent 2 0 R >>"});
    WriteFile(folder.Path("run.txt"), "button ORBA:TEST_PlainButton  # shows an alert\nsave \"" + folder.Path("b.pdf") +
                                          "\"\necho done\nquit\necho never\n");
    const GeomhostRun run = Geomhost(
        "--plugins " + plugins.Path() + " --open " + folder.Path("a.pdf") + " --script " + folder.Path("run.txt"),
        "PROBE_MENUS=1 ");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_THAT(run.output, HasSubstr("[document] opened \"a.pdf\" (1 page)\n[view] a.pdf\n"
                                      "[button] ORBA:TEST_PlainButton\n"
                                      "[alert] ToolButton: ORBA:TEST_PlainButton Execute callback invoked\n"));
    EXPECT_THAT(run.output, HasSubstr("[document] saved \"b.pdf\"\ndone\n[host] quitting\n"));
    EXPECT_TRUE(std::filesystem::exists(folder.Path("b.pdf")));
}

TEST(GeomhostProgram, ScriptFromStandardInputStopsAtAMistakeWithExitCode1) {
    const GeomhostRun run = Geomhost("--no-debugger --script -", "printf 'echo one\\nfrobnicate\\necho two\\n' | ");
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_THAT(run.output, HasSubstr("one\n[script] line 2: unknown command \"frobnicate\""));
    EXPECT_EQ(run.output.find("two"), std::string::npos) << run.output;
    EXPECT_THAT(run.output, HasSubstr("[host] quitting"));  // the plug-ins unload
    // Quiet: the mistake alone.
    const GeomhostRun quiet = Geomhost("--quiet --no-debugger --script -", "printf 'echo one\\nfrobnicate\\n' | ");
    EXPECT_EQ(quiet.output, "[script] line 2: unknown command \"frobnicate\" (\"help\" lists the commands)\n");

    EXPECT_EQ(Geomhost("--no-debugger --open /nonexistent/a.pdf").status, 1);
    const GeomhostRun unreadable = Geomhost("--script /nonexistent/run.txt");
    EXPECT_EQ(unreadable.status, 2);
    EXPECT_THAT(unreadable.output, HasSubstr("cannot read the script '/nonexistent/run.txt'"));
    EXPECT_NE(Geomhost("--help").output.find("  press #ID [in TITLE]"), std::string::npos);
}

}  // namespace
