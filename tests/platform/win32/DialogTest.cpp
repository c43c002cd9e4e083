// Dialogs from the test plug-in's templates: creation in pixels from dialog units, the user's typing, choices
// and clicks as the dialog procedure sees them, the dialog manager's keys, the modal loop, templates that are
// missing or broken, and the text picture of a dialog. Modal dialogs that nest and own their owners are the
// script tests' (tests/host).
#include <functional>

#include "TestPlugIn.h"
#include "WindowTestSupport.h"

namespace {

using windowtest::Log;
using windowtest::MessagesOf;
using windowtest::NotificationsFrom;
using windowtest::Received;
using windowtest::RectOf;
using windowtest::TextOf;

// What the dialog procedure does besides recording.
struct DialogScript {
    int endOnCommand = 0;  // EndDialog when this control's BN_CLICKED arrives
    INT_PTR endResult = 0;
    bool endInInit = false;
    INT_PTR initResult = TRUE;
    int childrenAtInit = -1;
};
DialogScript gScript;

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    Log().push_back(Received{dialog, message, wParam, lParam});
    if (message == WM_INITDIALOG) {
        gScript.childrenAtInit = WinSub_GetWindows(dialog, nullptr, 0);
        if (gScript.endInInit) {
            EndDialog(dialog, gScript.endResult);
        }
        return gScript.initResult;
    }
    if (message == WM_COMMAND && gScript.endOnCommand != 0 && LOWORD(wParam) == gScript.endOnCommand &&
        HIWORD(wParam) == BN_CLICKED) {
        EndDialog(dialog, gScript.endResult);
        return TRUE;
    }
    return FALSE;
}

// The dialog that the dialog procedure was called for first.
HWND FirstDialog() {
    for (const Received& received : Log())
        if (received.message == WM_INITDIALOG) return received.window;
    return nullptr;
}

bool RectIs(const RECT& rect, LONG x, LONG y, LONG width, LONG height) {
    return rect.left == x && rect.top == y && rect.right - rect.left == width && rect.bottom - rect.top == height;
}

// What a rectangle of 4 x 8 dialog units is in a dialog's pixels: its base units.
RECT Units(HWND dialog) {
    RECT units{0, 0, 4, 8};
    return MapDialogRect(dialog, &units) ? units : RECT{};
}

// The commands (control ids) that the dialog procedure got with notification `code`.
std::vector<WORD> Commands(HWND dialog, WORD code) {
    std::vector<WORD> ids;
    for (const Received& r : Log()) {
        if (r.window == dialog && r.message == WM_COMMAND && HIWORD(r.wParam) == code) ids.push_back(LOWORD(r.wParam));
    }
    return ids;
}

class Dialogs : public windowtest::Desktop {
protected:
    void SetUp() override {
        Desktop::SetUp();
        gScript = DialogScript{};
        module_ = LoadLibraryW(testplugin::PlugInPath().c_str());
        ASSERT_NE(module_, nullptr);
    }

    void TearDown() override {
        Desktop::TearDown();
        EXPECT_TRUE(FreeLibrary(module_));
    }

    HWND Create(int id = IDD_TEST, HWND parent = nullptr, DLGPROC proc = DialogProc, LPARAM param = 1234) {
        return CreateDialogParamW(module_, MAKEINTRESOURCEW(id), parent, proc, param);
    }
    INT_PTR Modal(HWND owner = nullptr, int id = IDD_TEST, DLGPROC proc = DialogProc, LPARAM param = 0) {
        return DialogBoxParamW(module_, MAKEINTRESOURCEW(id), owner, proc, param);
    }

    // The test dialog, shown and with its first paint done, and a clean log.
    HWND Shown() {
        const HWND dialog = Create();
        ShowWindow(dialog, SW_SHOW);
        WinSub_Idle();
        Log().clear();
        return dialog;
    }

    HMODULE module_ = nullptr;
};

// ---- Creation ----

