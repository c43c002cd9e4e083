// The standard controls on their own, in a plain parent window: their messages, results and notifications.
#include "WindowTestSupport.h"

namespace {

using windowtest::AddEntries;
using windowtest::Log;
using windowtest::MessagesOf;
using windowtest::NotificationsFrom;
using windowtest::RectOf;
using windowtest::TextOf;

// Every test has a parent window for its controls.
class Controls : public windowtest::Desktop {
protected:
    void SetUp() override {
        Desktop::SetUp();
        parent = TopLevel();
    }

    HWND parent = nullptr;
};

LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageW(window, message, wParam, lParam);
}

LRESULT SendText(HWND window, UINT message, WPARAM wParam, const wchar_t* text) {
    return SendMessageW(window, message, wParam, reinterpret_cast<LPARAM>(text));
}

// Each character as WM_CHAR, as the keyboard sends it.
void Type(HWND window, const std::wstring& characters) {
    for (wchar_t c : characters) {
        Send(window, WM_CHAR, c);
    }
}

// The entries of a combo box (CB_GETLBTEXT) or list box (LB_GETTEXT), each followed by ";".
std::wstring Entries(HWND control, UINT getText, UINT getCount) {
    std::wstring entries;
    for (LRESULT i = 0; i < Send(control, getCount); ++i) {
        wchar_t text[64] = {};
        Send(control, getText, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        entries += std::wstring(text) + L";";
    }
    return entries;
}

LONG Height(HWND window) { return RectOf(window).bottom - RectOf(window).top; }
LONG Width(HWND window) { return RectOf(window).right - RectOf(window).left; }

// ---- Buttons ----

TEST_F(Controls, ButtonKindsKeepTheirOwnCheckStatesAndDialogCodes) {
    constexpr LRESULT kOn = BST_CHECKED, kOff = BST_UNCHECKED, kMid = BST_INDETERMINATE;
    const struct {
        const char* name;
        DWORD style;
        std::vector<LRESULT> afterClicks;  // BM_GETCHECK after each of three BM_CLICKs
        LRESULT indeterminate;             // BM_GETCHECK after BM_SETCHECK(BST_INDETERMINATE)
        bool checkable;
        LRESULT dialogCode;
    } rows[] = {
        {"automatic check box", BS_AUTOCHECKBOX, {kOn, kOff, kOn}, kOn, true, DLGC_BUTTON},
        {"automatic three-state", BS_AUTO3STATE, {kOn, kMid, kOff}, kMid, true, DLGC_BUTTON},
        // A check box that is not automatic leaves its state to the program.
        {"check box", BS_CHECKBOX, {kOff, kOff, kOff}, kOn, true, DLGC_BUTTON},
        {"push button", BS_PUSHBUTTON, {kOff, kOff, kOff}, kOff, false, DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const HWND button = Control(parent, L"Button", 1, row.style, 10, 10, 100, 20, L"Guides");
        Log().clear();
        std::vector<LRESULT> states;
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(Send(button, BM_CLICK), 0);
            states.push_back(Send(button, BM_GETCHECK));
        }
        EXPECT_EQ(states, row.afterClicks);
        EXPECT_EQ(NotificationsFrom(parent, button), (std::vector<WORD>{BN_CLICKED, BN_CLICKED, BN_CLICKED}));
        Send(button, BM_SETCHECK, BST_INDETERMINATE);
        EXPECT_EQ(Send(button, BM_GETCHECK), row.indeterminate);
        WINSUB_WINDOWINFO info;
        WinSub_GetWindowInfo(button, &info);
        EXPECT_EQ(info.check, row.checkable ? static_cast<int>(row.indeterminate) : -1);  // -1: no check state
        EXPECT_EQ(Send(button, WM_GETDLGCODE), row.dialogCode);
        DestroyWindow(button);
    }
}

TEST_F(Controls, ButtonStateAndImages) {
    const HWND button = Control(parent, L"Button", 1, BS_PUSHBUTTON);
    SetFocus(button);
    EXPECT_EQ(Send(button, BM_GETSTATE), BST_FOCUS);
    Send(button, BM_SETSTATE, TRUE);
    EXPECT_EQ(Send(button, BM_GETSTATE), BST_FOCUS | BST_PUSHED);
    const auto first = reinterpret_cast<HANDLE>(LoadIconW(nullptr, IDI_WARNING));
    const auto second = reinterpret_cast<HANDLE>(LoadIconW(nullptr, IDI_ERROR));
    EXPECT_EQ(Send(button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(first)), 0);
    EXPECT_EQ(Send(button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(second)),
              reinterpret_cast<LRESULT>(first));
    EXPECT_EQ(Send(button, BM_GETIMAGE, IMAGE_ICON), reinterpret_cast<LRESULT>(second));
    EXPECT_EQ(Send(button, BM_GETIMAGE, IMAGE_BITMAP), 0);
}

TEST_F(Controls, FocusIsAnnouncedByEditsAndByButtonsThatNotify) {
    const HWND button = Control(parent, L"Button", 1, BS_PUSHBUTTON | BS_NOTIFY);
    const HWND quiet = Control(parent, L"Button", 2, BS_PUSHBUTTON, 10, 40);
    const HWND edit = Control(parent, L"Edit", 3, 0, 10, 70);
    for (HWND control : {button, quiet, edit, parent, button}) {
        SetFocus(control);
    }
    EXPECT_EQ(NotificationsFrom(parent, button), (std::vector<WORD>{BN_SETFOCUS, BN_KILLFOCUS, BN_SETFOCUS}));
    EXPECT_TRUE(NotificationsFrom(parent, quiet).empty());  // without BS_NOTIFY
    EXPECT_EQ(NotificationsFrom(parent, edit), (std::vector<WORD>{EN_SETFOCUS, EN_KILLFOCUS}));
}

TEST_F(Controls, GroupBoxesAndStaticsLetClicksThroughUnlessTheyNotify) {
    const struct {
        const wchar_t* className;
        DWORD style;
        std::vector<WORD> notified;  // none: the parent gets the click
        LRESULT dialogCode;
    } rows[] = {{L"Button", BS_GROUPBOX, {}, DLGC_STATIC},
                {L"Static", SS_LEFT, {}, DLGC_STATIC},
                {L"Static", SS_LEFT | SS_NOTIFY, {STN_CLICKED}, DLGC_STATIC}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.className << " style " << row.style);
        const HWND control = Control(parent, row.className, 1, row.style, 10, 10, 100, 50, L"Label");
        EXPECT_EQ(TextOf(control), L"Label");
        WinSub_Idle();
        Log().clear();
        EXPECT_TRUE(WinSub_Click(control));
        EXPECT_EQ(NotificationsFrom(parent, control), row.notified);
        EXPECT_EQ(MessagesOf(parent, {WM_LBUTTONDOWN, WM_LBUTTONUP}),
                  row.notified.empty() ? (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP}) : std::vector<UINT>{});
        EXPECT_EQ(Send(control, WM_GETDLGCODE), row.dialogCode);
        DestroyWindow(control);
    }
}

