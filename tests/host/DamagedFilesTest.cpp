// Damaged and unusual files as users hand them over, each run through geomhost as a whole: the user reads
// a clear message, the program ends with the status it promises and never hangs, and the file the user
// opened keeps every byte.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <string>

#include "GeomhostRun.h"
#include "TestPdf.h"

namespace {

using ::testing::HasSubstr;

const std::string kSample = ReadFile(GEOM_SAMPLES_DIR "/sample.pdf");

// The user looks at the boxes, sets a TrimBox through the dialog and saves, here or as a new file.
const std::string kEdit = "boxes\nbutton ORBA:EXGM_GeomToolButton\ntype #1004 -40\npress #1001\n";
const std::string kEditAndSave = kEdit + "save";

std::string WithKids(const std::string& kids, const std::string& page = "/MediaBox [0 0 612 792]") {
    return PdfText({"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [" + kids + "] /Count 1 >>",
                    "<< /Type /Page /Parent 2 0 R " + page + " >>", "<< /Type /Font /Subtype /Type1 >>"});
}

std::string Truncated(double share) { return kSample.substr(0, static_cast<std::size_t>(kSample.size() * share)); }

std::string WrongStartxref() {
    const std::size_t at = kSample.rfind("startxref");
    return kSample.substr(0, at) + "startxref\n999\n%%EOF\n";
}

std::string Encrypted(const std::string& userPassword) {
    TestFolder folder;
    RunCommand("qpdf --encrypt '" + userPassword + "' owner 256 -- " GEOM_SAMPLES_DIR "/sample.pdf " +
               Quoted(folder.Path("e.pdf")));
    return ReadFile(folder.Path("e.pdf"));
}

std::string Unreadable() {
    return PdfText({"<< /Type /Catalog /Pages 2 0 R /Extra 4 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                    "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] >>", "<< /A [ 1 2 >> >>"});
}

struct Case {
    const char* name;
    std::function<std::string()> content;
    int status;            // of the run that saves as a new file
    const char* expected;  // in the output
    const char* save = "save out.pdf";
};

const Case kCases[] = {
    {"truncated at 10%", [] { return Truncated(0.1); }, 1, "cannot open"},
    {"truncated at 50%", [] { return Truncated(0.5); }, 1, "cannot open"},
    {"truncated at 90%", [] { return Truncated(0.9); }, 1, "cannot open"},
    {"truncated before %%EOF", [] { return Truncated(0.995); }, 0, "saved"},
    {"wrong startxref", WrongStartxref, 0, "repaired as it was read"},
    {"empty", [] { return std::string(); }, 1, "cannot open"},
    {"not a PDF", [] { return std::string("hello\n"); }, 1, "cannot open"},
    {"loop in Kids", [] { return WithKids("3 0 R 2 0 R"); }, 0, "saved"},
    {"loop in Parent", [] { return WithKids("3 0 R", "/Parent 3 0 R /MediaBox [0 0 9 9]"); }, 0, "saved"},
    {"a font in Kids", [] { return WithKids("4 0 R 3 0 R"); }, 0, "Font object 4 0, which is not a page"},
    {"the catalog in Kids", [] { return WithKids("1 0 R 3 0 R"); }, 0, "Catalog object 1 0, which is not a page"},
    {"boxes as strings", [] { return WithKids("3 0 R", "/MediaBox (box) /TrimBox (t)"); }, 0, "malformed (box)"},
    {"a box of three numbers", [] { return WithKids("3 0 R", "/MediaBox [0 0 612]"); }, 0, "malformed [ 0 0 612 ]"},
    {"a box as a dictionary", [] { return WithKids("3 0 R", "/CropBox << /A 1 >>"); }, 0, "malformed << /A 1 >>"},
    // An update keeps the object as the file holds it; a whole new file would lose it.
    {"an object that cannot be read", Unreadable, 0, "saved"},
    {"an object that cannot be read, in full", Unreadable, 1, "could not be read and would be lost",
     "save --full out.pdf"},
    {"huge numbers", [] { return WithKids("3 0 R", "/MediaBox [0 0 40000.5 1e400]"); }, 0, "saved"},
    {"encrypted, no user password", [] { return Encrypted(""); }, 0, "saved"},
    {"encrypted with a user password", [] { return Encrypted("secret"); }, 1, "needs a password"},
};

TEST(DamagedFiles, EachGivesAClearMessageTheStatusItPromisesAndKeepsTheFile) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        TestFolder folder;
        const std::string content = c.content();
        WriteFile(folder.Path("in.pdf"), content);
        WriteFile(folder.Path("edit.script"), kEdit + c.save + "\n");
        const GeomhostRun run =
            Geomhost("--no-debugger --open " + folder.Path("in.pdf") + " --script " + folder.Path("edit.script"));
        EXPECT_EQ(run.status, c.status) << run.output;
        EXPECT_THAT(run.output, HasSubstr(c.expected));
        EXPECT_EQ(ReadFile(folder.Path("in.pdf")), content);
        // What is written is at least as sound as what was read.
        const auto checks = [](const std::string& path) { return RunCommand("qpdf --check " + Quoted(path)).status; };
        if (run.status == 0) {
            EXPECT_TRUE(checks(folder.Path("out.pdf")) == 0 || checks(folder.Path("in.pdf")) != 0);
        }
    }
}

// A repaired reading is not written over the file unless the user asks for it; a new file is always fine.
TEST(DamagedFiles, ARepairedFileIsSavedOverOnlyWhenTheUserAsksForIt) {
    TestFolder folder;
    const std::string damaged = WrongStartxref();
    WriteFile(folder.Path("in.pdf"), damaged);
    WriteFile(folder.Path("edit.script"), kEditAndSave + "\n");
    const std::string open = "--no-debugger --open " + folder.Path("in.pdf") + " --script ";
    GeomhostRun run = Geomhost(open + folder.Path("edit.script"));
    EXPECT_EQ(run.status, 1);
    EXPECT_THAT(run.output, HasSubstr("3 problems\n[document]   " + folder.Path("in.pdf") + ": file is damaged\n"));
    EXPECT_THAT(run.output, HasSubstr("is damaged and was repaired as it was read, so the document may lack"));
    EXPECT_EQ(ReadFile(folder.Path("in.pdf")), damaged);

    WriteFile(folder.Path("edit.script"), kEditAndSave + " --repaired\n");
    run = Geomhost(open + folder.Path("edit.script"));
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(RunCommand("qpdf --check " + Quoted(folder.Path("in.pdf"))).status, 0);
}

// What is not a PDF file at all is refused at once, with what it is, and nothing waits for input.
TEST(DamagedFiles, OnlyRegularFilesOpen) {
    TestFolder folder;
    std::filesystem::create_directory(folder.Path("folder.pdf"));
    ASSERT_EQ(::mkfifo(folder.Path("fifo.pdf").c_str(), 0600), 0);
    for (const auto& [path, why] : {std::pair{folder.Path("folder.pdf"), "it is a folder"},
                                    {folder.Path("fifo.pdf"), "it is a pipe"},
                                    {std::string("/dev/zero"), "it is a device"},
                                    {std::string("/dev/urandom"), "it is a device"},
                                    {folder.Path("missing.pdf"), "No such file"}}) {
        const GeomhostRun run = Geomhost("--no-debugger --open " + path);
        EXPECT_EQ(run.status, 1) << run.output;
        EXPECT_THAT(run.output, HasSubstr("cannot open \"" + path + "\": " + why));
    }
}

// Someone else wrote the file after it was opened: saving over it would lose what they wrote, while a new
// file can still be written. The script waits in a pipe while the file changes.
TEST(DamagedFiles, AFileChangedOnDiskIsNotSavedOverButCanBeSavedAsANewFile) {
    struct Change {
        const char* command;
        const char* save;
        int status;
        const char* message;
    };
    const Change changes[] = {
        {"truncate -s 100 in.pdf", "save", 1, "the file changed size from"},
        {"printf '%%%%extra' >> in.pdf", "save", 1, "the file changed size from"},
        {"cp in.pdf new.pdf && mv new.pdf in.pdf", "save", 1, "the file was replaced by another file"},
        {"rm in.pdf", "save", 1, "the file was removed"},
        {"truncate -s 100 in.pdf", "save out.pdf", 0, "[document] saved \"out.pdf\""},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.command);
        TestFolder folder;
        WriteFile(folder.Path("in.pdf"), kSample);
        const std::string script =
            "(echo 'button ORBA:EXGM_GeomToolButton'; echo 'type #1004 -40'; echo 'press "
            "#1001'; sleep 1; cd " +
            folder.Path() + " && " + change.command + "; echo '" + change.save + "') | ";
        const GeomhostRun run = Geomhost("--no-debugger --open " + folder.Path("in.pdf") + " --script -", script);
        EXPECT_EQ(run.status, change.status) << run.output;
        EXPECT_THAT(run.output, HasSubstr(change.message));
    }
}

// A file without write permission is kept as its owner asked, though the folder would allow replacing it.
// Run as an unprivileged user, as the superuser writes anywhere.
TEST(DamagedFiles, AReadOnlyFileIsNotReplaced) {
    TestFolder folder;
    WriteFile(folder.Path("in.pdf"), kSample);
    WriteFile(folder.Path("edit.script"), kEditAndSave + "\n");
    ASSERT_EQ(::chmod(folder.Path().c_str(), 0777), 0);
    ASSERT_EQ(::chmod(folder.Path("in.pdf").c_str(), 0644), 0);
    const GeomhostRun run =
        Geomhost("--no-debugger --open " + folder.Path("in.pdf") + " --script " + folder.Path("edit.script"),
                 "cd / && setpriv --reuid=nobody --regid=nogroup --clear-groups ");
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_THAT(run.output, HasSubstr("cannot save \"" + folder.Path("in.pdf") + "\": the file is read-only"));
    EXPECT_EQ(ReadFile(folder.Path("in.pdf")), kSample);
    EXPECT_EQ(folder.Names(), (std::set<std::string>{"edit.script", "in.pdf"}));
}

}  // namespace