TEST_F(Dialogs, TemplateBecomesAHiddenDialogWithItsControlsInPixels) {
    const HWND dialog = Create();
    ASSERT_NE(dialog, nullptr);
    wchar_t name[16];
    GetClassNameW(dialog, name, 16);
    EXPECT_STREQ(name, L"#32770");
    EXPECT_EQ(TextOf(dialog), L"Test Dialog");
    EXPECT_FALSE(IsWindowVisible(dialog));
    // Arial 8 gives base units of 6 x 13: x * 6 / 4 and y * 13 / 8, rounded.
    EXPECT_TRUE(RectIs(Units(dialog), 0, 0, 6, 13));
    // The client area is where the template says, 150 x 100 units; the frame and caption are around it.
    RECT client;
    GetClientRect(dialog, &client);
    EXPECT_TRUE(RectIs(client, 0, 0, 225, 163));
    EXPECT_TRUE(RectIs(RectOf(dialog), 12, 11, 231, 188));
    EXPECT_NE(GetWindowLongPtrW(dialog, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME, 0);
    const struct {
        int id;
        const wchar_t* className;
        RECT rect;  // x, y, width, height
    } controls[] = {
        {IDC_TEST_LABEL, L"Static", {8, 10, 45, 13}},    {IDC_TEST_EDIT, L"Edit", {60, 7, 90, 20}},
        {IDC_TEST_PICTURE, L"Static", {165, 7, 18, 18}}, {IDC_TEST_COMBO, L"ComboBox", {60, 33, 90, 21}},
        {IDC_TEST_LIST, L"ListBox", {8, 59, 143, 54}},   {IDOK, L"Button", {60, 133, 75, 23}},
        {IDCANCEL, L"Button", {143, 133, 75, 23}},
    };
    HWND expected = GetWindow(dialog, GW_CHILD);
    for (const auto& control : controls) {
        const HWND item = GetDlgItem(dialog, control.id);
        ASSERT_NE(item, nullptr) << control.id;
        EXPECT_EQ(item, expected) << "template order";
        expected = GetWindow(item, GW_HWNDNEXT);
        EXPECT_EQ(GetDlgCtrlID(item), control.id);
        GetClassNameW(item, name, 16);
        EXPECT_STREQ(name, control.className);
        EXPECT_TRUE(RectIs(RectOf(item), control.rect.left, control.rect.top, control.rect.right, control.rect.bottom))
            << control.id;
        EXPECT_NE(GetWindowLongPtrW(item, GWL_EXSTYLE) & WS_EX_NOPARENTNOTIFY, 0);
    }
    // The drop-down list is as high as its field; the template's height is its list's.
    RECT dropped;
    SendDlgItemMessageW(dialog, IDC_TEST_COMBO, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    EXPECT_EQ(dropped.bottom - dropped.top, 81);
    EXPECT_FAILS_WITH(GetDlgItem(dialog, 4711) == nullptr, ERROR_CONTROL_ID_NOT_FOUND);
    EXPECT_EQ(reinterpret_cast<DLGPROC>(GetWindowLongPtrW(dialog, DWLP_DLGPROC)), DialogProc);
}

TEST_F(Dialogs, DialogIsPlacedInItsOwnersClientAreaAndKeptOnTheScreen) {
    const HWND owner = TopLevel(WS_POPUP | WS_VISIBLE, 200, 100, 600, 500);
    const HWND dialog = Create(IDD_TEST, owner);
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), owner);
    EXPECT_EQ(GetParent(dialog), owner);
    EXPECT_TRUE(RectIs(RectOf(dialog), 212, 111, 231, 188));
    MoveWindow(owner, 1200, 900, 50, 50, TRUE);
    EXPECT_TRUE(RectIs(RectOf(Create(IDD_TEST, owner)), 1280 - 231, 1024 - 188, 231, 188));
}

TEST_F(Dialogs, ShowingActivatesTheDialogAndFocusesTheFirstControlWithItsTextSelected) {
    const HWND dialog = Create();
    const HWND edit = GetDlgItem(dialog, IDC_TEST_EDIT);
    SetWindowTextW(edit, L"abc");
    ShowWindow(dialog, SW_SHOW);
    EXPECT_EQ(GetActiveWindow(), dialog);
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(SendMessageW(edit, EM_GETSEL, 0, 0), MAKELRESULT(0, 3));
    EXPECT_EQ(NotificationsFrom(dialog, edit), (std::vector<WORD>{EN_UPDATE, EN_CHANGE, EN_SETFOCUS}));
    // Without TRUE from WM_INITDIALOG, the dialog manager still focuses the first tab stop on activation.
    gScript.initResult = FALSE;
    EXPECT_EQ(GetFocus(), GetDlgItem(Shown(), IDC_TEST_EDIT));
}