// ---- Edit controls ----

TEST_F(Controls, TypingReplacesTheSelection) {
    const HWND edit = Control(parent, L"Edit", 1, WS_BORDER, 10, 10, 100, 20, L"hello");
    EXPECT_EQ(TextOf(edit), L"hello");
    EXPECT_FALSE(Send(edit, EM_GETMODIFY));
    Send(edit, EM_SETSEL, 1, 3);
    std::vector<DWORD> ends(2);  // EM_GETSEL also writes the selection's ends through its two pointers
    Send(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&ends[0]), reinterpret_cast<LPARAM>(&ends[1]));
    EXPECT_EQ(ends, (std::vector<DWORD>{1, 3}));
    Type(edit, L"X");
    EXPECT_EQ(TextOf(edit), L"hXlo");
    EXPECT_EQ(Send(edit, EM_GETSEL), MAKELRESULT(2, 2));
    EXPECT_TRUE(Send(edit, EM_GETMODIFY));
    EXPECT_EQ(NotificationsFrom(parent, edit), (std::vector<WORD>{EN_UPDATE, EN_CHANGE}));
    Type(edit, L"\b");
    EXPECT_EQ(TextOf(edit), L"hlo");
    Send(edit, WM_KEYDOWN, VK_DELETE);
    EXPECT_EQ(TextOf(edit), L"ho");
    Send(edit, WM_KEYDOWN, VK_END);
    SendText(edit, EM_REPLACESEL, TRUE, L"!!");
    EXPECT_EQ(TextOf(edit), L"ho!!");
    // A start past the end selects from the start; -1 for the end means the end of the text.
    Send(edit, EM_SETSEL, 1, static_cast<LPARAM>(-1));
    EXPECT_EQ(Send(edit, EM_GETSEL), MAKELRESULT(1, 4));
    Send(edit, EM_SETSEL, static_cast<WPARAM>(-1), 0);
    EXPECT_EQ(Send(edit, EM_GETSEL), MAKELRESULT(4, 4));
    // Control characters type nothing.
    Log().clear();
    Type(edit, L"\r\t");
    EXPECT_TRUE(NotificationsFrom(parent, edit).empty());
}

