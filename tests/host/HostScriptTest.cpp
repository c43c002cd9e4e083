// The host's command language driving the real host and the probe plug-in as a user would: menus and tool
// buttons, alerts, a dialog's fields, lists, check boxes and keys, a modal dialog whose loop takes the
// script's next commands, documents, and how mistakes in a script are reported.
#include <algorithm>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "ProbeTest.h"
#include "TestPdf.h"
#include "host/script/HostScript.h"
#include "win32sub/Desktop.h"

namespace {

constexpr int kEdit = 101;
constexpr int kCombo = 102;
constexpr int kCheck = 103;
constexpr int kDisabled = 104;
constexpr int kOptions = 105;  // opens the modal dialog
constexpr int kAsk = 106;      // asks a question in a message box
constexpr int kRadio = 107;

// A dialog template written in memory, as a resource compiler lays it out: UTF-16 words, items on 4 bytes.
constexpr WORD kButton = 0x80, kEditClass = 0x81, kComboBox = 0x85;
struct DialogItem {
    WORD classOrdinal;
    int id;
    const wchar_t* text;
    DWORD style;
    short x, y, cx, cy;
};
std::vector<DWORD> DialogTemplate(const wchar_t* title, short cx, short cy, std::initializer_list<DialogItem> items) {
    std::vector<WORD> words;
    const auto dword = [&](DWORD value) { words.insert(words.end(), {LOWORD(value), HIWORD(value)}); };
    const auto text = [&](const wchar_t* chars) {
        for (; *chars != 0; ++chars) words.push_back(static_cast<WORD>(*chars));
        words.push_back(0);
    };
    dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT);
    dword(0);
    words.push_back(static_cast<WORD>(items.size()));
    for (short value : {short(10), short(10), cx, cy}) words.push_back(static_cast<WORD>(value));
    words.insert(words.end(), {0, 0});  // no menu, the dialog class
    text(title);
    words.push_back(8);
    text(L"MS Shell Dlg");
    for (const DialogItem& item : items) {
        if (words.size() % 2 != 0) words.push_back(0);
        dword(WS_CHILD | WS_VISIBLE | item.style);
        dword(0);
        for (short value : {item.x, item.y, item.cx, item.cy}) words.push_back(static_cast<WORD>(value));
        words.insert(words.end(), {static_cast<WORD>(item.id), 0xFFFF, item.classOrdinal});
        text(item.text);
        words.push_back(0);  // no creation data
    }
    std::vector<DWORD> aligned((words.size() + 1) / 2, 0);
    std::memcpy(aligned.data(), words.data(), words.size() * sizeof(WORD));
    return aligned;
}
const DLGTEMPLATE* Template(const std::vector<DWORD>& aligned) {
    return reinterpret_cast<const DLGTEMPLATE*>(aligned.data());
}

// What the test's dialogs heard and answered.
struct DialogLog {
    std::vector<std::string> commands;  // "id:code" of each WM_COMMAND
    int timers = 0;
    INT_PTR modalResult = -2;  // of the Options dialog; -2 before it ran
    std::wstring modalText;    // the Options dialog's field when OK was pressed
    int answer = 0;            // of the message box
};
DialogLog g_log;

std::wstring FieldText(HWND dialog, int id) {
    wchar_t text[128] = L"";
    GetDlgItemTextW(dialog, id, text, 128);
    return text;
}

INT_PTR CALLBACK OptionsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) return TRUE;
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        if (LOWORD(wParam) == IDOK) g_log.modalText = FieldText(dialog, kEdit);
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

INT_PTR RunOptions(HWND owner) {
    const std::vector<DWORD> options =
        DialogTemplate(L"Options", 120, 60,
                       {{kEditClass, kEdit, L"", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 8, 8, 100, 14},
                        {kButton, IDOK, L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 8, 30, 50, 14},
                        {kButton, IDCANCEL, L"Cancel", WS_TABSTOP, 62, 30, 50, 14}});
    return DialogBoxIndirectParamW(nullptr, Template(options), owner, OptionsProc, 0);
}

