#include "XCHG/XCHG_Dialog.h"

#include <algorithm>
#include <cwchar>
#include <new>
#include <string>

#include "GLIB/GLIB_Exception.h"
#include "GLIB/GLIB_StringUtils.h"
#include "PDFL/PDFL_HostFrames.h"
#include "XCHG/XCHG_AVCalls5.h"
#include "XCHG/XCHG_DebugOutput.h"
#include "XCHG/XCHG_PluginContext.h"
#include "XCHG/XCHG_Resources.h"
#include "XCHG/XCHG_WinCalls5.h"

namespace {

constexpr UINT kNotificationToCommand = 1;  // codes 0 (clicks) and 1 (selection changes) reach Command

}  // namespace

XCHG_Dialog::XCHG_Dialog() : m_resourceModule(nullptr) {}

XCHG_Dialog::~XCHG_Dialog() = default;

HMODULE XCHG_Dialog::GetResourceModule() { return m_resourceModule; }

void XCHG_Dialog::DidActivate() {
    // A dialog whose host window is gone has no key window to become; the host would refuse the request.
    if (IsOpen()) View_BecomeKeyWindow(GetHostWindow());
}

void XCHG_Dialog::DidCreate() {}
void XCHG_Dialog::WillDestroy() {}
void XCHG_Dialog::MouseDown(int16_t, int16_t, const HostWindowEvent*) {}
void XCHG_Dialog::DidBecomeKey() {}
void XCHG_Dialog::DidMove(const HostDevRect&) {}
void XCHG_Dialog::KeyDown(uint32_t, const HostWindowEvent*) {}
void XCHG_Dialog::WillResignKey() {}
void XCHG_Dialog::Draw(const HostDevRect&) {}
void XCHG_Dialog::DestroyPlatformThing(HWND) {}
void XCHG_Dialog::Command(uint16_t) {}
void XCHG_Dialog::DoIdle() {}

LRESULT XCHG_Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DESTROY:
        case WM_MOVE:
        case WM_SIZE:
        case WM_ACTIVATE:
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_CLOSE:
        case WM_WINDOWPOSCHANGING:
        case WM_WINDOWPOSCHANGED:
        case WM_TIMER:
        case WM_SIZING:
        case WM_MOVING:
            return XCHG_AVWindowObj::HandleMessage(message, wParam, lParam);
        default:
            return CallPreviousProc(message, wParam, lParam);
    }
}

bool XCHG_Dialog::HandleDialogMessage(UINT message, WPARAM wParam, LPARAM) {
    if (message != WM_COMMAND) return false;
    if (HIWORD(wParam) <= kNotificationToCommand) Command(LOWORD(wParam));
    return true;
}

HWND XCHG_Dialog::CreateModeless(uint16_t resourceId) {
    const auto owner = static_cast<HWND>(XCHG_PluginContext::MainWindow());
    const auto parameter = reinterpret_cast<LPARAM>(this);
    m_resourceModule = LocalizedOrPluginModule();
    HWND dialog = CreateDialogParamW(m_resourceModule, MAKEINTRESOURCEW(resourceId), owner, DlgProc, parameter);
    if (dialog == nullptr) {
        m_resourceModule = XCHG_GetPluginModule();
        dialog = CreateDialogParamW(m_resourceModule, MAKEINTRESOURCEW(resourceId), owner, DlgProc, parameter);
    }
    Win_AddModelessDialog(dialog);
    return dialog;
}

INT_PTR CALLBACK XCHG_Dialog::DlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    HostErrorCode code;
    try {
        if (message == WM_INITDIALOG) {
            auto* dialog = reinterpret_cast<XCHG_Dialog*>(lParam);
            dialog->m_listItems.clear();  // the new window's lists start empty
            dialog->AttachToPlatformWindow(window);
            return TRUE;
        }
        // Only framework dialogs run this procedure, so the window's object is a dialog.
        auto* dialog = static_cast<XCHG_Dialog*>(FromWindow(window));
        if (dialog == nullptr) return FALSE;
        return dialog->HandleDialogMessage(message, wParam, lParam) ? TRUE : FALSE;
    } catch (const GLIB_Exception& e) {
        code = e.GetCode();
    } catch (const std::bad_alloc&) {
        code = kHostGeneralError;
    } catch (...) {
        XCHG_DebugPrintf("%s::%s caught an unknown exception\n", "XCHG_Dialog", "DlgProc");
        code = kHostGeneralError;
    }
    // Raised only here, after the handler has ended, so the caught exception is released first.
    PDFL_HostFrames::Raise(code);
}