TEST_F(Controls, SetTextNotifiesAndClearsTheModifiedFlagButNotForMultilineEdits) {
    const HWND edit = Control(parent, L"Edit", 1, 0);
    const HWND multi = Control(parent, L"Edit", 2, ES_MULTILINE, 10, 40);
    Type(edit, L"a");
    Log().clear();
    EXPECT_TRUE(SetWindowTextW(edit, L"new"));
    EXPECT_EQ(NotificationsFrom(parent, edit), (std::vector<WORD>{EN_UPDATE, EN_CHANGE}));
    EXPECT_FALSE(Send(edit, EM_GETMODIFY));
    EXPECT_EQ(Send(edit, EM_GETSEL), MAKELRESULT(0, 0));
    SetWindowTextW(multi, L"a\r\nb");
    EXPECT_TRUE(NotificationsFrom(parent, multi).empty());
    EXPECT_EQ(Send(multi, EM_GETLINECOUNT), 2);
    EXPECT_EQ(Send(edit, EM_GETLINECOUNT), 1);
    EXPECT_EQ(Send(edit, EM_LINELENGTH), 3);
    EXPECT_EQ(Send(edit, WM_GETDLGCODE), DLGC_HASSETSEL | DLGC_WANTCHARS | DLGC_WANTARROWS);
}

TEST_F(Controls, LimitNumberCaseAndReadOnly) {
    const HWND edit = Control(parent, L"Edit", 1, 0);
    EXPECT_EQ(Send(edit, EM_GETLIMITTEXT), 32767);
    Send(edit, EM_LIMITTEXT, 3);
    EXPECT_EQ(Send(edit, EM_GETLIMITTEXT), 3);
    Type(edit, L"abcd");
    EXPECT_EQ(TextOf(edit), L"abc");
    EXPECT_EQ(NotificationsFrom(parent, edit).back(), EN_MAXTEXT);
    SetWindowTextW(edit, L"longer than the limit");  // a program's text is not cut
    EXPECT_EQ(TextOf(edit), L"longer than the limit");
    Send(edit, EM_LIMITTEXT, 0);
    EXPECT_EQ(Send(edit, EM_GETLIMITTEXT), 0x7FFFFFFE);
    const HWND number = Control(parent, L"Edit", 2, ES_NUMBER, 10, 40);
    Type(number, L"4x2");
    EXPECT_EQ(TextOf(number), L"42");
    const HWND upper = Control(parent, L"Edit", 3, ES_UPPERCASE, 10, 70);
    Type(upper, L"q");
    EXPECT_EQ(TextOf(upper), L"Q");
    const HWND readOnly = Control(parent, L"Edit", 4, ES_READONLY, 10, 100, 100, 20, L"fixed");
    Type(readOnly, L"z");
    Send(readOnly, WM_KEYDOWN, VK_DELETE);
    EXPECT_EQ(TextOf(readOnly), L"fixed");
    EXPECT_TRUE(Send(readOnly, EM_SETREADONLY, FALSE));
    Send(readOnly, WM_KEYDOWN, VK_END);
    Type(readOnly, L"z");
    EXPECT_EQ(TextOf(readOnly), L"fixedz");
}

// ---- Statics ----

