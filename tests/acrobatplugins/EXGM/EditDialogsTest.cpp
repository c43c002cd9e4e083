// The Page Geometry and Trim Box dialogs as a user works them: reading a box in every region and unit,
// typing numbers, refusing bad ones, applying to page sets, and what ends up in the saved file.
#include <gmock/gmock.h>
#include <string>
#include <vector>

#include "EditorHost.h"

namespace {

using ::testing::HasSubstr;

// Five pages under one MediaBox; page 1 has a TrimBox 36 points inside it and a CropBox, page 3 is turned.
std::vector<std::string> FivePages() {
    return {"<< /Type /Catalog /Pages 2 0 R >>",
            "<< /Type /Pages /Kids [3 0 R 4 0 R 5 0 R 6 0 R 7 0 R] /Count 5 /MediaBox [0 0 612 792] >>",
            "<< /Type /Page /Parent 2 0 R /TrimBox [36 36 576 756] /CropBox [18 18 594 774] >>",
            "<< /Type /Page /Parent 2 0 R /CropBox [10 20 602 772] >>",
            "<< /Type /Page /Parent 2 0 R /Rotate 90 >>",
            "<< /Type /Page /Parent 2 0 R >>",
            "<< /Type /Page /Parent 2 0 R >>"};
}

class EditDialogs : public EditorHost {
protected:
    void SetUp() override {
        Start();
        path = Open("five.pdf", FivePages());
    }
    std::string path;
};

TEST_F(EditDialogs, ShowTheTrimBoxAsOffsetsOrCoordinatesInEveryUnit) {
    Run("button ORBA:EXGM_GeomToolButton");
    ASSERT_TRUE(Visible(L"Page Geometry")) << out.str();
    struct Row {
        const char* region;
        const char* unit;
        std::vector<std::string> fields;  // 1002, 1003, 1004, 1005
        std::vector<std::string> labels;  // of 1014, 1015, 1012, 1013
    };
    const std::vector<std::string> sizes{"Width", "Height", "X Offset", "Y Offset"};
    const std::vector<std::string> edges{"Right", "Top", "Left", "Bottom"};
    const Row rows[] = {
        {"Offsets", "Points", {"540.00", "720.00", "-36.00", "-36.00"}, sizes},
        {"Coordinates", "Points", {"576.00", "756.00", "36.00", "36.00"}, edges},
        {"Coordinates", "Inches", {"8.000", "10.500", "0.500", "0.500"}, edges},
        {"Offsets", "Centimeters", {"19.050", "25.400", "-1.270", "-1.270"}, sizes},
        {"Offsets", "Millimeters", {"190.50", "254.00", "-12.70", "-12.70"}, sizes},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.region) + " in " + row.unit);
        Run(std::string("choose #1009 ") + row.region + "\nchoose #1008 " + row.unit);
        EXPECT_EQ(Fields(L"Page Geometry"), row.fields);
        EXPECT_EQ((std::vector<std::string>{Text(L"Page Geometry", 1014), Text(L"Page Geometry", 1015),
                                            Text(L"Page Geometry", 1012), Text(L"Page Geometry", 1013)}),
                  row.labels);
    }
    // Back in points, nothing typed: the boxes are as they were, to the last bit, and nothing is written.
    Run("choose #1008 Points\npress #1001");
    EXPECT_FALSE(Modified());
    EXPECT_EQ(Fields(L"Page Geometry"), (std::vector<std::string>{"540.00", "720.00", "-36.00", "-36.00"}));
}

TEST_F(EditDialogs, BadNumbersAreNamedAndNothingIsWritten) {
    struct Row {
        const char* setup;  // region and unit
        const char* typed;
        const char* message;
    };
    const Row rows[] = {
        {"choose #1009 Offsets", "type #1002 abc\ntype #1003 \"1 2\"",
         "The following fields do not contain valid numbers:\n\nWidth\nHeight\n"},
        {"choose #1009 Offsets", "type #1003 12pt", "The following field does not contain a valid number:\n\nHeight\n"},
        {"choose #1009 Coordinates", "type #1005 \"\"\ntype #1004 (",
         "The following fields do not contain valid numbers:\n\nLeft\nBottom\n"},
        // 500 inches is more than a page can hold in points: refused, never wrapped.
        {"choose #1009 Coordinates\nchoose #1008 Inches", "type #1002 500",
         "The following field does not contain a valid number:\n\nRight\n"},
        // An offset and a width that each fit but together put the edge beyond reach.
        {"choose #1009 Offsets\nchoose #1008 Points", "type #1002 30000\ntype #1004 -30000",
         "The following field does not contain a valid number:\n\nWidth\n"},
    };
    Run("button ORBA:EXGM_GeomToolButton");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        Run(std::string(row.setup) + "\n" + row.typed + "\nchoose #1007 \"To All Pages\"\npress #1001");
        const HostShownAlert* alert = LastAlert();
        ASSERT_NE(alert, nullptr) << out.str();
        EXPECT_EQ(alert->text, row.message);
        EXPECT_EQ(alert->kind, 1);
        EXPECT_EQ(alert->buttons, std::vector<std::string>{"OK"});
        EXPECT_TRUE(alert->beep);
        EXPECT_FALSE(Modified());
        host->Alerts().Clear();
        Run("choose #1006 \"Media Box\"\nchoose #1006 \"Trim Box\"");  // shows the page's numbers again
    }
}

