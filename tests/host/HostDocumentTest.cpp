// The host's documents as host code sees them: files that do not open, permissions, the pages found in
// malformed page trees, and saving so that a failure never damages the file.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "TestPdf.h"
#include "host/core/Host.h"
#include "host/document/HostDocument.h"
#include "host/document/HostPageBoxes.h"

namespace {

class HostDocs : public ::testing::Test {
protected:
    HostDoc OpenPdf(const std::vector<std::string>& objects, const std::string& name = "a.pdf") {
        return ::OpenPdf(host, folder, objects, name);
    }
    HostDocument& Document(HostDoc doc) { return *host.Documents().Find(doc); }
    // The private tag of each page, in page order.
    std::vector<long long> Tags(HostDoc doc) {
        std::vector<long long> tags;
        HostDocument& document = Document(doc);
        for (int32_t i = 0; i < document.PageCount(); ++i) {
            QPDFObjectHandle tag = document.PageAt(i).dict.getKey("/ORBA_Tag");
            tags.push_back(tag.isInteger() ? tag.getIntValue() : -1);
        }
        return tags;
    }

    TestFolder folder;
    std::ostringstream out;
    Host host{HostConfig(), out};
};

std::string Page(int tag, const std::string& parent = "2 0 R") {
    return "<< /Type /Page /Parent " + parent + " /ORBA_Tag " + std::to_string(tag) + " >>";
}

// --- Opening ---

TEST_F(HostDocs, AFileThatCannotBeOpenedIsReportedWithItsReason) {
    WriteFile(folder.Path("text.pdf"), "this is no PDF file\n");
    WritePdf(folder.Path("notree.pdf"), {"<< /Type /Catalog >>"});
    WritePdf(folder.Path("plain.pdf"), InheritedBoxesPdf());
    ASSERT_EQ(RunCommand("qpdf --encrypt user owner 256 -- " + Quoted(folder.Path("plain.pdf")) + " " +
                         Quoted(folder.Path("locked.pdf")))
                  .status,
              0);
    for (const auto& [name, reason] : {std::pair{"missing.pdf", "missing.pdf"},
                                       {"text.pdf", ""},
                                       {"notree.pdf", "page tree"},
                                       {"locked.pdf", "password"}}) {
        SCOPED_TRACE(name);
        std::string why;
        EXPECT_EQ(host.Documents().Open(folder.Path(name), &why), HostDoc::None);
        EXPECT_NE(why.find(reason), std::string::npos) << why;
    }
    EXPECT_TRUE(host.Documents().OpenDocuments().empty());
}

TEST_F(HostDocs, PermissionFlagsAllowEditingUnlessTheFileForbidsIt) {
    const HostDoc plain = OpenPdf(InheritedBoxesPdf(), "plain.pdf");
    EXPECT_EQ(Document(plain).PermissionFlags() & kHostDocMayEdit, kHostDocMayEdit);
    ASSERT_EQ(RunCommand("qpdf --encrypt '' owner 256 --modify=none -- " + Quoted(folder.Path("plain.pdf")) + " " +
                         Quoted(folder.Path("readonly.pdf")))
                  .status,
              0);
    const HostDoc locked = host.Documents().Open(folder.Path("readonly.pdf"));
    ASSERT_NE(locked, HostDoc::None);
    EXPECT_EQ(Document(locked).PermissionFlags() & kHostDocMayEdit, 0);
    EXPECT_EQ(Document(locked).PermissionFlags() & kHostDocMayPrint, kHostDocMayPrint);
}

// --- Page tree ---

TEST_F(HostDocs, PagesComeInTreeOrderAndMalformedTreesAreWalkedOnce) {
    const std::string catalog = "<< /Type /Catalog /Pages 2 0 R >>";
    const struct {
        const char* name;
        std::vector<std::string> objects;
        std::vector<long long> tags;
    } trees[] = {
        {"nested nodes",
         {catalog, "<< /Type /Pages /Kids [3 0 R 6 0 R 4 0 R] /Count 4 >>",
          "<< /Type /Pages /Parent 2 0 R /Kids [5 0 R 7 0 R] /Count 2 >>", Page(4), Page(1, "3 0 R"), Page(3),
          Page(2, "3 0 R")},
         {1, 2, 3, 4}},
        {"a Kids loop ends where a node comes round again",
         {catalog, "<< /Type /Pages /Kids [3 0 R 4 0 R] /Count 2 >>", Page(1),
          "<< /Type /Pages /Parent 2 0 R /Kids [2 0 R 5 0 R 4 0 R] /Count 1 >>", Page(2, "4 0 R")},
         {1, 2}},
        {"a page listed twice counts once",
         {catalog, "<< /Type /Pages /Kids [3 0 R 3 0 R 4 0 R] /Count 3 >>", Page(1), Page(2)},
         {1, 2}},
        // The untyped node with Kids is a Pages node; a direct page is kept.
        {"kids that are no dictionaries are skipped",
         {catalog, "<< /Type /Pages /Kids [3 0 R 9 0 R 5 (text) null " + Page(2) + " << /Kids [4 0 R] >>] /Count 3 >>",
          Page(1), Page(3, "2 0 R")},
         {1, 2, 3}},
    };
    for (const auto& tree : trees) {
        SCOPED_TRACE(tree.name);
        EXPECT_EQ(Tags(OpenPdf(tree.objects, std::string(tree.name) + ".pdf")), tree.tags);
    }
}

// --- Saving ---

class HostDocsSave : public HostDocs {
protected:
    void SetUp() override {
        doc = OpenPdf(InheritedBoxesPdf());
        original = ReadFile(folder.Path("a.pdf"));
    }
    void ChangeAPage() {
        Document(doc).PageAt(1).dict.replaceKey("/CropBox", HostBoxArray({0, 700 * kFixedOne, 500 * kFixedOne, 0}));
        Document(doc).MarkModified();
    }