TEST_F(Controls, IconStaticTakesTheIconsSize) {
    const HWND icon = Control(parent, L"Static", 1, SS_ICON, 10, 10, 5, 5);
    const HICON warning = LoadIconW(nullptr, IDI_WARNING);
    EXPECT_EQ(Send(icon, STM_SETICON, reinterpret_cast<WPARAM>(warning)), 0);
    EXPECT_EQ(Send(icon, STM_GETICON), reinterpret_cast<LRESULT>(warning));
    EXPECT_EQ(windowtest::Text(RectOf(icon)), "10,10,42,42");
    // A bitmap does not go into an icon control.
    EXPECT_EQ(Send(icon, STM_SETIMAGE, IMAGE_BITMAP, 1), 0);
    EXPECT_EQ(Send(icon, STM_GETIMAGE, IMAGE_ICON), reinterpret_cast<LRESULT>(warning));
    // A centred image keeps the control's own size.
    const HWND centred = Control(parent, L"Static", 2, SS_ICON | SS_CENTERIMAGE, 10, 60, 50, 40);
    Send(centred, STM_SETICON, reinterpret_cast<WPARAM>(warning));
    EXPECT_EQ(Width(centred), 50);
}

// ---- Entries of combo boxes and list boxes ----

// A combo box or list box and its messages for the entries they share.
struct EntryControl {
    const wchar_t* className;
    DWORD style;
    UINT add, insert, remove, reset, count, getText, textLength, find, findExact, select, getSelection, setSelection,
        setData, getData;
    LRESULT error;
};
const EntryControl kCombo{
    L"ComboBox",    CBS_DROPDOWNLIST, CB_ADDSTRING,  CB_INSERTSTRING,    CB_DELETESTRING, CB_RESETCONTENT, CB_GETCOUNT,
    CB_GETLBTEXT,   CB_GETLBTEXTLEN,  CB_FINDSTRING, CB_FINDSTRINGEXACT, CB_SELECTSTRING, CB_GETCURSEL,    CB_SETCURSEL,
    CB_SETITEMDATA, CB_GETITEMDATA,   CB_ERR};
const EntryControl kList{L"ListBox",         LBS_NOTIFY,      LB_ADDSTRING, LB_INSERTSTRING, LB_DELETESTRING,
                         LB_RESETCONTENT,    LB_GETCOUNT,     LB_GETTEXT,   LB_GETTEXTLEN,   LB_FINDSTRING,
                         LB_FINDSTRINGEXACT, LB_SELECTSTRING, LB_GETCURSEL, LB_SETCURSEL,    LB_SETITEMDATA,
                         LB_GETITEMDATA,     LB_ERR};

void PrintTo(const EntryControl& control, std::ostream* out) {
    *out << (control.add == CB_ADDSTRING ? "combo" : "list");
}

class EntryControls : public Controls, public testing::WithParamInterface<EntryControl> {};
INSTANTIATE_TEST_SUITE_P(ComboAndList, EntryControls, testing::Values(kCombo, kList));

