// The screen side of the window manager, reading: what each window shows, and a text picture of the window
// tree. Nothing here sends a message, so reading never changes what it reads.
#include <algorithm>
#include <cwchar>
#include <string>

#include "kernel/WideText.h"
#include "user/WindowManager.h"
#include "user/dialogs/DialogManager.h"
#include "win32sub/Desktop.h"

namespace win32sub {
namespace {

int CopyOut(const std::wstring& text, LPWSTR buffer, int size) {
    if (buffer != nullptr && size > 0) {
        const std::size_t count = std::min<std::size_t>(text.size(), static_cast<std::size_t>(size - 1));
        std::wmemcpy(buffer, text.data(), count);
        buffer[count] = L'\0';
    }
    return static_cast<int>(text.size());
}

std::wstring ShownTextOf(const Window& window) {
    std::wstring text;
    if (window.control == nullptr || !window.control->ShownText(text)) {
        text = window.text;
    }
    return text;
}

bool IsClass(const Window& window, const wchar_t* name) { return EqualFolded(window.windowClass->name, name); }

bool IsDefaultButton(const Window& window) {
    return IsClass(window, L"Button") && (window.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

// What the picture calls a window of a standard class, by its class and, for buttons and statics, the type
// in its style (a mask of 0 fits any style). The first row that fits names the window.
struct KindName {
    const wchar_t* className;
    DWORD typeMask;
    DWORD type;
    const wchar_t* kind;
};

constexpr KindName kKindNames[] = {
    {L"Button", BS_TYPEMASK, BS_CHECKBOX, L"check box"},
    {L"Button", BS_TYPEMASK, BS_AUTOCHECKBOX, L"check box"},
    {L"Button", BS_TYPEMASK, BS_3STATE, L"check box"},
    {L"Button", BS_TYPEMASK, BS_AUTO3STATE, L"check box"},
    {L"Button", BS_TYPEMASK, BS_RADIOBUTTON, L"radio button"},
    {L"Button", BS_TYPEMASK, BS_AUTORADIOBUTTON, L"radio button"},
    {L"Button", BS_TYPEMASK, BS_GROUPBOX, L"group box"},
    {L"Button", 0, 0, L"button"},
    {L"Edit", 0, 0, L"edit"},
    {L"Static", SS_TYPEMASK, SS_BITMAP, L"picture"},
    {L"Static", SS_TYPEMASK, SS_ICON, L"icon"},
    {L"Static", 0, 0, L"static"},
    {L"ComboBox", 0, 0, L"combo box"},
    {L"ListBox", 0, 0, L"list box"},
};

std::wstring KindOf(const Window& window) {
    if (window.dialog != nullptr) {
        return L"dialog";
    }
    for (const KindName& row : kKindNames) {
        if (IsClass(window, row.className) && (window.style & row.typeMask) == row.type) {
            return row.kind;
        }
    }
    return L"window " + window.windowClass->name;
}

std::wstring Quoted(const std::wstring& text) {
    std::wstring result = L"\"";
    for (wchar_t c : text) {
        switch (c) {
            case L'"':
                result += L"\\\"";
                break;
            case L'\\':
                result += L"\\\\";
                break;
            case L'\n':
                result += L"\\n";
                break;
            case L'\r':
                result += L"\\r";
                break;
            case L'\t':
                result += L"\\t";
                break;
            default:
                if (c < 0x20 || c == 0x7F) {
                    wchar_t escaped[8];
                    std::swprintf(escaped, 8, L"\\x%02X", static_cast<unsigned>(c));
                    result += escaped;
                } else {
                    result += c;
                }
        }
    }
    return result + L"\"";
}

std::wstring Number(long value) { return std::to_wstring(value); }

std::wstring DescribeImage(const Window& window) {
    const HANDLE image = window.control != nullptr ? window.control->Image() : nullptr;
    if (image == nullptr) {
        return L" no image";
    }
    BITMAP bitmap{};
    if ((window.style & SS_TYPEMASK) == SS_BITMAP && GetObjectW(image, sizeof bitmap, &bitmap) != 0) {
        return L" bitmap " + Number(bitmap.bmWidth) + L"x" + Number(bitmap.bmHeight);
    }
    return (window.style & SS_TYPEMASK) == SS_ICON ? L" icon" : L" image";
}

// A check box's or radio button's check mark; nothing for other windows.
std::wstring DescribeCheck(const Window& window) {
    const int check = window.control != nullptr ? window.control->CheckState() : -1;
    if (check < 0) {
        return L"";
    }
    const DWORD type = window.style & BS_TYPEMASK;
    if (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON) {
        return check == BST_CHECKED ? L" (o)" : L" ( )";
    }
    return check == BST_CHECKED ? L" [x]" : (check == BST_INDETERMINATE ? L" [-]" : L" [ ]");
}

// The states a user can tell apart on the screen: hidden, disabled, focused, active, default, modal.
std::wstring DescribeStates(const Window& window) {
    std::wstring states;
    if ((window.style & WS_VISIBLE) == 0) {
        states += L" hidden";
    }
    if ((window.style & WS_DISABLED) != 0) {
        states += L" disabled";
    }
    if (FocusWindow() == window.handle) {
        states += L" focus";
    }
    if (ActiveWindow() == window.handle) {
        states += L" active";
    }
    if (IsDefaultButton(window)) {
        states += L" default";
    }
    if (window.dialog != nullptr && window.dialog->modal && !window.dialog->ended) {
        states += L" modal";
    }
    return states;
}

// A combo or list box's entries, the selected ones marked; nothing for other windows.
std::wstring DescribeEntries(const Window& window) {
    if (window.control == nullptr || window.control->Lists() == ControlState::ListKind::None) {
        return L"";
    }
    const int count = window.control->EntryCount();
    if (count == 0) {
        return L" no entries";
    }
    std::wstring entries = L" entries:";
    for (int i = 0; i < count; ++i) {
        entries += i == 0 ? L" " : L", ";
        if (window.control->EntrySelected(i)) {
            entries += L"*";
        }
        entries += Quoted(*window.control->Entry(i));
    }
    return entries;
}

std::wstring DescribeLine(const Window& window) {
    std::wstring line = KindOf(window);
    if (!IsTopLevel(window)) {
        line += L" #" + Number(static_cast<int>(window.id));
    }
    const std::wstring text = ShownTextOf(window);
    const bool comboBox = IsClass(window, L"ComboBox");
    // A drop-down list shows its selected entry, which the entries mark; a field shows its text even empty.
    const bool dropDownList = comboBox && (window.style & 0x3) == CBS_DROPDOWNLIST;
    const bool field = IsClass(window, L"Edit") || (comboBox && !dropDownList);
    if (field || (!text.empty() && !dropDownList)) {
        line += L" " + Quoted(text);
    }
    line += DescribeCheck(window);
    const RECT& rect = window.rect;
    line += L" (" + Number(rect.left) + L"," + Number(rect.top) + L" " + Number(rect.right - rect.left) + L"x" +
            Number(rect.bottom - rect.top) + L")";
    if (IsClass(window, L"Static") &&
        ((window.style & SS_TYPEMASK) == SS_BITMAP || (window.style & SS_TYPEMASK) == SS_ICON)) {
        line += DescribeImage(window);
    }
    return line + DescribeStates(window) + DescribeEntries(window);
}

void Dump(HWND handle, int depth, DWORD flags, std::wstring& out) {
    const std::shared_ptr<Window> window = FindWindowObject(handle);
    if (window == nullptr || ((window->style & WS_VISIBLE) == 0 && (flags & WINSUB_DUMP_HIDDEN) == 0)) {
        return;
    }
    out += std::wstring(static_cast<std::size_t>(depth) * 2, L' ') + DescribeLine(*window) + L"\n";
    for (HWND child : window->children) {
        Dump(child, depth + 1, flags, out);
    }
}

}  // namespace
}  // namespace win32sub

using win32sub::Window;

WIN32SUB_API BOOL WINAPI WinSub_GetWindowInfo(HWND handle, WINSUB_WINDOWINFO* info) {
    const std::shared_ptr<Window> window = win32sub::WindowOrFail(handle);
    if (window == nullptr) {
        return FALSE;
    }
    if (info == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *info = WINSUB_WINDOWINFO{};
    const bool topLevel = win32sub::IsTopLevel(*window);
    info->hwnd = handle;
    info->parent = topLevel ? nullptr : window->parent;
    info->owner = window->owner;
    win32sub::CopyOut(window->windowClass->name, info->className, static_cast<int>(std::size(info->className)));
    info->style = window->style;
    info->exStyle = window->exStyle;
    info->id = topLevel ? 0 : static_cast<int>(window->id);
    info->rect = window->rect;
    info->screen = win32sub::ScreenRectOf(*window);
    const POINT origin = win32sub::ClientOriginOf(*window);
    info->client = win32sub::ClientRectOf(*window);
    OffsetRect(&info->client, origin.x, origin.y);
    info->visible = (window->style & WS_VISIBLE) != 0;
    info->shown = win32sub::IsShown(handle);
    info->enabled = (window->style & WS_DISABLED) == 0;
    info->usable = win32sub::IsUsable(handle);
    info->focused = win32sub::FocusWindow() == handle;
    info->active = win32sub::ActiveWindow() == handle;
    info->isDialog = window->dialog != nullptr;
    info->isModal = window->dialog != nullptr && window->dialog->modal && !window->dialog->ended;
    info->check = window->control != nullptr ? window->control->CheckState() : -1;
    info->isDefault = win32sub::IsDefaultButton(*window);
    info->entryCount = window->control != nullptr ? window->control->EntryCount() : -1;
    info->selection = window->control != nullptr ? window->control->Selection() : -1;
    info->image = window->control != nullptr ? window->control->Image() : nullptr;
    return TRUE;
}

WIN32SUB_API int WINAPI WinSub_GetShownText(HWND handle, LPWSTR buffer, int size) {
    const std::shared_ptr<Window> window = win32sub::WindowOrFail(handle);
    if (window == nullptr) {
        win32sub::CopyOut(std::wstring(), buffer, size);
        return 0;
    }
    return win32sub::CopyOut(win32sub::ShownTextOf(*window), buffer, size);
}

WIN32SUB_API int WINAPI WinSub_GetEntryText(HWND handle, int index, LPWSTR buffer, int size) {
    win32sub::CopyOut(std::wstring(), buffer, size);
    const std::shared_ptr<Window> window = win32sub::WindowOrFail(handle);
    const std::wstring* entry =
        window != nullptr && window->control != nullptr ? window->control->Entry(index) : nullptr;
    if (entry == nullptr) {
        if (window != nullptr) {
            SetLastError(ERROR_INVALID_PARAMETER);
        }
        return -1;
    }
    return win32sub::CopyOut(*entry, buffer, size);
}

WIN32SUB_API BOOL WINAPI WinSub_IsEntrySelected(HWND handle, int index) {
    const std::shared_ptr<Window> window = win32sub::WindowOrFail(handle);
    return window != nullptr && window->control != nullptr && window->control->EntrySelected(index) ? TRUE : FALSE;
}

WIN32SUB_API int WINAPI WinSub_GetWindows(HWND parent, HWND* buffer, int max) {
    const std::shared_ptr<Window> window =
        win32sub::WindowOrFail(parent != nullptr ? parent : win32sub::DesktopHandle());
    if (window == nullptr) {
        return 0;
    }
    const int count = static_cast<int>(window->children.size());
    for (int i = 0; buffer != nullptr && i < std::min(count, max); ++i) {
        buffer[i] = window->children[static_cast<std::size_t>(i)];
    }
    return count;
}

WIN32SUB_API int WINAPI WinSub_DumpWindows(HWND root, DWORD flags, LPWSTR buffer, int size) {
    std::wstring out;
    if (root == nullptr) {
        const std::shared_ptr<Window> desktop = win32sub::FindWindowObject(win32sub::DesktopHandle());
        for (HWND window : desktop->children) {
            win32sub::Dump(window, 0, flags, out);
        }
    } else if (win32sub::WindowOrFail(root) != nullptr) {
        win32sub::Dump(root, 0, flags, out);
    }
    return win32sub::CopyOut(out, buffer, size);
}

WIN32SUB_API void WINAPI WinSub_ResetDesktop(void) {
    win32sub::DestroyAllWindows();
    win32sub::KillAllTimers();
    win32sub::ClearQueue();
    win32sub::SetKeyModifiers(0);
}