INT_PTR CALLBACK TestDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            for (const wchar_t* entry : {L"Media Box", L"Crop Box", L"Trim Box"}) {
                SendDlgItemMessageW(dialog, kCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
            }
            SendDlgItemMessageW(dialog, kCombo, CB_SETCURSEL, 0, 0);
            SetTimer(dialog, 7, 100, nullptr);
            return TRUE;
        case WM_TIMER:
            ++g_log.timers;
            return TRUE;
        case WM_COMMAND:
            g_log.commands.push_back(std::to_string(LOWORD(wParam)) + ":" + std::to_string(HIWORD(wParam)));
            if (LOWORD(wParam) == kOptions && HIWORD(wParam) == BN_CLICKED) g_log.modalResult = RunOptions(dialog);
            if (LOWORD(wParam) == kAsk && HIWORD(wParam) == BN_CLICKED) {
                g_log.answer = MessageBoxW(dialog, L"Keep the changes?", L"Test", MB_YESNOCANCEL);
            }
            return TRUE;
        default:
            return FALSE;
    }
}

class HostScriptTest : public ProbeMenusTest {
protected:
    HostScriptTest() {
        g_log = DialogLog{};
        Start(Version(7));
    }
    ~HostScriptTest() override {
        if (IsWindow(dialog)) DestroyWindow(dialog);
    }

    // The test's modeless dialog, shown (and so active) over the host's main window.
    HWND ShowDialog() {
        const std::vector<DWORD> page =
            DialogTemplate(L"Test Dialog", 200, 120,
                           {{kEditClass, kEdit, L"540.00", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 8, 8, 60, 14},
                            {kComboBox, kCombo, L"", CBS_DROPDOWNLIST | WS_TABSTOP, 8, 28, 80, 60},
                            {kButton, kCheck, L"Centre", BS_AUTOCHECKBOX | WS_TABSTOP, 8, 48, 60, 12},
                            {kButton, kDisabled, L"Apply", WS_DISABLED | WS_TABSTOP, 8, 64, 50, 14},
                            {kButton, kOptions, L"Options...", WS_TABSTOP, 62, 64, 50, 14},
                            {kButton, kAsk, L"Ask", WS_TABSTOP, 116, 64, 50, 14},
                            {kButton, kRadio, L"Inches", BS_AUTORADIOBUTTON, 8, 84, 60, 12},
                            {kButton, IDCANCEL, L"Close", WS_TABSTOP, 116, 84, 50, 14}});
        dialog = CreateDialogIndirectParamW(nullptr, Template(page), host->Windows().MainWindow(), TestDialogProc, 0);
        EXPECT_NE(dialog, nullptr);
        ShowWindow(dialog, SW_SHOW);
        WinSub_Idle();
        return dialog;
    }

    // Runs the script on a fresh output; `out` then holds what the user saw, and a failed check shows it.
    testing::AssertionResult Run(const std::string& text, bool interactive = false) {
        out.str("");
        std::istringstream in(text);
        HostScript script(*host);
        return Shown(script.Run(in, interactive));
    }
    testing::AssertionResult Printed(const std::string& text) const {
        return Shown(out.str().find(text) != std::string::npos);
    }
    testing::AssertionResult Shown(bool result) const {
        return (result ? testing::AssertionSuccess() : testing::AssertionFailure());
    }
    bool Heard(int id, int code) const {
        const std::string wanted = std::to_string(id) + ":" + std::to_string(code);
        return std::find(g_log.commands.begin(), g_log.commands.end(), wanted) != g_log.commands.end();
    }

    HWND dialog = nullptr;
};

// ---- Menus, toolbars and alerts ----

// "menus" and "toolbars" print the bars as EditorSession.ToolsAppearWhereTheHostHasRoomForThem reads them.
TEST_F(HostScriptTest, ClicksWithTheModifiersHeld) {
    // A name that is not there is a mistake that ends the script.
    ASSERT_FALSE(
        Run("menu ORBA_TEST_Probe:ItemA shift command\nbutton ORBA:TEST_ToolButton ctrl\n"
            "button ORBA:TEST_NoSuchButton\nmenu Never\n"));
    // Shift (1) and Command (4) reached the item; Ctrl (8) makes the tool stay selected.
    EXPECT_EQ(Log(), "A.Enabled(1) A.Execute(5) Tool.Activate(1) ");
    EXPECT_EQ(out.str(),
              "[menu] Edit Page Geometry\n"
              "[button] Edit Page Geometry\n"
              "[button] no tool button \"ORBA:TEST_NoSuchButton\"\n"
              "[script] line 3: there is no such tool button (\"toolbars\" lists them)\n");
}

