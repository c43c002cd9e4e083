// The Cos and PDModel entries on real PDF files, called through the plug-in's own wrappers: types, numbers as
// Fixed, inherited and malformed boxes, rotation, writing boxes, and errors raised the host's way.
#include <gtest/gtest.h>

#include <qpdf/QPDF.hh>

#include "HostTestTables.h"
#include "PDFL/PDFL_ASCalls5.h"
#include "PDFL/PDFL_CorCalls5.h"
#include "PDFL/PDFL_CosCalls5.h"
#include "PDFL/PDFL_PDCalls5.h"
#include "TestPdf.h"
#include "host/document/HostDocument.h"

namespace {

bool Same(CosObj a, CosObj b) { return a.id == b.id && a.doc == b.doc; }
bool IsNull(CosObj object) { return object.id == 0 && object.doc == 0; }

constexpr CosObj kNullObj = {0, 0};

class CosModel : public ::testing::Test, protected HostTestTables {
protected:
    void SetUp() override {
        doc = OpenPdf(InheritedBoxesPdf(), "a.pdf");
        cosDoc = Model_CosDocOfDoc(doc);
    }

    HostDoc OpenPdf(const std::vector<std::string>& objects, const std::string& name) {
        return ::OpenPdf(host, folder, objects, name);
    }
    HostDocument& Document(HostDoc d) { return *host.Documents().Find(d); }

    static HostAtom Atom(const char* name) { return Core_AtomFromName(name); }
    static CosObj Get(CosObj dict, const char* key) { return Cos_DictGet(dict, Atom(key)); }
    static FixedRect MediaBox(HostPage page) {
        FixedRect box{};
        Model_GetMediaBox(page, &box);
        return box;
    }
    // The rectangle under `key` of `dict`, read through the Cos entries in array order.
    static FixedRect RectUnder(CosObj dict, const char* key) {
        const CosObj array = Get(dict, key);
        return {Cos_FixedValue(Cos_ArrayGet(array, 0)), Cos_FixedValue(Cos_ArrayGet(array, 3)),
                Cos_FixedValue(Cos_ArrayGet(array, 2)), Cos_FixedValue(Cos_ArrayGet(array, 1))};
    }
    CosObj Root() { return Cos_DocRoot(cosDoc); }
    CosObj Pages() { return Get(Root(), "Pages"); }

    // Runs `call` as plug-in code and says whether the host raised its general error in it. The call must
    // hold no objects with destructors: a raise skips them, as it would in a plug-in.
    template <class Call>
    bool Raises(const Call& call) {
        const int failed = host.FailedCalls();
        const bool completed = host.CallPlugin("plug-in code", call);
        return !completed && host.FailedCalls() == failed + 1 && host.Frames().ErrorCode() == kHostGeneralError &&
               host.Frames().Depth() == 0;
    }