// ---- The user in a dialog ----

TEST_F(Dialogs, TypingSendsUpdateAndChangeToTheDialogProcedure) {
    const HWND dialog = Shown();
    const HWND edit = GetDlgItem(dialog, IDC_TEST_EDIT);
    EXPECT_TRUE(WinSub_TypeText(edit, L"12"));
    EXPECT_EQ(NotificationsFrom(dialog, edit), (std::vector<WORD>{EN_UPDATE, EN_CHANGE, EN_UPDATE, EN_CHANGE}));
    EXPECT_EQ(MessagesOf(dialog, {WM_COMMAND}).size(), 4u);  // and no others
    wchar_t text[16];
    EXPECT_EQ(GetDlgItemTextW(dialog, IDC_TEST_EDIT, text, 16), 2u);
    EXPECT_STREQ(text, L"12");
    EXPECT_TRUE(WinSub_ReplaceText(edit, L"7.5"));
    EXPECT_EQ(TextOf(edit), L"7.5");
    // Typing into a field without the focus clicks it first and appends.
    SetFocus(GetDlgItem(dialog, IDOK));
    EXPECT_TRUE(WinSub_TypeText(edit, L"0"));
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(TextOf(edit), L"7.50");
    EXPECT_TRUE(WinSub_ReplaceText(edit, L""));
    EXPECT_EQ(TextOf(edit), L"");
    EXPECT_FAILS_WITH(!WinSub_ReplaceText(GetDlgItem(dialog, IDOK), L"x"), ERROR_NOT_SUPPORTED);
}

TEST_F(Dialogs, ItemTextAndNumbers) {
    const HWND dialog = Create();
    EXPECT_TRUE(SetDlgItemInt(dialog, IDC_TEST_EDIT, static_cast<UINT>(-42), TRUE));
    EXPECT_EQ(TextOf(GetDlgItem(dialog, IDC_TEST_EDIT)), L"-42");
    EXPECT_TRUE(SetDlgItemInt(dialog, IDC_TEST_EDIT, 4000000000u, FALSE));
    EXPECT_EQ(TextOf(GetDlgItem(dialog, IDC_TEST_EDIT)), L"4000000000");
    const struct {
        const wchar_t* text;
        BOOL isSigned;
        BOOL translated;
        UINT value;
    } rows[] = {{L"-42", TRUE, TRUE, static_cast<UINT>(-42)},
                {L"-42", FALSE, FALSE, 0},  // a sign without isSigned
                {L"  17 ", TRUE, TRUE, 17},
                {L"12x", TRUE, FALSE, 0},
                {L"", TRUE, FALSE, 0},
                {L"-", TRUE, FALSE, 0},
                {L"4294967295", TRUE, FALSE, 0},
                {L"2147483647", TRUE, TRUE, 2147483647},
                {L"4000000000", FALSE, TRUE, 4000000000u}};
    BOOL translated = FALSE;
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "\"" << row.text << "\" signed " << row.isSigned);
        SetDlgItemTextW(dialog, IDC_TEST_EDIT, row.text);
        EXPECT_EQ(GetDlgItemInt(dialog, IDC_TEST_EDIT, &translated, row.isSigned), row.value);
        EXPECT_EQ(translated, row.translated);
    }
    EXPECT_EQ(GetDlgItemInt(dialog, IDC_TEST_EDIT + 100, &translated, TRUE), 0u);
    EXPECT_FALSE(translated);
    const char* const size = "Gr\xC3\xB6\xC3\x9F\x65";  // \x65 is the 'e'
    EXPECT_TRUE(SetDlgItemTextA(dialog, IDC_TEST_LABEL, size));
    char narrow[16];
    EXPECT_EQ(GetDlgItemTextA(dialog, IDC_TEST_LABEL, narrow, 16), 7u);
    EXPECT_STREQ(narrow, size);
    wchar_t wide[4] = {L'x', 0, 0, 0};
    EXPECT_EQ(GetDlgItemTextW(dialog, 4711, wide, 4), 0u);
    EXPECT_EQ(wide[0], L'\0');
    EXPECT_FALSE(SetDlgItemTextW(dialog, 4711, L"x"));
    EXPECT_EQ(SendDlgItemMessageW(dialog, 4711, WM_GETTEXTLENGTH, 0, 0), 0);
}