TEST_P(EntryControls, TheirIndexesSelectionSearchesAndData) {
    const EntryControl& m = GetParam();
    const bool combo = m.add == CB_ADDSTRING;
    const HWND control = Control(parent, m.className, 1, m.style, 10, 10, 100, 100);
    EXPECT_EQ(SendText(control, m.add, 0, L"Points"), 0);
    EXPECT_EQ(SendText(control, m.add, 0, L"Inches"), 1);
    EXPECT_EQ(SendText(control, m.insert, 0, L"Picas"), 0);
    EXPECT_EQ(SendText(control, m.insert, static_cast<WPARAM>(-1), L"Millimeters"), 3);
    EXPECT_EQ(SendText(control, m.insert, 9, L"Feet"), m.error);
    EXPECT_EQ(Entries(control, m.getText, m.count), L"Picas;Points;Inches;Millimeters;");
    EXPECT_EQ(Send(control, m.textLength, 3), 11);
    EXPECT_EQ(Send(control, m.textLength, 4), m.error);
    EXPECT_EQ(Send(control, m.getText, 4, 0), m.error);
    EXPECT_EQ(Send(control, m.getSelection), m.error);
    EXPECT_EQ(Send(control, m.setSelection, 2), 2);
    EXPECT_EQ(TextOf(control), combo ? L"Inches" : L"");  // a list box has no text of its entries
    // Entries inserted before the selection move it along; deleting it clears it.
    SendText(control, m.insert, 0, L"Ciceros");
    EXPECT_EQ(Send(control, m.getSelection), 3);
    EXPECT_EQ(Send(control, m.remove, 0), 4);
    EXPECT_EQ(Send(control, m.getSelection), 2);
    EXPECT_EQ(Send(control, m.remove, 2), 3);
    EXPECT_EQ(Send(control, m.getSelection), m.error);
    EXPECT_EQ(TextOf(control), L"");
    EXPECT_EQ(Send(control, m.remove, 7), m.error);
    // Searches: a prefix or the whole text, without regard to case, after the start, wrapping around.
    EXPECT_EQ(SendText(control, m.find, static_cast<WPARAM>(-1), L"pi"), 0);
    EXPECT_EQ(SendText(control, m.find, 0, L"p"), 1);
    EXPECT_EQ(SendText(control, m.find, 1, L"p"), 0);
    EXPECT_EQ(SendText(control, m.findExact, static_cast<WPARAM>(-1), L"POINTS"), 1);
    EXPECT_EQ(SendText(control, m.findExact, static_cast<WPARAM>(-1), L"Point"), m.error);
    EXPECT_EQ(SendText(control, m.select, static_cast<WPARAM>(-1), L"mil"), 2);
    EXPECT_EQ(Send(control, m.getSelection), 2);
    EXPECT_EQ(SendText(control, m.select, static_cast<WPARAM>(-1), L"yards"), m.error);
    EXPECT_EQ(Send(control, m.getSelection), 2);  // a failed search leaves the selection
    // Setting no selection, or one out of range, answers the error and clears it.
    EXPECT_EQ(Send(control, m.setSelection, static_cast<WPARAM>(-1)), m.error);
    EXPECT_EQ(Send(control, m.getSelection), m.error);
    EXPECT_EQ(Send(control, m.setSelection, 9), m.error);
    EXPECT_EQ(Send(control, m.setData, 1, 0x1234), TRUE);
    EXPECT_EQ(Send(control, m.getData, 1), 0x1234);
    EXPECT_EQ(Send(control, m.getData, 5), m.error);
    EXPECT_TRUE(NotificationsFrom(parent, control).empty());  // nothing a program does is announced
    EXPECT_EQ(Send(control, m.reset), 0);
    EXPECT_EQ(Send(control, m.count), 0);
}

TEST_P(EntryControls, SortedOnesAddInOrderWithoutRegardToCaseButInsertWhereTheyAreTold) {
    const EntryControl& m = GetParam();
    const HWND control = Control(parent, m.className, 1, m.style | (m.add == CB_ADDSTRING ? CBS_SORT : LBS_SORT));
    AddEntries(control, m.add, {L"beta", L"Alpha", L"gamma", L"alpha"});
    EXPECT_EQ(Entries(control, m.getText, m.count), L"Alpha;alpha;beta;gamma;");
    EXPECT_EQ(SendText(control, m.insert, 1, L"Delta"), 1);
    EXPECT_EQ(Entries(control, m.getText, m.count), L"Alpha;Delta;alpha;beta;gamma;");
}

TEST_F(Controls, TextOfADropDownListSelectsTheEntryThatHasIt) {
    const HWND combo = Control(parent, L"ComboBox", 1, CBS_DROPDOWNLIST, 10, 10, 100, 100);
    AddEntries(combo, CB_ADDSTRING, {L"alpha", L"beta"});
    EXPECT_TRUE(SetWindowTextW(combo, L"BETA"));
    EXPECT_EQ(Send(combo, CB_GETCURSEL), 1);
    EXPECT_EQ(TextOf(combo), L"beta");
    EXPECT_EQ(GetWindowTextLengthW(combo), 4);
    EXPECT_EQ(SendText(combo, WM_SETTEXT, 0, L"delta"), CB_ERR);
}

