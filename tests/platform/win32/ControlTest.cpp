// The standard controls on their own, in a plain parent window: their messages, results and notifications.
#include "WindowTestSupport.h"

namespace {

using windowtest::Log;
using windowtest::MessagesOf;
using windowtest::NotificationsFrom;
using windowtest::Received;
using windowtest::RectOf;
using windowtest::TextOf;

using Controls = windowtest::Desktop;

LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageW(window, message, wParam, lParam);
}

LRESULT SendText(HWND window, UINT message, WPARAM wParam, const wchar_t* text) {
    return SendMessageW(window, message, wParam, reinterpret_cast<LPARAM>(text));
}

std::wstring ComboEntry(HWND combo, int index) {
    wchar_t text[64] = {};
    Send(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
}

std::wstring ListEntry(HWND list, int index) {
    wchar_t text[64] = {};
    Send(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
}

// ---- Buttons ----

TEST_F(Controls, CheckBoxesChangeTheirStateOnClicksAndPushButtonsHaveNone) {
    const HWND parent = TopLevel();
    const HWND check = Control(parent, L"Button", 1, BS_AUTOCHECKBOX, 10, 10, 100, 20, L"Guides");
    const HWND tri = Control(parent, L"Button", 2, BS_AUTO3STATE, 10, 40);
    const HWND plain = Control(parent, L"Button", 3, BS_CHECKBOX, 10, 70);
    const HWND push = Control(parent, L"Button", 4, BS_PUSHBUTTON, 10, 100);
    EXPECT_EQ(Send(check, BM_GETCHECK), BST_UNCHECKED);
    EXPECT_EQ(Send(check, BM_CLICK), 0);
    EXPECT_EQ(Send(check, BM_GETCHECK), BST_CHECKED);
    EXPECT_EQ(NotificationsFrom(parent, check), (std::vector<WORD>{BN_CLICKED}));
    // Only the three-state kinds keep the third state.
    Send(check, BM_SETCHECK, BST_INDETERMINATE);
    EXPECT_EQ(Send(check, BM_GETCHECK), BST_CHECKED);
    Send(check, BM_CLICK);
    EXPECT_EQ(Send(check, BM_GETCHECK), BST_UNCHECKED);
    std::vector<LRESULT> states;
    for (int i = 0; i < 3; ++i) {
        Send(tri, BM_CLICK);
        states.push_back(Send(tri, BM_GETCHECK));
    }
    EXPECT_EQ(states, (std::vector<LRESULT>{BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED}));
    // A check box that is not automatic leaves its state to the program.
    Send(plain, BM_CLICK);
    EXPECT_EQ(Send(plain, BM_GETCHECK), BST_UNCHECKED);
    EXPECT_EQ(NotificationsFrom(parent, plain), (std::vector<WORD>{BN_CLICKED}));
    Send(push, BM_SETCHECK, BST_CHECKED);
    EXPECT_EQ(Send(push, BM_GETCHECK), BST_UNCHECKED);
    WINSUB_WINDOWINFO info;
    WinSub_GetWindowInfo(push, &info);
    EXPECT_EQ(info.check, -1);
    WinSub_GetWindowInfo(tri, &info);
    EXPECT_EQ(info.check, BST_UNCHECKED);
    EXPECT_EQ(Send(push, WM_GETDLGCODE), DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON);
}

TEST_F(Controls, ButtonStateImagesAndFocusNotifications) {
    const HWND parent = TopLevel();
    const HWND button = Control(parent, L"Button", 1, BS_PUSHBUTTON | BS_NOTIFY);
    const HWND quiet = Control(parent, L"Button", 2, BS_PUSHBUTTON, 10, 40);
    SetFocus(button);
    EXPECT_EQ(Send(button, BM_GETSTATE), BST_FOCUS);
    Send(button, BM_SETSTATE, TRUE);
    EXPECT_EQ(Send(button, BM_GETSTATE), BST_FOCUS | BST_PUSHED);
    SetFocus(quiet);
    SetFocus(button);
    EXPECT_EQ(NotificationsFrom(parent, button), (std::vector<WORD>{BN_SETFOCUS, BN_KILLFOCUS, BN_SETFOCUS}));
    EXPECT_TRUE(NotificationsFrom(parent, quiet).empty());  // without BS_NOTIFY
    const auto first = reinterpret_cast<HANDLE>(LoadIconW(nullptr, IDI_WARNING));
    const auto second = reinterpret_cast<HANDLE>(LoadIconW(nullptr, IDI_ERROR));
    EXPECT_EQ(Send(button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(first)), 0);
    EXPECT_EQ(Send(button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(second)),
              reinterpret_cast<LRESULT>(first));
    EXPECT_EQ(Send(button, BM_GETIMAGE, IMAGE_ICON), reinterpret_cast<LRESULT>(second));
    EXPECT_EQ(Send(button, BM_GETIMAGE, IMAGE_BITMAP), 0);
}

TEST_F(Controls, GroupBoxLetsClicksThroughToItsParent) {
    const HWND parent = TopLevel();
    const HWND group = Control(parent, L"Button", 1, BS_GROUPBOX, 10, 10, 100, 50, L"Box");
    WinSub_Idle();
    Log().clear();
    EXPECT_TRUE(WinSub_Click(group));
    EXPECT_EQ(MessagesOf(parent, {WM_LBUTTONDOWN, WM_LBUTTONUP}), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP}));
    EXPECT_TRUE(NotificationsFrom(parent, group).empty());
}