// ---- Items ----

HWND XCHG_Dialog::GetItem(int16_t id) const { return GetDlgItem(GetPlatformWindow(), id); }

LRESULT XCHG_Dialog::SendItemMessage(int16_t id, UINT message, WPARAM wParam, LPARAM lParam) {
    return SendDlgItemMessageW(GetPlatformWindow(), id, message, wParam, lParam);
}

bool XCHG_Dialog::IsComboBox(int16_t id) const {
    wchar_t className[16] = L"";
    return GetClassNameW(GetItem(id), className, 16) > 0 && wcscasecmp(className, L"ComboBox") == 0;
}

int32_t XCHG_Dialog::GetItemText(int16_t id, char* buffer, int32_t size) {
    if (buffer == nullptr || size <= 0) return 0;
    buffer[0] = '\0';
    return static_cast<int32_t>(GetDlgItemTextA(GetPlatformWindow(), id, buffer, size));
}

void XCHG_Dialog::SetItemInt(int16_t id, int32_t value) {
    SetDlgItemInt(GetPlatformWindow(), id, static_cast<UINT>(value), TRUE);
}

void XCHG_Dialog::MoveItem(int16_t id, int32_t x, int32_t y, int32_t width, int32_t height) {
    MoveWindow(GetItem(id), x, y, width, height, TRUE);
}

void XCHG_Dialog::SetItemImage(int16_t id, HANDLE image, bool isBitmap) {
    SendItemMessage(id, BM_SETIMAGE, isBitmap ? IMAGE_BITMAP : IMAGE_ICON, reinterpret_cast<LPARAM>(image));
}

void XCHG_Dialog::SetItemText(int16_t id, const char* text) {
    SetDlgItemTextA(GetPlatformWindow(), id, text != nullptr ? text : "");
}

void XCHG_Dialog::EnableItem(int16_t id) { EnableWindow(GetItem(id), TRUE); }

void XCHG_Dialog::DisableItem(int16_t id) { EnableWindow(GetItem(id), FALSE); }

void XCHG_Dialog::ShowItem(int16_t id) { ShowWindow(GetItem(id), SW_SHOWNORMAL); }

void XCHG_Dialog::HideItem(int16_t id) { ShowWindow(GetItem(id), SW_HIDE); }