TEST_F(Controls, OnlyAListBoxTellsWhichEntriesAreSelectedAndOnlyOneOfMultipleSelection) {
    const HWND list = Control(parent, L"ListBox", 1, LBS_NOTIFY, 10, 10, 100, 100);
    AddEntries(list, LB_ADDSTRING, {L"Art", L"Bleed", L"Crop", L"Media"});
    EXPECT_EQ(Send(list, LB_SETCURSEL, 3), 3);
    EXPECT_EQ(Send(list, LB_GETSEL, 3), 1);
    EXPECT_EQ(Send(list, LB_GETSEL, 2), 0);
    EXPECT_EQ(Send(list, LB_GETSEL, 9), LB_ERR);
    // Selection counts belong to multiple-selection lists.
    EXPECT_EQ(Send(list, LB_GETSELCOUNT), LB_ERR);
    EXPECT_EQ(Send(list, LB_SETSEL, TRUE, 0), LB_ERR);
}

TEST_F(Controls, DropDownHeightIsTheListsAndTheFieldKeepsItsOwn) {
    const HWND combo = Control(parent, L"ComboBox", 1, CBS_DROPDOWNLIST, 10, 10, 100, 150);
    // Outside a dialog the system font's 16 pixels make the entries 18 and the field 24 high.
    EXPECT_EQ(Height(combo), 24);
    EXPECT_EQ(Send(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1)), 18);
    EXPECT_EQ(Send(combo, CB_GETITEMHEIGHT, 0), 18);
    RECT dropped;
    Send(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    EXPECT_EQ(dropped.bottom - dropped.top, 150);
    MoveWindow(combo, 10, 10, 120, 200, TRUE);
    EXPECT_EQ(windowtest::Text(RectOf(combo)), "10,10,130,34");
    Send(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    EXPECT_EQ(dropped.bottom - dropped.top, 200);
    EXPECT_EQ(Height(Control(parent, L"ComboBox", 2, CBS_SIMPLE, 10, 50, 100, 150)), 150);
    Log().clear();
    EXPECT_TRUE(Send(combo, CB_SHOWDROPDOWN, TRUE));
    EXPECT_TRUE(Send(combo, CB_GETDROPPEDSTATE));
    Send(combo, CB_SHOWDROPDOWN, FALSE);
    EXPECT_FALSE(Send(combo, CB_GETDROPPEDSTATE));
    EXPECT_EQ(NotificationsFrom(parent, combo), (std::vector<WORD>{CBN_DROPDOWN, CBN_CLOSEUP}));
}

TEST_F(Controls, ComboBoxWithAnEditFieldAndTheKeyboard) {
    const HWND combo = Control(parent, L"ComboBox", 1, CBS_DROPDOWN, 10, 10, 100, 100);
    AddEntries(combo, CB_ADDSTRING, {L"One", L"Two"});
    Send(combo, CB_SETCURSEL, 1);
    EXPECT_EQ(TextOf(combo), L"Two");  // the selection fills the field
    EXPECT_TRUE(WinSub_TypeText(combo, L"s"));
    EXPECT_EQ(TextOf(combo), L"Twos");
    std::vector<WORD> codes = NotificationsFrom(parent, combo);
    EXPECT_EQ(std::vector<WORD>(codes.end() - 2, codes.end()), (std::vector<WORD>{CBN_EDITUPDATE, CBN_EDITCHANGE}));
    const HWND list = Control(parent, L"ComboBox", 2, CBS_DROPDOWNLIST, 10, 50, 100, 100);
    AddEntries(list, CB_ADDSTRING, {L"Points", L"Inches", L"Picas"});
    SetFocus(list);
    Log().clear();
    EXPECT_TRUE(WinSub_PressKey(VK_DOWN, 0));
    EXPECT_EQ(Send(list, CB_GETCURSEL), 0);
    EXPECT_TRUE(WinSub_TypeText(list, L"p"));  // the next entry that starts with it
    EXPECT_EQ(Send(list, CB_GETCURSEL), 2);
    EXPECT_EQ(NotificationsFrom(parent, list), (std::vector<WORD>{CBN_SELCHANGE, CBN_SELCHANGE}));
}

// ---- List boxes ----

TEST_F(Controls, ListBoxHasWholeRowsAndItsChoiceScrollsAndNotifies) {
    // 16-pixel rows outside a dialog: 58 pixels leave room for three rows.
    const HWND list = Control(parent, L"ListBox", 1, LBS_NOTIFY, 10, 10, 100, 58);
    EXPECT_EQ(Height(list), 48);
    for (int i = 0; i < 10; ++i) {
        const std::wstring text = L"Entry " + std::to_wstring(i);
        SendText(list, LB_ADDSTRING, 0, text.c_str());
    }
    EXPECT_TRUE(WinSub_ChooseEntry(list, 7));
    EXPECT_EQ(Send(list, LB_GETCURSEL), 7);
    EXPECT_EQ(Send(list, LB_GETTOPINDEX), 7);
    RECT item;
    EXPECT_EQ(Send(list, LB_GETITEMRECT, 8, reinterpret_cast<LPARAM>(&item)), LB_OKAY);
    EXPECT_EQ(item.top, 16);
    EXPECT_EQ(NotificationsFrom(parent, list), (std::vector<WORD>{LBN_SETFOCUS, LBN_SELCHANGE}));
    Log().clear();
    EXPECT_TRUE(WinSub_ChooseEntry(list, 7));
    EXPECT_TRUE(NotificationsFrom(parent, list).empty());  // the same entry: nothing changed
    EXPECT_TRUE(WinSub_ChooseEntryText(list, L"entry 8"));
    EXPECT_TRUE(WinSub_PressKey(VK_UP, 0));
    EXPECT_EQ(Send(list, LB_GETCURSEL), 7);
    EXPECT_EQ(NotificationsFrom(parent, list), (std::vector<WORD>{LBN_SELCHANGE, LBN_SELCHANGE}));
    // Without LBS_NOTIFY, only the focus notifications.
    const HWND quiet = Control(parent, L"ListBox", 2, LBS_NOINTEGRALHEIGHT, 150, 10, 100, 58);
    EXPECT_EQ(Height(quiet), 58);
    SendText(quiet, LB_ADDSTRING, 0, L"Only");
    EXPECT_TRUE(WinSub_ChooseEntry(quiet, 0));
    EXPECT_EQ(Send(quiet, LB_GETCURSEL), 0);
    EXPECT_EQ(NotificationsFrom(parent, quiet), (std::vector<WORD>{LBN_SETFOCUS}));
}

TEST_F(Controls, MultipleSelectionListTogglesEntries) {
    const HWND list = Control(parent, L"ListBox", 1, LBS_NOTIFY | LBS_MULTIPLESEL, 10, 10, 100, 100);
    AddEntries(list, LB_ADDSTRING, {L"Page 1", L"Page 2", L"Page 3"});
    EXPECT_TRUE(WinSub_ChooseEntry(list, 0));
    EXPECT_TRUE(WinSub_ChooseEntry(list, 2));
    EXPECT_EQ(Send(list, LB_GETSELCOUNT), 2);
    std::vector<int> items(4, -1);
    EXPECT_EQ(Send(list, LB_GETSELITEMS, 4, reinterpret_cast<LPARAM>(items.data())), 2);
    EXPECT_EQ(items, (std::vector<int>{0, 2, -1, -1}));
    EXPECT_TRUE(WinSub_ChooseEntry(list, 0));  // again: off
    EXPECT_EQ(Send(list, LB_GETSEL, 0), 0);
    EXPECT_EQ(Send(list, LB_SETCURSEL, 1), LB_ERR);
    EXPECT_EQ(Send(list, LB_SETSEL, TRUE, static_cast<LPARAM>(-1)), LB_OKAY);
    EXPECT_EQ(Send(list, LB_GETSELCOUNT), 3);
    EXPECT_EQ(NotificationsFrom(parent, list),
              (std::vector<WORD>{LBN_SETFOCUS, LBN_SELCHANGE, LBN_SELCHANGE, LBN_SELCHANGE}));
    EXPECT_TRUE(WinSub_IsEntrySelected(list, 1));
    const std::wstring dump = windowtest::Dump(list);
    EXPECT_NE(dump.find(L"entries: *\"Page 1\", *\"Page 2\", *\"Page 3\""), std::wstring::npos) << dump;
}

}  // namespace