TEST_F(HostScriptTest, DisabledAndFailingClicksAreShownAndTheScriptGoesOn) {
    SetState(false, false);
    ASSERT_TRUE(Run("menu ORBA_TEST_Probe:ItemA\necho next\n"));
    EXPECT_TRUE(Printed("(disabled: nothing happens)\nnext\n"));
    SetState(true, false, true);
    ASSERT_TRUE(Run("button ORBA:TEST_PlainButton\n"));
    EXPECT_TRUE(Printed("[error] "));
}

TEST_F(HostScriptTest, AnswersAlertsInTheOrderTheyCome) {
    ShowDialog();
    ASSERT_TRUE(Run("answer 2\npress #106\nbutton ORBA:TEST_PlainButton\n"));
    EXPECT_EQ(g_log.answer, IDNO);
    EXPECT_TRUE(Printed("[press] #106 \"Ask\"\n[message box] Test: Keep the changes?\n        [Yes] [No]* [Cancel]"));
    // The answer was used up: the plug-in's alert gets the default.
    EXPECT_TRUE(Printed("[alert] ToolButton: ORBA:TEST_PlainButton Execute callback invoked\n        [OK]*"));
}

// ---- A dialog's controls ----

TEST_F(HostScriptTest, TypesChoosesChecksAndPressesInTheActiveDialog) {
    ShowDialog();
    ASSERT_TRUE(
        Run("type #101 \"12.5 pt\"\nchoose #102 \"crop box\"\ncheck #103\ncheck #103\npress #104\ncheck #107\n"
            "window #101\n"));
    EXPECT_EQ(FieldText(dialog, kEdit), L"12.5 pt");
    EXPECT_TRUE(Heard(kEdit, EN_CHANGE));
    // A chosen entry is selected and told, as EditDialogs.ShowTheTrimBoxAsOffsetsOrCoordinatesInEveryUnit shows.
    EXPECT_EQ(IsDlgButtonChecked(dialog, kCheck), static_cast<UINT>(BST_CHECKED));
    EXPECT_FALSE(Heard(kDisabled, BN_CLICKED));
    EXPECT_EQ(IsDlgButtonChecked(dialog, kRadio), static_cast<UINT>(BST_CHECKED));
    EXPECT_TRUE(
        Printed("[type] #101 \"12.5 pt\"\n"
                "[choose] #102 \"Crop Box\"\n"
                "[check] #103 \"Centre\"\n"
                "[check] #103 \"Centre\" (already checked)\n"
                "[press] #104 \"Apply\" (disabled: nothing happens)\n"
                "[check] #107 \"Inches\"\n"
                "edit #101 \"12.5 pt\""));
    EXPECT_FALSE(Run("uncheck #107\n"));
    EXPECT_EQ(out.str(), "[script] line 1: #107 is a radio button: it is unchecked by checking another one\n");

    // By place in the list, named by the dialog's title from outside it.
    ASSERT_TRUE(Run("choose #102 3 in \"Test Dialog\"\nuncheck #103\nwindow \"Test Dialog\"\n"));
    EXPECT_EQ(SendDlgItemMessageW(dialog, kCombo, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(IsDlgButtonChecked(dialog, kCheck), static_cast<UINT>(BST_UNCHECKED));
    EXPECT_TRUE(Printed("dialog \"Test Dialog\""));
    EXPECT_TRUE(Printed("*\"Trim Box\""));
    EXPECT_TRUE(Printed("check box #103 \"Centre\""));
    EXPECT_FALSE(Printed("window GeomHostMainWindow"));
}

TEST_F(HostScriptTest, KeysTimeAndTheCloseBoxReachTheDialog) {
    ShowDialog();
    ASSERT_TRUE(Run("idle 99\necho timers\nidle 1\nkey tab\nkey escape\n"));
    EXPECT_EQ(g_log.timers, 1);
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, kCombo));
    EXPECT_TRUE(Heard(IDCANCEL, BN_CLICKED));
    g_log.commands.clear();
    ASSERT_TRUE(Run("close-window \"Test Dialog\"\nwindows\n"));
    EXPECT_TRUE(Printed("[close] \"Test Dialog\"\n"));
    EXPECT_TRUE(Heard(IDCANCEL, BN_CLICKED));  // the dialog's close box means Cancel
    EXPECT_TRUE(Printed("window GeomHostMainWindow \"geomhost\""));
}