// ---- Edit controls ----

TEST_F(Controls, TypingReplacesTheSelection) {
    const HWND parent = TopLevel();
    const HWND edit = Control(parent, L"Edit", 1, WS_BORDER, 10, 10, 100, 20, L"hello");
    EXPECT_EQ(TextOf(edit), L"hello");
    EXPECT_FALSE(Send(edit, EM_GETMODIFY));
    Send(edit, EM_SETSEL, 1, 3);
    DWORD start = 0;
    DWORD end = 0;
    Send(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 1u);
    EXPECT_EQ(end, 3u);
    Send(edit, WM_CHAR, L'X');
    EXPECT_EQ(TextOf(edit), L"hXlo");
    EXPECT_EQ(Send(edit, EM_GETSEL), MAKELRESULT(2, 2));
    EXPECT_TRUE(Send(edit, EM_GETMODIFY));
    EXPECT_EQ(NotificationsFrom(parent, edit), (std::vector<WORD>{EN_UPDATE, EN_CHANGE}));
    Send(edit, WM_CHAR, L'\b');
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
    Send(edit, WM_CHAR, L'\r');
    Send(edit, WM_CHAR, L'\t');
    EXPECT_TRUE(NotificationsFrom(parent, edit).empty());
}

TEST_F(Controls, SetTextNotifiesAndClearsTheModifiedFlagButNotForMultilineEdits) {
    const HWND parent = TopLevel();
    const HWND edit = Control(parent, L"Edit", 1, 0);
    const HWND multi = Control(parent, L"Edit", 2, ES_MULTILINE, 10, 40);
    Send(edit, WM_CHAR, L'a');
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
}