TEST_F(Dialogs, ComboChoiceSendsSelChangeOnlyWhenTheSelectionChanges) {
    const HWND dialog = Shown();
    const HWND combo = GetDlgItem(dialog, IDC_TEST_COMBO);
    windowtest::AddEntries(combo, CB_ADDSTRING, {L"Points", L"Inches", L"Millimeters"});
    EXPECT_EQ(SendMessageW(combo, CB_SETCURSEL, 0, 0), 0);
    EXPECT_TRUE(NotificationsFrom(dialog, combo).empty());  // a program's change is not announced
    EXPECT_TRUE(WinSub_ChooseEntry(combo, 1));
    EXPECT_EQ(NotificationsFrom(dialog, combo),
              (std::vector<WORD>{CBN_SETFOCUS, CBN_DROPDOWN, CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}));
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(TextOf(combo), L"Inches");
    EXPECT_EQ(GetFocus(), combo);
    Log().clear();
    EXPECT_TRUE(WinSub_ChooseEntry(combo, 1));
    EXPECT_EQ(NotificationsFrom(dialog, combo), (std::vector<WORD>{CBN_DROPDOWN, CBN_SELENDOK, CBN_CLOSEUP}));
    EXPECT_TRUE(WinSub_ChooseEntryText(combo, L"millimeters"));
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 2);
    EXPECT_FAILS_WITH(!WinSub_ChooseEntryText(combo, L"Feet"), ERROR_INVALID_PARAMETER);
    EXPECT_FAILS_WITH(!WinSub_ChooseEntry(combo, 3), ERROR_INVALID_PARAMETER);
    EXPECT_FAILS_WITH(!WinSub_ChooseEntry(GetDlgItem(dialog, IDC_TEST_EDIT), 0), ERROR_NOT_SUPPORTED);
}

TEST_F(Dialogs, ButtonClickSendsBnClickedAndUnreachableButtonsCannotBeClicked) {
    const HWND dialog = Shown();
    const HWND ok = GetDlgItem(dialog, IDOK);
    EXPECT_TRUE(WinSub_Click(ok));
    EXPECT_EQ(NotificationsFrom(dialog, ok), (std::vector<WORD>{BN_CLICKED}));
    EXPECT_EQ(Commands(dialog, BN_CLICKED), (std::vector<WORD>{IDOK}));
    EXPECT_EQ(GetFocus(), ok);  // a push button takes the focus when clicked
    Log().clear();
    EnableWindow(ok, FALSE);
    EXPECT_FAILS_WITH(!WinSub_Click(ok), ERROR_ACCESS_DENIED);
    ShowWindow(dialog, SW_HIDE);
    EXPECT_FAILS_WITH(!WinSub_Click(GetDlgItem(dialog, IDCANCEL)), ERROR_ACCESS_DENIED);
    EXPECT_TRUE(Commands(dialog, BN_CLICKED).empty());
}

// ---- The dialog manager's keys ----