// ---- Modal dialogs ----

TEST_F(HostScriptTest, ModalDialogTakesTheNextCommandsUntilItEnds) {
    ShowDialog();
    ASSERT_TRUE(Run(
        "press #105\nwindows\ntype #101 abc\npress #105 in \"Test Dialog\"\npress #1\necho back\ntype #101 outside\n"));
    EXPECT_EQ(g_log.modalResult, IDOK);
    EXPECT_EQ(g_log.modalText, L"abc");
    // The Options dialog was the active one while it ran; its owner could not be used meanwhile.
    EXPECT_TRUE(Printed("dialog \"Options\""));
    EXPECT_TRUE(Printed("[press] #105 \"Options...\" (disabled: nothing happens)\n[press] #1 \"OK\"\nback\n"));
    EXPECT_EQ(FieldText(dialog, kEdit), L"outside");
}

TEST_F(HostScriptTest, ModalDialogLeftOpenAtTheEndIsCancelledAndNothingHangs) {
    ShowDialog();
    ASSERT_TRUE(Run("press #105\ntype #101 abc\n"));
    EXPECT_EQ(g_log.modalResult, IDCANCEL);
    EXPECT_TRUE(IsWindow(dialog));
    EXPECT_EQ(WinSub_GetWindows(nullptr, nullptr, 0), 2);  // the Options dialog is gone

    // An error inside the modal loop ends the script there too.
    EXPECT_FALSE(Run("press #105\npress #999\necho never\n"));
    EXPECT_EQ(g_log.modalResult, IDCANCEL);
    EXPECT_TRUE(Printed("[script] line 2: no control #999 in \"Options\"\n"));
    EXPECT_FALSE(Printed("never"));
}

// ---- Documents ----

// Opening and saving print what GeomhostProgram.RunsAScriptAgainstTheDocumentItOpened reads.
TEST_F(HostScriptTest, ClosesTheFrontDocumentAndSaysWhenOneDoesNotOpen) {
    TestFolder folder;
    WritePdf(folder.Path("a.pdf"), InheritedBoxesPdf());
    ASSERT_TRUE(Run("open \"" + folder.Path("a.pdf") + "\"\nclose\n"));
    EXPECT_TRUE(Printed("[document] opened \"a.pdf\" (3 pages)\n[view] a.pdf\n[document] closed \"a.pdf\"\n"));
    EXPECT_TRUE(host->Documents().OpenDocuments().empty());
    EXPECT_FALSE(Run("open \"" + folder.Path("missing.pdf") + "\"\n"));
    EXPECT_TRUE(Printed("[document] cannot open"));
    EXPECT_TRUE(Printed("[script] line 1: the document did not open\n"));
}

// The one reading of boxes and rotation that the host's entries and page views use too: malformed values are
// passed over for the inherited ones, a tree without a MediaBox is US Letter, numbers print exactly, and
// the rectangle a reader uses is shown where it differs from what is stored.
TEST_F(HostScriptTest, BoxesShowTheStoredValuesAndWhatAReaderUses) {
    TestFolder folder;
    WritePdf(folder.Path("boxes.pdf"),
             {"<< /Type /Catalog /Pages 2 0 R >>",
              "<< /Type /Pages /Kids [3 0 R 4 0 R 5 0 R] /Count 3 /MediaBox [0 0 612 792] /CropBox [9 9 603 783]"
              " /Rotate 90 >>",
              "<< /Type /Page /Parent 2 0 R /CropBox [0 0 612] /TrimBox [612.0000000001 0.000001 -5 780]"
              " /Rotate -90.0 >>",
              "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 /W 792] /ArtBox [700 0 800 5] /Rotate /Ninety >>",
              "<< /Type /Page /Parent 6 0 R /Rotate 45 >>", "<< /Type /Pages /Kids [5 0 R] /Count 1 >>"});
    ASSERT_TRUE(Run("open \"" + folder.Path("boxes.pdf") + "\"\nboxes\n"));
    EXPECT_TRUE(
        Printed("page 1 (rotated 270; Rotate -90.0 read as 270)\n"
                "  MediaBox   0 0 612 792 (inherited)\n"
                "  CropBox    9 9 603 783 (inherited; malformed [ 0 0 612 ])\n"
                "  BleedBox   9 9 603 783 (default: CropBox)\n"
                "  TrimBox    612.0000000001 0.000001 -5 780, a reader uses 0 0.000001 612 780\n"
                "  ArtBox     9 9 603 783 (default: CropBox)\n"
                "page 2 (rotated 90; Rotate /Ninety is not a multiple of 90 degrees: passed over)\n"
                "  MediaBox   0 0 612 792 (inherited; malformed [ 0 0 /W 792 ])\n"));
    EXPECT_TRUE(Printed("  ArtBox     700 0 800 5, a reader sees nothing of it: it lies off the MediaBox\n"));
    EXPECT_TRUE(
        Printed("page 3 (rotated 0; Rotate 45 is not a multiple of 90 degrees: passed over)\n"
                "  MediaBox   0 0 612 792 (default: US Letter)\n"));
}