TEST_F(Controls, LimitNumberCaseAndReadOnly) {
    const HWND parent = TopLevel();
    const HWND edit = Control(parent, L"Edit", 1, 0);
    EXPECT_EQ(Send(edit, EM_GETLIMITTEXT), 32767);
    Send(edit, EM_LIMITTEXT, 3);
    EXPECT_EQ(Send(edit, EM_GETLIMITTEXT), 3);
    for (wchar_t c : std::wstring(L"abcd")) {
        Send(edit, WM_CHAR, c);
    }
    EXPECT_EQ(TextOf(edit), L"abc");
    EXPECT_EQ(NotificationsFrom(parent, edit).back(), EN_MAXTEXT);
    SetWindowTextW(edit, L"longer than the limit");  // a program's text is not cut
    EXPECT_EQ(TextOf(edit), L"longer than the limit");
    Send(edit, EM_LIMITTEXT, 0);
    EXPECT_EQ(Send(edit, EM_GETLIMITTEXT), 0x7FFFFFFE);

    const HWND number = Control(parent, L"Edit", 2, ES_NUMBER, 10, 40);
    Send(number, WM_CHAR, L'4');
    Send(number, WM_CHAR, L'x');
    Send(number, WM_CHAR, L'2');
    EXPECT_EQ(TextOf(number), L"42");
    const HWND upper = Control(parent, L"Edit", 3, ES_UPPERCASE, 10, 70);
    Send(upper, WM_CHAR, L'q');
    EXPECT_EQ(TextOf(upper), L"Q");
    const HWND readOnly = Control(parent, L"Edit", 4, ES_READONLY, 10, 100, 100, 20, L"fixed");
    Send(readOnly, WM_CHAR, L'z');
    Send(readOnly, WM_KEYDOWN, VK_DELETE);
    EXPECT_EQ(TextOf(readOnly), L"fixed");
    EXPECT_TRUE(Send(readOnly, EM_SETREADONLY, FALSE));
    Send(readOnly, WM_KEYDOWN, VK_END);
    Send(readOnly, WM_CHAR, L'z');
    EXPECT_EQ(TextOf(readOnly), L"fixedz");
}

TEST_F(Controls, EditFocusNotifications) {
    const HWND parent = TopLevel();
    const HWND edit = Control(parent, L"Edit", 1, 0);
    SetFocus(edit);
    SetFocus(parent);
    EXPECT_EQ(NotificationsFrom(parent, edit), (std::vector<WORD>{EN_SETFOCUS, EN_KILLFOCUS}));
    EXPECT_EQ(Send(edit, WM_GETDLGCODE), DLGC_HASSETSEL | DLGC_WANTCHARS | DLGC_WANTARROWS);
}

// ---- Statics ----

TEST_F(Controls, StaticsLetClicksThroughUnlessTheyNotify) {
    const HWND parent = TopLevel();
    const HWND label = Control(parent, L"Static", 1, SS_LEFT, 10, 10, 100, 20, L"Label");
    const HWND link = Control(parent, L"Static", 2, SS_LEFT | SS_NOTIFY, 10, 40, 100, 20, L"Link");
    WinSub_Idle();
    Log().clear();
    EXPECT_TRUE(WinSub_Click(label));
    EXPECT_EQ(MessagesOf(parent, {WM_LBUTTONDOWN}).size(), 1u);
    EXPECT_TRUE(WinSub_Click(link));
    EXPECT_EQ(NotificationsFrom(parent, link), (std::vector<WORD>{STN_CLICKED}));
    EXPECT_EQ(MessagesOf(parent, {WM_LBUTTONDOWN}).size(), 1u);
    EXPECT_EQ(Send(label, WM_GETDLGCODE), DLGC_STATIC);
    EXPECT_EQ(TextOf(label), L"Label");
}

TEST_F(Controls, IconStaticTakesTheIconsSize) {
    const HWND parent = TopLevel();
    const HWND icon = Control(parent, L"Static", 1, SS_ICON, 10, 10, 5, 5);
    const HICON warning = LoadIconW(nullptr, IDI_WARNING);
    EXPECT_EQ(Send(icon, STM_SETICON, reinterpret_cast<WPARAM>(warning)), 0);
    EXPECT_EQ(Send(icon, STM_GETICON), reinterpret_cast<LRESULT>(warning));
    const RECT rect = RectOf(icon);
    EXPECT_EQ(rect.right - rect.left, 32);
    EXPECT_EQ(rect.bottom - rect.top, 32);
    // A bitmap does not go into an icon control.
    EXPECT_EQ(Send(icon, STM_SETIMAGE, IMAGE_BITMAP, 1), 0);
    EXPECT_EQ(Send(icon, STM_GETIMAGE, IMAGE_ICON), reinterpret_cast<LRESULT>(warning));
    // A centred image keeps the control's own size.
    const HWND centred = Control(parent, L"Static", 2, SS_ICON | SS_CENTERIMAGE, 10, 60, 50, 40);
    Send(centred, STM_SETICON, reinterpret_cast<WPARAM>(warning));
    EXPECT_EQ(RectOf(centred).right - RectOf(centred).left, 50);
}