    TestFolder folder;
    HostDoc doc = HostDoc::None;
    HostCosDoc cosDoc = HostCosDoc::None;
};

// --- Cos objects: values ---

TEST_F(CosModel, EveryTypeHasItsCodeAndNullAndAbsentAreZero) {
    const HostDoc other =
        OpenPdf({"<< /Type /Catalog /Pages 2 0 R /Things 3 0 R >>", "<< /Type /Pages /Kids [] /Count 0 >>",
                 "<< /I 7 /R 2.5 /B true /N /Name /S (text) /D << >> /A [] /St 4 0 R /Nu null"
                 " /Ref 99 0 R >>",
                 "<< /Length 3 >>\nstream\nabc\nendstream"},
                "types.pdf");
    const CosObj things = Get(Cos_DocRoot(Model_CosDocOfDoc(other)), "Things");
    const std::pair<const char*, int32_t> expected[] = {{"I", CosInteger}, {"R", CosFixed},  {"B", CosBoolean},
                                                        {"N", CosName},    {"S", CosString}, {"D", CosDict},
                                                        {"A", CosArray},   {"St", CosStream}};
    for (const auto& [key, type] : expected) EXPECT_EQ(Cos_ObjectType(Get(things, key)), type) << key;
    EXPECT_TRUE(IsNull(Get(things, "Nu")));
    EXPECT_TRUE(IsNull(Get(things, "Ref")));  // a reference to no object
    EXPECT_TRUE(IsNull(Get(things, "Missing")));
    EXPECT_EQ(Cos_ObjectType(kNullObj), CosNull);
    EXPECT_EQ(Cos_DictKnown(things, Atom("I")), 1);
    EXPECT_EQ(Cos_DictKnown(things, Atom("Nu")), 0);
    EXPECT_EQ(Cos_DictKnown(things, Atom("Missing")), 0);
    // A stream is read as its dictionary.
    EXPECT_EQ(Cos_IntegerValue(Get(Get(things, "St"), "Length")), 3);
}

// The conversions themselves are HostCosNumbersTest's; here one number of each kind through the entries.
TEST_F(CosModel, NumbersConvertExactlyAndRefuseWhatTheyCannotHold) {
    const HostDoc other = OpenPdf({"<< /Type /Catalog /Pages 2 0 R /Values [612 612.5 40000 30000000000.0 /N] >>",
                                   "<< /Type /Pages /Kids [] /Count 0 >>"},
                                  "numbers.pdf");
    const CosObj values = Get(Cos_DocRoot(Model_CosDocOfDoc(other)), "Values");
    const auto at = [&](int32_t i) { return Cos_ArrayGet(values, i); };
    EXPECT_EQ(Cos_IntegerValue(at(0)), 612);
    EXPECT_EQ(Cos_FixedValue(at(1)), 0x2648000);
    const CosObj tooLarge = at(2), tooLargeReal = at(3), name = at(4);
    EXPECT_EQ(Cos_FixedValue(tooLarge), 0x7FFFFFFF);  // document data: cut to the range, not an error
    EXPECT_TRUE(Raises([&] { Cos_IntegerValue(tooLargeReal); }));
    EXPECT_TRUE(Raises([&] { Cos_FixedValue(name); }));
    EXPECT_TRUE(Raises([&] { Cos_IntegerValue(kNullObj); }));
}

// --- Cos objects: writing ---

TEST_F(CosModel, PutsThatWouldMixDocumentsOrContainThemselvesRaise) {
    const HostDoc other = OpenPdf(InheritedBoxesPdf(), "other.pdf");
    const CosObj foreign = Cos_NewArray(Model_CosDocOfDoc(other), 0, 1);
    const CosObj array = Cos_NewArray(cosDoc, 0, 1);
    const CosObj dict = Cos_NewDict(cosDoc, 0, 1);
    Cos_DictPut(dict, Atom("Inner"), array);
    const CosObj root = Root();
    const HostAtom key = Atom("Key");
    EXPECT_TRUE(Raises([&] { Cos_DictPut(root, key, foreign); }));
    EXPECT_TRUE(Raises([&] { Cos_ArrayPut(array, 0, array); }));
    EXPECT_TRUE(Raises([&] { Cos_ArrayPut(array, 0, dict); }));  // dict holds array
    EXPECT_TRUE(Raises([&] { Cos_DictPut(dict, key, dict); }));
    EXPECT_EQ(Cos_ArrayLength(array), 0);
    EXPECT_EQ(Cos_DictKnown(root, key), 0);
}

TEST_F(CosModel, WrongObjectsIndexesAndHandlesRaise) {
    const CosObj root = Root();
    const CosObj kids = Get(Pages(), "Kids");
    const HostAtom key = Atom("Pages");
    const HostAtom unknownAtom = static_cast<HostAtom>(999999);
    const CosObj forged = {999999, static_cast<uint32_t>(cosDoc)};
    const CosObj noDocument = {1, 0};
    const CosObj unknownDocument = {1, 777777};
    const std::string before = Snapshot(Document(doc).Pdf());
    EXPECT_TRUE(Raises([&] { Cos_DictGet(kids, key); }));
    EXPECT_TRUE(Raises([&] { Cos_DictKnown(kids, key); }));
    EXPECT_TRUE(Raises([&] { Cos_ArrayGet(root, 0); }));
    EXPECT_TRUE(Raises([&] { Cos_ArrayLength(root); }));
    EXPECT_TRUE(Raises([&] { Cos_ArrayGet(kids, -1); }));
    EXPECT_TRUE(Raises([&] { Cos_ArrayGet(kids, 3); }));
    EXPECT_TRUE(Raises([&] { Cos_ArrayPut(kids, -1, root); }));
    EXPECT_TRUE(Raises([&] { Cos_ArrayPut(kids, 1 << 20, root); }));
    EXPECT_TRUE(Raises([&] { Cos_DictGet(root, unknownAtom); }));
    EXPECT_TRUE(Raises([&] { Cos_DictGet(kNullObj, key); }));
    EXPECT_TRUE(Raises([&] { Cos_IntegerValue(root); }));
    EXPECT_TRUE(Raises([&] { Cos_ObjectDoc(kNullObj); }));
    EXPECT_TRUE(Raises([&] { Cos_ObjectType(forged); }));
    EXPECT_TRUE(Raises([&] { Cos_ObjectType(noDocument); }));
    EXPECT_TRUE(Raises([&] { Cos_ObjectType(unknownDocument); }));
    EXPECT_TRUE(Raises([&] { Cos_NewArray(cosDoc, 0, -1); }));
    EXPECT_TRUE(Raises([&] { Cos_NewDict(cosDoc, 1, -1); }));
    EXPECT_TRUE(Raises([&] { Cos_NewString(cosDoc, 0, "x", -1); }));
    EXPECT_TRUE(Raises([&] { Cos_NewString(cosDoc, 0, nullptr, 3); }));
    EXPECT_TRUE(Raises([&] { Cos_NewFixed(static_cast<HostCosDoc>(888888), 0, 0); }));
    EXPECT_TRUE(Raises([&] { Cos_DocRoot(static_cast<HostCosDoc>(888888)); }));
    EXPECT_EQ(Snapshot(Document(doc).Pdf()), before);
    EXPECT_FALSE(Document(doc).Modified());
}

// --- Pages ---

TEST_F(CosModel, PagesAreAcquiredAndReleasedByCount) {
    EXPECT_EQ(Model_PageCount(doc), 3);
    EXPECT_EQ(Model_DocFlags(doc) & 8, 8);  // editing allowed
    const HostPage page = Model_AcquirePage(doc, 1);
    EXPECT_EQ(Model_AcquirePage(doc, 1), page);
    EXPECT_NE(Model_AcquirePage(doc, 2), page);
    EXPECT_EQ(Model_PageNumber(page), 1);
    EXPECT_EQ(Model_DocOfPage(page), doc);
    EXPECT_EQ(Document(doc).PageAt(1).references, 2);
    Model_ReleasePage(page);
    Model_ReleasePage(page);
    EXPECT_EQ(Document(doc).PageAt(1).references, 0);
    EXPECT_TRUE(Raises([&] { Model_ReleasePage(page); }));
    EXPECT_TRUE(Raises([&] { Model_AcquirePage(doc, 3); }));
    EXPECT_TRUE(Raises([&] { Model_AcquirePage(doc, -1); }));
    EXPECT_TRUE(Raises([&] { Model_PageNumber(static_cast<HostPage>(999999)); }));
}

TEST_F(CosModel, TheMediaBoxIsTheNearestWellFormedOneUpTheTree) {
    EXPECT_EQ(MediaBox(Model_AcquirePage(doc, 0)), BoxOf(0, 0, 612, 792));       // inherited
    EXPECT_EQ(MediaBox(Model_AcquirePage(doc, 1)), BoxOf(0, 0, 595.5, 842.25));  // its own
    EXPECT_EQ(MediaBox(Model_AcquirePage(doc, 2)), BoxOf(0, 0, 612, 792));       // own has 3 numbers
    const HostDoc other = OpenPdf(
        {"<< /Type /Catalog /Pages 2 0 R >>",
         "<< /Type /Pages /Kids [3 0 R 4 0 R 5 0 R] /Count 3 /MediaBox [0 0 500 /Top]"
         " >>",
         "<< /Type /Page /Parent 2 0 R /MediaBox [612 792 0 0] >>", "<< /Type /Page /Parent 2 0 R /MediaBox (box) >>",
         "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 40000 792] >>"},
        "other.pdf");
    EXPECT_EQ(MediaBox(Model_AcquirePage(other, 0)), BoxOf(612, 792, 0, 0));  // reversed stays reversed
    EXPECT_EQ(MediaBox(Model_AcquirePage(other, 1)), BoxOf(0, 0, 612, 792));  // none well formed: Letter
    EXPECT_EQ(MediaBox(Model_AcquirePage(other, 2)).right, 0x7FFFFFFF);       // too large: cut to the range
    const HostPage page = Model_AcquirePage(doc, 0);
    EXPECT_TRUE(Raises([&] { Model_GetMediaBox(page, nullptr); }));
}

TEST_F(CosModel, RotationIsInheritedAndGivenAsAQuarterTurnFrom0To270) {
    EXPECT_EQ(Model_PageRotation(Model_AcquirePage(doc, 0)), 90);
    EXPECT_EQ(Model_PageRotation(Model_AcquirePage(doc, 1)), 270);  // -90
    // The last page is a direct dictionary, which keeps its value too.
    const HostDoc other =
        OpenPdf({"<< /Type /Catalog /Pages 2 0 R >>",
                 "<< /Type /Pages /Kids [3 0 R 4 0 R 5 0 R 6 0 R << /Type /Page /Parent 2 0 R /Rotate 270 >>] /Count 5"
                 " /Rotate 180 >>",
                 "<< /Type /Page /Parent 2 0 R /Rotate 450 >>", "<< /Type /Page /Parent 2 0 R /Rotate 45 >>",
                 "<< /Type /Page /Parent 2 0 R /Rotate 90.0 >>", "<< /Type /Page /Parent 2 0 R /Rotate -720 >>"},
                "rotated.pdf");
    EXPECT_EQ(Model_PageRotation(Model_AcquirePage(other, 0)), 90);
    EXPECT_EQ(Model_PageRotation(Model_AcquirePage(other, 1)), 180);  // not a quarter turn: the parent's
    EXPECT_EQ(Model_PageRotation(Model_AcquirePage(other, 2)), 90);   // a real without a fraction counts
    EXPECT_EQ(Model_PageRotation(Model_AcquirePage(other, 3)), 0);
    const HostPage direct = Model_AcquirePage(other, 4);
    EXPECT_TRUE(Same(Model_PageDict(direct), Model_PageDict(direct)));
    EXPECT_EQ(Cos_IntegerValue(Get(Model_PageDict(direct), "Rotate")), 270);
    EXPECT_EQ(Model_PageRotation(direct), 270);
}

// Boxes are written with the same reals as NewFixedNumbersReadBackBitForBitAlsoFromTheSavedFile; a file with
// boxes set is checked by PageBoxes.TrimBoxIsMirroredAndWrittenFilesAreValid.
TEST_F(CosModel, SettingBoxesWritesThePagesOwnEntries) {
    const HostPage first = Model_AcquirePage(doc, 0);
    const FixedRect media = {0x10001, 800 * kFixedOne, 0x2648001, 0};  // bits that need five decimals
    const FixedRect crop = BoxOf(10.5, 20.25, 590.75, 770.5);
    Model_SetMediaBox(first, media);
    Model_SetCropBox(first, crop);
    EXPECT_EQ(MediaBox(first), media);
    EXPECT_EQ(RectUnder(Model_PageDict(first), "CropBox"), crop);
    EXPECT_EQ(RectUnder(Pages(), "CropBox"), BoxOf(10, 10, 600, 780));  // the inherited one stays
    EXPECT_EQ(MediaBox(Model_AcquirePage(doc, 2)), BoxOf(0, 0, 612, 792));
    EXPECT_TRUE(Document(doc).Modified());
}

// Arrays of the same numbers on two pages are stored as one (HostCosObjects): a write through one value
// still changes its own page alone, and a value put twice is one array in both places, as any direct object.
TEST_F(CosModel, AnArrayOfNumbersWrittenAfterItsPutChangesItsOwnPlacesAlone) {
    const CosObj first = Model_PageDict(Model_AcquirePage(doc, 0));
    const CosObj second = Model_PageDict(Model_AcquirePage(doc, 1));
    const auto box = [&] {
        const CosObj array = Cos_NewArray(cosDoc, 0, 4);
        for (int i = 0; i < 4; ++i) Cos_ArrayPut(array, i, Cos_NewFixed(cosDoc, 0, (i + 1) * kFixedOne));
        return array;
    };
    const CosObj a = box(), b = box();
    Cos_DictPut(first, Atom("TrimBox"), a);
    Cos_DictPut(second, Atom("TrimBox"), b);
    Cos_ArrayPut(a, 0, Cos_NewFixed(cosDoc, 0, 9 * kFixedOne));
    EXPECT_TRUE(Same(Get(first, "TrimBox"), a));
    EXPECT_TRUE(Same(Get(second, "TrimBox"), b));
    EXPECT_EQ(RectUnder(first, "TrimBox"), BoxOf(9, 2, 3, 4));
    EXPECT_EQ(RectUnder(second, "TrimBox"), BoxOf(1, 2, 3, 4));
    Cos_DictPut(first, Atom("ArtBox"), b);
    Cos_ArrayPut(b, 1, Cos_NewFixed(cosDoc, 0, 7 * kFixedOne));
    EXPECT_EQ(RectUnder(second, "TrimBox"), BoxOf(1, 7, 3, 4));
    EXPECT_EQ(RectUnder(first, "ArtBox"), BoxOf(1, 7, 3, 4));
    EXPECT_EQ(RectUnder(first, "TrimBox"), BoxOf(9, 2, 3, 4));
}

// --- Opening through host paths ---

TEST_F(CosModel, OpeningThroughAHostPathGivesTheOpenDocument) {
    const HostFileSys fileSys = Support_DefaultFileSys();
    EXPECT_EQ(Model_OpenDoc(host.Paths().FromLinux(folder.Path("a.pdf")), fileSys, nullptr, 1), doc);
    // The file of a document leads back to its path.
    char* text = Support_DisplayTextOfPath(fileSys, Support_PathOfFile(Model_FileOfDoc(doc)), 0);
    EXPECT_EQ(std::string(text), "/Z" + folder.Path("a.pdf"));
    Support_FreeMemory(text);

    const HostPath missing = host.Paths().FromLinux(folder.Path("missing.pdf"));
    const HostPath first = host.Paths().FromLinux(folder.Path("a.pdf"));
    EXPECT_TRUE(Raises([&] { Model_OpenDoc(missing, fileSys, nullptr, 1); }));
    EXPECT_TRUE(Raises([&] { Model_OpenDoc(static_cast<HostPath>(999999), fileSys, nullptr, 1); }));
    EXPECT_TRUE(Raises([&] { Model_OpenDoc(first, static_cast<HostFileSys>(7), nullptr, 1); }));
}

}  // namespace