// ---- Mistakes in a script ----

struct Mistake {
    const char* line;
    const char* message;
};

// A byte order mark before the first command is skipped; control bytes in a message are shown, not sent.
TEST_F(HostScriptTest, AByteOrderMarkIsSkippedAndControlBytesAreShownEscaped) {
    EXPECT_FALSE(Run("\xEF\xBB\xBF" + std::string("echo hi\nfrob\x1B[2J\n")));
    EXPECT_EQ(out.str(), "hi\n[script] line 2: unknown command \"frob\\x1B[2J\" (\"help\" lists the commands)\n");
}

TEST_F(HostScriptTest, AMistakeIsReportedWithItsLineAndStopsTheScript) {
    ShowDialog();
    g_log.commands.clear();
    const Mistake mistakes[] = {
        {"frobnicate", "unknown command \"frobnicate\" (\"help\" lists the commands)"},
        {"type #101", "usage: type #ID TEXT [in TITLE]"},
        {"menus now", "usage: menus"},
        {"press #999", "no control #999 in \"Test Dialog\""},
        {"press OK", "a control is written #ID, as the window dump shows it, not \"OK\""},
        {"press #101 in Nowhere", "no window \"Nowhere\" on the screen"},
        {"type #102 x", "#102 is not an edit field"},
        {"choose #101 x", "#101 is not a combo box or list box"},
        {"choose #102 \"Bleed Box\"", "#102 has no entry \"Bleed Box\" (\"Media Box\", \"Crop Box\", \"Trim Box\")"},
        {"choose #102 4", "#102 has 3 entries, not 4"},
        {"check #101", "#101 is not a check box or radio button"},
        {"key hyper", "unknown key \"hyper\""},
        {"key enter command", "unknown modifier \"command\" (shift, ctrl, alt)"},
        {"menu X super", "unknown modifier \"super\""},
        {"answer 0", "alert buttons count from 1"},
        {"answer two", "an answer must be a number up to 3, not \"two\""},
        {"idle -5", "a time must be a number"},
        {"save", "no document is open"},
        {"echo \"open", "the quote opened at column 6 is not closed"},
    };
    for (const Mistake& mistake : mistakes) {
        EXPECT_FALSE(Run("# a comment\n\necho before # said\n" + std::string(mistake.line) + "\necho after\n"))
            << mistake.line;
        EXPECT_TRUE(Printed("before\n[script] line 4: " + std::string(mistake.message)));
        EXPECT_FALSE(Printed("after")) << mistake.line;
    }
    EXPECT_TRUE(g_log.commands.empty());  // nothing reached the dialog
}

TEST_F(HostScriptTest, InteractiveUseReportsAMistakeAndGoesOn) {
    ShowDialog();
    EXPECT_FALSE(Run("frobnicate\npress #105\nbogus\npress #2\necho after\nquit\necho never\n", true));
    EXPECT_TRUE(Printed("> [script] line 1: unknown command"));
    // The prompt names the modal dialog that waits for the user.
    EXPECT_TRUE(Printed("[Options] > [script] line 3: unknown command \"bogus\""));
    EXPECT_EQ(g_log.modalResult, IDCANCEL);
    EXPECT_TRUE(Printed("> after\n> "));
    EXPECT_FALSE(Printed("never"));
}

}  // namespace