// ---- Combo boxes ----

TEST_F(Controls, ComboBoxEntriesAndTheirIndexes) {
    const HWND parent = TopLevel();
    const HWND combo = Control(parent, L"ComboBox", 1, CBS_DROPDOWNLIST, 10, 10, 100, 100);
    EXPECT_EQ(SendText(combo, CB_ADDSTRING, 0, L"Points"), 0);
    EXPECT_EQ(SendText(combo, CB_ADDSTRING, 0, L"Inches"), 1);
    EXPECT_EQ(SendText(combo, CB_INSERTSTRING, 0, L"Picas"), 0);
    EXPECT_EQ(SendText(combo, CB_INSERTSTRING, static_cast<WPARAM>(-1), L"Millimeters"), 3);
    EXPECT_EQ(SendText(combo, CB_INSERTSTRING, 9, L"Feet"), CB_ERR);
    EXPECT_EQ(Send(combo, CB_GETCOUNT), 4);
    EXPECT_EQ(ComboEntry(combo, 1), L"Points");
    EXPECT_EQ(Send(combo, CB_GETLBTEXTLEN, 3), 11);
    EXPECT_EQ(Send(combo, CB_GETLBTEXTLEN, 4), CB_ERR);
    EXPECT_EQ(Send(combo, CB_GETLBTEXT, 4, 0), CB_ERR);
    EXPECT_EQ(Send(combo, CB_GETCURSEL), CB_ERR);
    EXPECT_EQ(Send(combo, CB_SETCURSEL, 2), 2);
    EXPECT_EQ(TextOf(combo), L"Inches");
    // Entries inserted before the selection move it along; deleting it clears it.
    SendText(combo, CB_INSERTSTRING, 0, L"Ciceros");
    EXPECT_EQ(Send(combo, CB_GETCURSEL), 3);
    EXPECT_EQ(Send(combo, CB_DELETESTRING, 0), 4);
    EXPECT_EQ(Send(combo, CB_GETCURSEL), 2);
    EXPECT_EQ(Send(combo, CB_DELETESTRING, 2), 3);
    EXPECT_EQ(Send(combo, CB_GETCURSEL), CB_ERR);
    EXPECT_EQ(TextOf(combo), L"");
    EXPECT_EQ(Send(combo, CB_DELETESTRING, 7), CB_ERR);
    // Searches: a prefix or the whole text, without regard to case, after the start, wrapping around.
    EXPECT_EQ(SendText(combo, CB_FINDSTRING, static_cast<WPARAM>(-1), L"pi"), 0);
    EXPECT_EQ(SendText(combo, CB_FINDSTRING, 0, L"p"), 1);
    EXPECT_EQ(SendText(combo, CB_FINDSTRING, 1, L"p"), 0);
    EXPECT_EQ(SendText(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), L"POINTS"), 1);
    EXPECT_EQ(SendText(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), L"Point"), CB_ERR);
    EXPECT_EQ(SendText(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1), L"mil"), 2);
    EXPECT_EQ(Send(combo, CB_GETCURSEL), 2);
    EXPECT_EQ(SendText(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1), L"yards"), CB_ERR);
    EXPECT_EQ(Send(combo, CB_GETCURSEL), 2);  // a failed search leaves the selection
    // Setting no selection, or one out of range, answers CB_ERR and clears it.
    EXPECT_EQ(Send(combo, CB_SETCURSEL, 9), CB_ERR);
    EXPECT_EQ(Send(combo, CB_GETCURSEL), CB_ERR);
    EXPECT_EQ(Send(combo, CB_SETITEMDATA, 1, 0x1234), TRUE);
    EXPECT_EQ(Send(combo, CB_GETITEMDATA, 1), 0x1234);
    EXPECT_EQ(Send(combo, CB_GETITEMDATA, 5), CB_ERR);
    EXPECT_EQ(Send(combo, CB_RESETCONTENT), CB_OKAY);
    EXPECT_EQ(Send(combo, CB_GETCOUNT), 0);
    EXPECT_TRUE(NotificationsFrom(parent, combo).empty());  // nothing a program does is announced
}