void XCHG_Dialog::SelectItemText(int16_t id, int32_t start, int32_t end) {
    SendItemMessage(id, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}

int32_t XCHG_Dialog::GetItemInt(int16_t id) {
    BOOL translated = FALSE;
    return static_cast<int32_t>(GetDlgItemInt(GetPlatformWindow(), id, &translated, TRUE));
}

bool XCHG_Dialog::GetCheck(int16_t id) { return IsDlgButtonChecked(GetPlatformWindow(), id) == BST_CHECKED; }

void XCHG_Dialog::SetCheck(int16_t id, bool checked) {
    CheckDlgButton(GetPlatformWindow(), id, checked ? BST_CHECKED : BST_UNCHECKED);
}

bool XCHG_Dialog::ToggleCheck(int16_t id) {
    const bool checked = !GetCheck(id);
    SetCheck(id, checked);
    return checked;
}

// ---- Combo boxes ----

int32_t XCHG_Dialog::GetPopupSelection(int16_t id) {
    return static_cast<int32_t>(SendItemMessage(id, CB_GETCURSEL, 0, 0));
}

void XCHG_Dialog::SetPopupSelection(int16_t id, int32_t index) {
    SendItemMessage(id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int32_t XCHG_Dialog::GetPopupItemText(int16_t id, int32_t index, char* buffer, int32_t size) {
    const LRESULT wideLength = SendItemMessage(id, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (wideLength < 0) return static_cast<int32_t>(wideLength);
    std::wstring wide(static_cast<std::size_t>(wideLength) + 1, L'\0');
    SendItemMessage(id, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide.data()));
    wide.resize(std::wcslen(wide.c_str()));
    const std::string text = GLIB_Narrow(wide);
    const auto length = static_cast<int32_t>(text.size());
    if (buffer == nullptr || length >= size) return length;
    GLIB_StrCopy(buffer, text.c_str(), static_cast<std::size_t>(size));
    return length;
}

int32_t XCHG_Dialog::GetPopupItemValue(int16_t id, int32_t index) {
    return static_cast<int32_t>(SendItemMessage(id, CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}

void XCHG_Dialog::PopupClear(int16_t id) { SendItemMessage(id, CB_RESETCONTENT, 0, 0); }

void XCHG_Dialog::PopupDelete(int16_t id, int32_t index) {
    SendItemMessage(id, CB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

// ---- Lists ----

std::vector<int32_t>& XCHG_Dialog::ItemValues(int16_t id) {
    const auto slot = static_cast<uint16_t>(id);
    if (m_listItems.size() <= slot) m_listItems.resize(slot + 1u);
    return m_listItems[slot];
}

void XCHG_Dialog::ListAdd(int16_t id, const char* text) { ListInsert(id, -1, text); }

void XCHG_Dialog::ListInsert(int16_t id, int32_t index, const char* text) {
    const std::wstring wide = GLIB_Widen(text);
    const auto entry = reinterpret_cast<LPARAM>(wide.c_str());
    LRESULT at;
    if (IsComboBox(id)) {
        at = index == -1 ? SendItemMessage(id, CB_ADDSTRING, 0, entry)
                         : SendItemMessage(id, CB_INSERTSTRING, static_cast<WPARAM>(index), entry);
    } else {
        at = index == -1 ? SendItemMessage(id, LB_ADDSTRING, 0, entry)
                         : SendItemMessage(id, LB_INSERTSTRING, static_cast<WPARAM>(index), entry);
    }
    if (at < 0) return;
    std::vector<int32_t>& values = ItemValues(id);
    // A sorted list puts the entry where it belongs, which is where its value goes.
    const auto position = std::min(static_cast<std::size_t>(at), values.size());
    values.insert(values.begin() + static_cast<std::ptrdiff_t>(position), 0);
}

void XCHG_Dialog::ListDelete(int16_t id, int32_t index) {
    const LRESULT left =
        SendItemMessage(id, IsComboBox(id) ? CB_DELETESTRING : LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    if (left < 0) return;
    std::vector<int32_t>& values = ItemValues(id);
    if (index >= 0 && static_cast<std::size_t>(index) < values.size()) values.erase(values.begin() + index);
}

void XCHG_Dialog::ListClear(int16_t id) {
    SendItemMessage(id, IsComboBox(id) ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
    ItemValues(id).clear();
}

int32_t XCHG_Dialog::GetListItemValue(int16_t id, int32_t index) {
    const auto slot = static_cast<uint16_t>(id);
    if (slot >= m_listItems.size() || index < 0) return 0;
    const std::vector<int32_t>& values = m_listItems[slot];
    return static_cast<std::size_t>(index) < values.size() ? values[static_cast<std::size_t>(index)] : 0;
}

void XCHG_Dialog::SetListItemValue(int16_t id, int32_t index, int32_t value) {
    std::vector<int32_t>& values = ItemValues(id);
    if (index < 0 || static_cast<std::size_t>(index) >= values.size()) return;
    values[static_cast<std::size_t>(index)] = value;
}

void XCHG_Dialog::ListSelect(int16_t id, int32_t index) {
    if (IsComboBox(id)) {
        SendItemMessage(id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    } else if ((GetWindowLongW(GetItem(id), GWL_STYLE) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0) {
        SendItemMessage(id, LB_SETSEL, TRUE, static_cast<LPARAM>(index));
    } else {
        SendItemMessage(id, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
}

int32_t XCHG_Dialog::ListCount(int16_t id) {
    return static_cast<int32_t>(SendItemMessage(id, IsComboBox(id) ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
}

int32_t XCHG_Dialog::ListSelection(int16_t id) {
    return static_cast<int32_t>(SendItemMessage(id, IsComboBox(id) ? CB_GETCURSEL : LB_GETCURSEL, 0, 0));
}

bool XCHG_Dialog::ListIsSelected(int16_t id, int32_t index) {
    if (IsComboBox(id)) return index >= 0 && ListSelection(id) == index;
    return SendItemMessage(id, LB_GETSEL, static_cast<WPARAM>(index), 0) > 0;
}

int32_t XCHG_Dialog::ListSelectionCount(int16_t id) {
    if (IsComboBox(id)) return LB_ERR;
    return static_cast<int32_t>(SendItemMessage(id, LB_GETSELCOUNT, 0, 0));
}

int32_t XCHG_Dialog::ListSelections(int16_t id, int32_t count, int32_t* indexes) {
    if (IsComboBox(id)) return LB_ERR;
    return static_cast<int32_t>(
        SendItemMessage(id, LB_GETSELITEMS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(indexes)));
}