TEST_F(Dialogs, EnterPressesTheDefaultButtonAndEscapeCancels) {
    const HWND dialog = Shown();
    const HWND ok = GetDlgItem(dialog, IDOK);
    const HWND cancel = GetDlgItem(dialog, IDCANCEL);
    ASSERT_EQ(GetFocus(), GetDlgItem(dialog, IDC_TEST_EDIT));
    EXPECT_EQ(SendMessageW(dialog, DM_GETDEFID, 0, 0), MAKELRESULT(IDOK, DC_HASDEFID));
    // One after another on the same dialog: what is done first, the key, and the buttons it pressed.
    const struct {
        const char* name;
        std::function<void()> before;
        UINT key;
        std::vector<WORD> pressed;
    } steps[] = {
        {"Enter in a field presses the default button", [] {}, VK_RETURN, {IDOK}},
        {"Escape presses Cancel", [] {}, VK_ESCAPE, {IDCANCEL}},
        {"Enter presses another default button, which the styles show",
         [&] {
             SendMessageW(dialog, DM_SETDEFID, IDCANCEL, 0);
             EXPECT_EQ(GetWindowLongPtrW(ok, GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
             EXPECT_EQ(GetWindowLongPtrW(cancel, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
         },
         VK_RETURN,
         {IDCANCEL}},
        {"Enter does nothing when the default button is disabled", [&] { EnableWindow(cancel, FALSE); }, VK_RETURN, {}},
        {"Escape does nothing when Cancel is disabled", [] {}, VK_ESCAPE, {}},
        {"Enter on a focused push button presses that one", [&] { SetFocus(ok); }, VK_RETURN, {IDOK}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        step.before();
        Log().clear();
        EXPECT_TRUE(WinSub_PressKey(step.key, 0));
        EXPECT_EQ(Commands(dialog, BN_CLICKED), step.pressed);
        for (WORD id : step.pressed) {
            EXPECT_EQ(NotificationsFrom(dialog, GetDlgItem(dialog, id)), (std::vector<WORD>{BN_CLICKED}));
        }
    }
    EXPECT_EQ(TextOf(GetDlgItem(dialog, IDC_TEST_EDIT)), L"");  // the keys typed nothing
}

TEST_F(Dialogs, TabMovesTheFocusThroughTheTabStopsAndSelectsAFieldsText) {
    const HWND dialog = Shown();
    const HWND edit = GetDlgItem(dialog, IDC_TEST_EDIT);
    SetWindowTextW(edit, L"xyz");
    const std::vector<int> order{IDC_TEST_COMBO, IDC_TEST_LIST, IDOK, IDCANCEL, IDC_TEST_EDIT};
    for (int id : order) {
        EXPECT_TRUE(WinSub_PressKey(VK_TAB, 0));
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, id)) << id;
    }
    EXPECT_EQ(SendMessageW(edit, EM_GETSEL, 0, 0), MAKELRESULT(0, 3));
    EXPECT_TRUE(WinSub_PressKey(VK_TAB, WINSUB_SHIFT));
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDCANCEL));
    EXPECT_EQ(GetNextDlgTabItem(dialog, nullptr, TRUE), GetDlgItem(dialog, IDCANCEL));
    EXPECT_EQ(GetNextDlgTabItem(dialog, GetDlgItem(dialog, IDCANCEL), FALSE), edit);
    // WM_NEXTDLGCTL moves it as Tab does.
    SendMessageW(dialog, WM_NEXTDLGCTL, 0, FALSE);
    EXPECT_EQ(GetFocus(), edit);
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDC_TEST_LIST)), TRUE);
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_TEST_LIST));
}

// ---- Modal dialogs ----

TEST_F(Dialogs, ModalDialogWithoutAUserIsLeftWithEscapeOrCancelledWhenNoOneCanEndIt) {
    EXPECT_EQ(Modal(), IDCANCEL);  // the dialog procedure ignores the Escape
    EXPECT_EQ(Commands(FirstDialog(), BN_CLICKED), (std::vector<WORD>{IDCANCEL}));
    gScript.endOnCommand = IDCANCEL;
    gScript.endResult = 7;
    EXPECT_EQ(Modal(), 7);
    EXPECT_EQ(WinSub_GetWindows(nullptr, nullptr, 0), 0);
}

TEST_F(Dialogs, ModelessDialogIsOnlyHiddenByEndDialog) {
    const HWND dialog = Shown();
    EXPECT_TRUE(EndDialog(dialog, 3));
    EXPECT_TRUE(IsWindow(dialog));
    EXPECT_FALSE(IsWindowVisible(dialog));
    EXPECT_FAILS_WITH(!EndDialog(TopLevel(), 1), ERROR_WINDOW_NOT_DIALOG);
}