TEST_F(Controls, SortedComboBoxAndTextOfADropDownList) {
    const HWND parent = TopLevel();
    const HWND combo = Control(parent, L"ComboBox", 1, CBS_DROPDOWNLIST | CBS_SORT, 10, 10, 100, 100);
    for (const wchar_t* text : {L"beta", L"Alpha", L"gamma", L"alpha"}) {
        SendText(combo, CB_ADDSTRING, 0, text);
    }
    EXPECT_EQ(ComboEntry(combo, 0), L"Alpha");
    EXPECT_EQ(ComboEntry(combo, 1), L"alpha");
    EXPECT_EQ(ComboEntry(combo, 3), L"gamma");
    // Setting the text of a drop-down list selects the entry that has it.
    EXPECT_TRUE(SetWindowTextW(combo, L"BETA"));
    EXPECT_EQ(Send(combo, CB_GETCURSEL), 2);
    EXPECT_EQ(TextOf(combo), L"beta");
    EXPECT_EQ(GetWindowTextLengthW(combo), 4);
    EXPECT_EQ(SendText(combo, WM_SETTEXT, 0, L"delta"), CB_ERR);
}

TEST_F(Controls, DropDownHeightIsTheListsAndTheFieldKeepsItsOwn) {
    const HWND parent = TopLevel();
    const HWND combo = Control(parent, L"ComboBox", 1, CBS_DROPDOWNLIST, 10, 10, 100, 150);
    // Outside a dialog the system font's 16 pixels make the entries 18 and the field 24 high.
    EXPECT_EQ(RectOf(combo).bottom - RectOf(combo).top, 24);
    EXPECT_EQ(Send(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1)), 18);
    EXPECT_EQ(Send(combo, CB_GETITEMHEIGHT, 0), 18);
    RECT dropped;
    Send(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    EXPECT_EQ(dropped.bottom - dropped.top, 150);
    MoveWindow(combo, 10, 10, 120, 200, TRUE);
    EXPECT_EQ(RectOf(combo).bottom - RectOf(combo).top, 24);
    EXPECT_EQ(RectOf(combo).right - RectOf(combo).left, 120);
    Send(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    EXPECT_EQ(dropped.bottom - dropped.top, 200);
    const HWND simple = Control(parent, L"ComboBox", 2, CBS_SIMPLE, 10, 50, 100, 150);
    EXPECT_EQ(RectOf(simple).bottom - RectOf(simple).top, 150);
    Log().clear();
    EXPECT_TRUE(Send(combo, CB_SHOWDROPDOWN, TRUE));
    EXPECT_TRUE(Send(combo, CB_GETDROPPEDSTATE));
    Send(combo, CB_SHOWDROPDOWN, FALSE);
    EXPECT_FALSE(Send(combo, CB_GETDROPPEDSTATE));
    EXPECT_EQ(NotificationsFrom(parent, combo), (std::vector<WORD>{CBN_DROPDOWN, CBN_CLOSEUP}));
}

TEST_F(Controls, ComboBoxWithAnEditFieldAndTheKeyboard) {
    const HWND parent = TopLevel();
    const HWND combo = Control(parent, L"ComboBox", 1, CBS_DROPDOWN, 10, 10, 100, 100);
    SendText(combo, CB_ADDSTRING, 0, L"One");
    SendText(combo, CB_ADDSTRING, 0, L"Two");
    Send(combo, CB_SETCURSEL, 1);
    EXPECT_EQ(TextOf(combo), L"Two");  // the selection fills the field
    EXPECT_TRUE(WinSub_TypeText(combo, L"s"));
    EXPECT_EQ(TextOf(combo), L"Twos");
    std::vector<WORD> codes = NotificationsFrom(parent, combo);
    EXPECT_EQ(std::vector<WORD>(codes.end() - 2, codes.end()), (std::vector<WORD>{CBN_EDITUPDATE, CBN_EDITCHANGE}));
    const HWND list = Control(parent, L"ComboBox", 2, CBS_DROPDOWNLIST, 10, 50, 100, 100);
    for (const wchar_t* text : {L"Points", L"Inches", L"Picas"}) {
        SendText(list, CB_ADDSTRING, 0, text);
    }
    SetFocus(list);
    Log().clear();
    EXPECT_TRUE(WinSub_PressKey(VK_DOWN, 0));
    EXPECT_EQ(Send(list, CB_GETCURSEL), 0);
    EXPECT_TRUE(WinSub_TypeText(list, L"p"));  // the next entry that starts with it
    EXPECT_EQ(Send(list, CB_GETCURSEL), 2);
    EXPECT_EQ(NotificationsFrom(parent, list), (std::vector<WORD>{CBN_SELCHANGE, CBN_SELCHANGE}));
}

// ---- List boxes ----

TEST_F(Controls, ListBoxEntriesSelectionAndSorting) {
    const HWND parent = TopLevel();
    const HWND list = Control(parent, L"ListBox", 1, LBS_NOTIFY | LBS_SORT, 10, 10, 100, 100);
    for (const wchar_t* text : {L"Trim", L"crop", L"Media", L"Art"}) {
        SendText(list, LB_ADDSTRING, 0, text);
    }
    EXPECT_EQ(ListEntry(list, 0), L"Art");
    EXPECT_EQ(ListEntry(list, 1), L"crop");
    EXPECT_EQ(ListEntry(list, 3), L"Trim");
    EXPECT_EQ(SendText(list, LB_INSERTSTRING, 1, L"Bleed"), 1);  // inserting does not sort
    EXPECT_EQ(Send(list, LB_GETCOUNT), 5);
    EXPECT_EQ(Send(list, LB_GETTEXTLEN, 1), 5);
    EXPECT_EQ(Send(list, LB_GETTEXT, 9, 0), LB_ERR);
    EXPECT_EQ(Send(list, LB_GETCURSEL), LB_ERR);
    EXPECT_EQ(Send(list, LB_SETCURSEL, 3), 3);
    EXPECT_EQ(Send(list, LB_GETSEL, 3), 1);
    EXPECT_EQ(Send(list, LB_GETSEL, 2), 0);
    EXPECT_EQ(Send(list, LB_GETSEL, 9), LB_ERR);
    // -1 clears the selection and answers LB_ERR, as documented.
    EXPECT_EQ(Send(list, LB_SETCURSEL, static_cast<WPARAM>(-1)), LB_ERR);
    EXPECT_EQ(Send(list, LB_GETCURSEL), LB_ERR);
    EXPECT_EQ(SendText(list, LB_SELECTSTRING, static_cast<WPARAM>(-1), L"TR"), 4);
    EXPECT_EQ(Send(list, LB_GETCURSEL), 4);
    EXPECT_EQ(SendText(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), L"media"), 3);
    EXPECT_EQ(SendText(list, LB_FINDSTRING, static_cast<WPARAM>(-1), L"x"), LB_ERR);
    EXPECT_EQ(Send(list, LB_DELETESTRING, 0), 4);
    EXPECT_EQ(Send(list, LB_GETCURSEL), 3);
    EXPECT_EQ(Send(list, LB_SETITEMDATA, 0, 99), TRUE);
    EXPECT_EQ(Send(list, LB_GETITEMDATA, 0), 99);
    EXPECT_EQ(Send(list, LB_GETITEMDATA, 8), LB_ERR);
    // Selection counts belong to multiple-selection lists.
    EXPECT_EQ(Send(list, LB_GETSELCOUNT), LB_ERR);
    EXPECT_EQ(Send(list, LB_SETSEL, TRUE, 0), LB_ERR);
    EXPECT_TRUE(NotificationsFrom(parent, list).empty());
    EXPECT_EQ(Send(list, LB_RESETCONTENT), LB_OKAY);
    EXPECT_EQ(Send(list, LB_GETCOUNT), 0);
}