    HostDoc doc = HostDoc::None;
    std::string original;
};

TEST_F(HostDocsSave, AFailureAtAnyStepLeavesTheFileAsItWasAndNothingBehind) {
    ChangeAPage();
    for (HostSaveFault fault : {HostSaveFault::Create, HostSaveFault::Write, HostSaveFault::Rename}) {
        host.Documents().SimulateSaveFault(fault);
        std::string why;
        EXPECT_FALSE(host.Documents().Save(doc, &why));
        EXPECT_NE(why.find("cannot save"), std::string::npos) << why;
        EXPECT_EQ(ReadFile(folder.Path("a.pdf")), original);
        EXPECT_EQ(folder.Names(), (std::set<std::string>{"a.pdf"}));
        EXPECT_TRUE(Document(doc).Modified());
    }
    // The fault was for one save only: the document is whole and saves in place, leaving nothing else.
    EXPECT_TRUE(host.Documents().Save(doc));
    EXPECT_NE(ReadFile(folder.Path("a.pdf")), original);
    EXPECT_EQ(folder.Names(), (std::set<std::string>{"a.pdf"}));
    EXPECT_FALSE(Document(doc).Modified());
}

// A target that is a folder, in no folder, or another document's file: nothing is written, the document
// stays where it was, and the reason names the step.
TEST_F(HostDocsSave, SavingAsOntoAFolderAMissingFolderOrAnOpenFileFails) {
    std::filesystem::create_directory(folder.Path("taken"));
    WriteFile(folder.Path("taken/inside.txt"), "keep");
    const HostDoc other = OpenPdf(InheritedBoxesPdf(), "b.pdf");
    const std::string before = ReadFile(folder.Path("b.pdf"));
    for (const auto& [target, reason] :
         {std::pair{"taken", "replacing"}, {"nowhere/b.pdf", "creating"}, {"b.pdf", "open"}}) {
        SCOPED_TRACE(target);
        std::string why;
        EXPECT_FALSE(host.Documents().SaveAs(doc, folder.Path(target), &why));
        EXPECT_NE(why.find(reason), std::string::npos) << why;
        EXPECT_EQ(folder.Names(), (std::set<std::string>{"a.pdf", "b.pdf", "taken"}));
        EXPECT_EQ(Document(doc).Path(), folder.Path("a.pdf"));
    }
    EXPECT_EQ(ReadFile(folder.Path("taken/inside.txt")), "keep");
    EXPECT_EQ(ReadFile(folder.Path("b.pdf")), before);
    EXPECT_TRUE(host.Documents().Save(other));  // its own file is its own to save
}

// --- Closing ---

}  // namespace