// ---- Templates that do not make a dialog ----

INT_PTR CALLBACK DestroyedInInit(HWND dialog, UINT message, WPARAM, LPARAM) {
    if (message == WM_INITDIALOG) {
        DestroyWindow(dialog);
        return TRUE;
    }
    return FALSE;
}

TEST_F(Dialogs, MissingBrokenAndUnknownTemplatesFail) {
    EXPECT_FAILS_WITH(Create(999) == nullptr, ERROR_RESOURCE_NAME_NOT_FOUND);
    EXPECT_FAILS_WITH(Modal(nullptr, 999) == -1, ERROR_RESOURCE_NAME_NOT_FOUND);
    EXPECT_FAILS_WITH(Create(IDD_BROKEN) == nullptr, ERROR_INVALID_DATA);
    // The test program itself has no resources.
    EXPECT_FAILS_WITH(CreateDialogParamW(nullptr, MAKEINTRESOURCEW(IDD_TEST), nullptr, DialogProc, 0) == nullptr,
                      ERROR_RESOURCE_DATA_NOT_FOUND);
    const HWND bad = reinterpret_cast<HWND>(0x77770);
    EXPECT_FAILS_WITH(Create(IDD_TEST, bad) == nullptr, ERROR_INVALID_WINDOW_HANDLE);
    EXPECT_FAILS_WITH(Modal(bad) == 0, ERROR_INVALID_WINDOW_HANDLE);
    EXPECT_EQ(WinSub_GetWindows(nullptr, nullptr, 0), 0);
    EXPECT_TRUE(Log().empty());  // no dialog procedure ran
    // A dialog destroyed by its own WM_INITDIALOG is not returned.
    EXPECT_EQ(Create(IDD_TEST, nullptr, DestroyedInInit), nullptr);
    EXPECT_EQ(Modal(nullptr, IDD_TEST, DestroyedInInit), -1);
    EXPECT_EQ(WinSub_GetWindows(nullptr, nullptr, 0), 0);
}

TEST_F(Dialogs, ControlOfAnUnknownClassFailsTheDialogUnlessNoFailCreate) {
    EXPECT_FAILS_WITH(Create(IDD_UNKNOWN_CLASS) == nullptr, ERROR_CANNOT_FIND_WND_CLASS);
    EXPECT_EQ(WinSub_GetWindows(nullptr, nullptr, 0), 0);
    const HWND dialog = Create(IDD_UNKNOWN_CLASS_NOFAIL);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(GetDlgItem(dialog, IDC_TEST_UNKNOWN), nullptr);
    EXPECT_NE(GetDlgItem(dialog, IDOK), nullptr);
    EXPECT_TRUE(RectIs(Units(dialog), 0, 0, 8, 16));  // no font: the system font's base units
}

// ---- The extended template ----

TEST_F(Dialogs, RadioButtonsFollowClicksAndButtonsAreCheckedById) {
    const HWND dialog = Create(IDD_TEST_EX);
    ShowWindow(dialog, SW_SHOW);
    EXPECT_TRUE(WinSub_Click(GetDlgItem(dialog, IDC_TEST_RADIO2)));
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_TEST_RADIO2), static_cast<UINT>(BST_CHECKED));
    WinSub_Click(GetDlgItem(dialog, IDC_TEST_RADIO1));
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_TEST_RADIO1), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_TEST_RADIO2), static_cast<UINT>(BST_UNCHECKED));
    EXPECT_TRUE(CheckRadioButton(dialog, IDC_TEST_RADIO1, IDC_TEST_RADIO2, IDC_TEST_RADIO2));
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_TEST_RADIO1), static_cast<UINT>(BST_UNCHECKED));
    EXPECT_TRUE(CheckDlgButton(dialog, IDC_TEST_CHECK, BST_CHECKED));
    WINSUB_WINDOWINFO info;
    WinSub_GetWindowInfo(GetDlgItem(dialog, IDC_TEST_CHECK), &info);
    EXPECT_EQ(info.check, BST_CHECKED);
    EXPECT_FALSE(CheckDlgButton(dialog, 4711, BST_CHECKED));
    EXPECT_EQ(IsDlgButtonChecked(dialog, 4711), 0u);
}