TEST_F(EditDialogs, BleedBoxInInchesToEvenPagesIsSavedOnPagesTwoAndFourOnly) {
    Run("button ORBA:EXGM_GeomToolButton\n"
        "choose #1006 \"Bleed Box\"\nchoose #1009 Coordinates\nchoose #1008 Inches\n"
        "type #1004 0.25\ntype #1005 0.25\ntype #1002 8.25\ntype #1003 10.75\n"
        "choose #1007 \"To Even Pages\"\npress #1001");
    EXPECT_TRUE(host->Alerts().Shown().empty()) << out.str();
    // The current page was not among them: the dialog shows its own BleedBox (its CropBox), unstamped.
    EXPECT_EQ(Fields(L"Page Geometry"), (std::vector<std::string>{"8.250", "10.750", "0.250", "0.250"}));
    const std::string saved = files.Path("saved.pdf");
    Run("save " + saved);
    for (int page = 0; page < 5; ++page) {
        const auto boxes = BoxesInFile(saved, page);
        EXPECT_EQ(boxes.count("BleedBox"), page % 2 == 1 ? 1u : 0u) << "page " << page + 1;
        if (page % 2 == 1) {
            EXPECT_EQ(boxes.at("BleedBox"), "18 18 594 774");
        }
    }
    EXPECT_EQ(ReadFile(saved).find("ORBA_Tools"), std::string::npos);
    EXPECT_EQ(RunCommand("qpdf --check " + Quoted(saved)).status, 0);
    // Another reader sees the same boxes: the new one on page 2, the CropBox's fallback on page 3.
    const std::string info = RunCommand("pdfinfo -box -f 2 -l 3 " + Quoted(saved)).output;
    EXPECT_THAT(info, HasSubstr("Page    2 BleedBox:     18.00    18.00   594.00   774.00"));
    EXPECT_THAT(info, HasSubstr("Page    3 BleedBox:      0.00     0.00   612.00   792.00"));

    // Saved as, the document belongs to the new file. From page 2, "To This Page" stamps the document.
    Run("page 2\nchoose #1007 \"To This Page\"\ntype #1004 1\npress #1001\nsave");
    EXPECT_EQ(BoxesInFile(saved, 1).at("BleedBox"), "72 18 594 774");
    EXPECT_THAT(ReadFile(saved), HasSubstr("/ORBA_Tools"));
}

TEST_F(EditDialogs, SwappedEdgesAreAppliedInOrder) {
    Run("button ORBA:EXGM_GeomToolButton\nchoose #1009 Coordinates\n"
        "type #1004 500\ntype #1002 100\ntype #1005 700\ntype #1003 50\npress #1001\nsave");
    EXPECT_EQ(BoxesInFile(path, 0).at("TrimBox"), "100 50 500 700");
    EXPECT_EQ(Fields(L"Page Geometry"), (std::vector<std::string>{"500.00", "700.00", "100.00", "50.00"}));
}

TEST_F(EditDialogs, TrimDialogShowsTheCropBoxOfAPageWithoutTrimAndWritesBothKeys) {
    Run("page 2\nbutton ORBA:EXGM_TrimToolButton");
    ASSERT_TRUE(Visible(L"Trim Box")) << out.str();
    // Size then offset, from the page's CropBox 10 20 602 772; the labels are the template's.
    EXPECT_EQ(Fields(L"Trim Box"), (std::vector<std::string>{"592.00", "752.00", "-10.00", "-20.00"}));
    EXPECT_EQ(Text(L"Trim Box", 1012), "  X");
    Run("type #1002 -500.0\ntype #1004 -600.0\nchoose #1007 \"To All Pages\"\npress #1001\nsave");
    for (int page = 0; page < 5; ++page) {
        const auto boxes = BoxesInFile(path, page);
        // A negative width puts the right edge left of the left one: the two trade places.
        EXPECT_EQ(boxes.at("TrimBox"), "100 20 600 772") << "page " << page + 1;
        EXPECT_EQ(boxes.at("ORBA_TrimBox"), boxes.at("TrimBox")) << "page " << page + 1;
    }
    Run("type #1003 tall\npress #1001");
    ASSERT_NE(LastAlert(), nullptr);
    EXPECT_EQ(LastAlert()->text, "The following field does not contain a valid number:\n\nHeight\n");
}

// A host that fails while the pages are written: those written stay, the user is told, and the dialog, the
// view and the progress bar are ready for the next Apply.
TEST_F(EditDialogs, AFailedWriteLeavesTheDialogWorking) {
    script.reset();
    host->Quit();
    host.reset();
    std::filesystem::remove(plugins.Path("Geometry.api"));
    HostConfig failing;
    failing.failBoxWrite = 3;
    Start(failing);
    path = Open("five.pdf", FivePages());
    Run("button ORBA:EXGM_GeomToolButton\nchoose #1009 Coordinates\ntype #1004 40\nchoose #1007 \"To All Pages\"\n"
        "press #1001");
    EXPECT_THAT(out.str(), HasSubstr("The page box could not be written."));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(Dialog(L"Page Geometry"), 1001)));
    EXPECT_FALSE(host->Progress().Running());
    EXPECT_EQ(host->DocViews().FrontPageView()->OperationDepth(), 0);
    Run("save");
    const char* const expected[] = {"40 36 576 756", "40 36 576 756", nullptr, nullptr, nullptr};
    for (int page = 0; page < 5; ++page) {
        const auto boxes = BoxesInFile(path, page);
        if (expected[page] != nullptr) {
            EXPECT_EQ(boxes.at("TrimBox"), expected[page]) << "page " << page + 1;
        } else {
            EXPECT_EQ(boxes.count("TrimBox"), 0u) << "page " << page + 1;
        }
    }
    // The dialog goes on: the same Apply again reaches every page.
    Run("type #1004 41\npress #1001\nsave");
    for (int page = 0; page < 5; ++page) EXPECT_EQ(BoxesInFile(path, page).at("TrimBox"), "41 36 576 756");
}

}  // namespace