TEST_F(Controls, ListBoxHasWholeRowsAndItsChoiceScrollsAndNotifies) {
    const HWND parent = TopLevel();
    // 16-pixel rows outside a dialog: 58 pixels leave room for three rows.
    const HWND list = Control(parent, L"ListBox", 1, LBS_NOTIFY, 10, 10, 100, 58);
    EXPECT_EQ(RectOf(list).bottom - RectOf(list).top, 48);
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
    EXPECT_EQ(RectOf(quiet).bottom - RectOf(quiet).top, 58);
    SendText(quiet, LB_ADDSTRING, 0, L"Only");
    EXPECT_TRUE(WinSub_ChooseEntry(quiet, 0));
    EXPECT_EQ(Send(quiet, LB_GETCURSEL), 0);
    EXPECT_EQ(NotificationsFrom(parent, quiet), (std::vector<WORD>{LBN_SETFOCUS}));
}

TEST_F(Controls, MultipleSelectionListTogglesEntries) {
    const HWND parent = TopLevel();
    const HWND list = Control(parent, L"ListBox", 1, LBS_NOTIFY | LBS_MULTIPLESEL, 10, 10, 100, 100);
    for (const wchar_t* text : {L"Page 1", L"Page 2", L"Page 3"}) {
        SendText(list, LB_ADDSTRING, 0, text);
    }
    EXPECT_TRUE(WinSub_ChooseEntry(list, 0));
    EXPECT_TRUE(WinSub_ChooseEntry(list, 2));
    EXPECT_EQ(Send(list, LB_GETSELCOUNT), 2);
    int items[4] = {};
    EXPECT_EQ(Send(list, LB_GETSELITEMS, 4, reinterpret_cast<LPARAM>(items)), 2);
    EXPECT_EQ(items[0], 0);
    EXPECT_EQ(items[1], 2);
    EXPECT_TRUE(WinSub_ChooseEntry(list, 0));  // again: off
    EXPECT_EQ(Send(list, LB_GETSEL, 0), 0);
    EXPECT_EQ(Send(list, LB_SETCURSEL, 1), LB_ERR);
    EXPECT_EQ(Send(list, LB_SETSEL, TRUE, static_cast<LPARAM>(-1)), LB_OKAY);
    EXPECT_EQ(Send(list, LB_GETSELCOUNT), 3);
    EXPECT_EQ(NotificationsFrom(parent, list), (std::vector<WORD>{LBN_SETFOCUS, LBN_SELCHANGE, LBN_SELCHANGE, LBN_SELCHANGE}));
    EXPECT_TRUE(WinSub_IsEntrySelected(list, 1));
    const std::wstring dump = windowtest::Dump(list);
    EXPECT_NE(dump.find(L"entries: *\"Page 1\", *\"Page 2\", *\"Page 3\""), std::wstring::npos) << dump;
}

}  // namespace