// ---- What the user sees ----

TEST_F(Dialogs, TreeDumpShowsWhatTheUserSees) {
    const HWND dialog = Create();
    windowtest::AddEntries(GetDlgItem(dialog, IDC_TEST_COMBO), CB_ADDSTRING, {L"Points", L"Inches"});
    SendDlgItemMessageW(dialog, IDC_TEST_COMBO, CB_SETCURSEL, 1, 0);
    windowtest::AddEntries(GetDlgItem(dialog, IDC_TEST_LIST), LB_ADDSTRING, {L"One", L"Two \"2\"", L"Three"});
    SendDlgItemMessageW(dialog, IDC_TEST_LIST, LB_SETCURSEL, 0, 0);
    SetDlgItemTextW(dialog, IDC_TEST_EDIT, L"12.5");
    const HBITMAP bitmap = LoadBitmapW(module_, MAKEINTRESOURCEW(IDB_BITS24));
    SendDlgItemMessageW(dialog, IDC_TEST_PICTURE, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
    EnableWindow(GetDlgItem(dialog, IDCANCEL), FALSE);
    EXPECT_EQ(windowtest::Dump(), L"");  // a hidden dialog is not seen
    EXPECT_EQ(windowtest::Dump(nullptr, WINSUB_DUMP_HIDDEN).substr(0, 44),
              L"dialog \"Test Dialog\" (12,11 231x188) hidden\n");
    ShowWindow(dialog, SW_SHOW);
    EXPECT_EQ(windowtest::Dump(),
              L"dialog \"Test Dialog\" (12,11 231x188) active\n"
              L"  static #1001 \"Name\" (8,10 45x13)\n"
              L"  edit #1002 \"12.5\" (60,7 90x20) focus\n"
              L"  picture #1003 (165,7 3x2) bitmap 3x2\n"
              L"  combo box #1004 (60,33 90x21) entries: \"Points\", *\"Inches\"\n"
              L"  list box #1005 (8,59 143x54) entries: *\"One\", \"Two \\\"2\\\"\", \"Three\"\n"
              L"  button #1 \"OK\" (60,133 75x23) default\n"
              L"  button #2 \"Cancel\" (143,133 75x23) disabled\n");
    // Cut to the buffer, the whole length still told.
    wchar_t small[7];
    EXPECT_EQ(WinSub_DumpWindows(dialog, 0, small, 7), static_cast<int>(windowtest::Dump().size()));
    EXPECT_STREQ(small, L"dialog");
    WINSUB_WINDOWINFO info;
    ASSERT_TRUE(WinSub_GetWindowInfo(GetDlgItem(dialog, IDC_TEST_COMBO), &info));
    EXPECT_EQ(info.entryCount, 2);
    EXPECT_EQ(info.selection, 1);
    EXPECT_TRUE(info.usable);
    EXPECT_STREQ(info.className, L"ComboBox");
    wchar_t shown[16];
    EXPECT_EQ(WinSub_GetShownText(GetDlgItem(dialog, IDC_TEST_COMBO), shown, 16), 6);
    EXPECT_STREQ(shown, L"Inches");
    EXPECT_EQ(WinSub_GetEntryText(GetDlgItem(dialog, IDC_TEST_LIST), 2, shown, 16), 5);
    EXPECT_STREQ(shown, L"Three");
    EXPECT_EQ(WinSub_GetEntryText(GetDlgItem(dialog, IDC_TEST_LIST), 3, shown, 16), -1);
    EXPECT_TRUE(WinSub_IsEntrySelected(GetDlgItem(dialog, IDC_TEST_LIST), 0));
    ASSERT_TRUE(WinSub_GetWindowInfo(dialog, &info));
    EXPECT_TRUE(info.isDialog);
    EXPECT_FALSE(info.isModal);
    EXPECT_TRUE(info.active);
    EXPECT_TRUE(RectIs(info.client, 15, 33, 225, 163));
    DestroyWindow(dialog);
    DeleteObject(bitmap);
}

}  // namespace
