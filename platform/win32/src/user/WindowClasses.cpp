// Window classes: the system's classes (the standard controls and the dialog class) and those that modules
// register. A module's class is found for windows created with that module's instance, a CS_GLOBALCLASS
// class for any instance, and the system's classes last, as on Windows.
#include <algorithm>
#include <cwchar>
#include <map>

#include "kernel/WideText.h"
#include "user/WindowManager.h"
#include "user/controls/Controls.h"

namespace win32sub {
namespace {

struct ClassTable {
    std::vector<std::shared_ptr<WindowClass>> classes;  // registered ones first, the system's last
    std::map<std::wstring, ATOM> atoms;                 // class names (folded) and their atoms
    ATOM nextAtom = 0xC000;
    bool systemReady = false;
};

ClassTable& Classes() {
    static auto* table = new ClassTable;
    return *table;
}

ATOM AtomFor(ClassTable& table, const std::wstring& name) {
    const std::wstring folded = FoldCase(name);
    const auto it = table.atoms.find(folded);
    if (it != table.atoms.end()) {
        return it->second;
    }
    const ATOM atom = table.nextAtom++;
    table.atoms.emplace(folded, atom);
    return atom;
}

void AddSystemClass(ClassTable& table, const wchar_t* name, WNDPROC proc, int windowExtra, ATOM atom = 0) {
    auto windowClass = std::make_shared<WindowClass>();
    windowClass->name = name;
    windowClass->proc = proc;
    windowClass->windowExtra = windowExtra;
    windowClass->system = true;
    windowClass->style = CS_GLOBALCLASS | CS_DBLCLKS;
    windowClass->cursor = LoadCursorW(nullptr, IDC_ARROW);
    if (atom != 0) {
        table.atoms.emplace(FoldCase(windowClass->name), atom);
        windowClass->atom = atom;
    } else {
        windowClass->atom = AtomFor(table, windowClass->name);
    }
    table.classes.push_back(std::move(windowClass));
}

ClassTable& ReadyClasses() {
    ClassTable& table = Classes();
    if (!table.systemReady) {
        table.systemReady = true;
        AddSystemClass(table, L"Button", ButtonWndProc, 0);
        AddSystemClass(table, L"Edit", EditWndProc, 0);
        AddSystemClass(table, L"Static", StaticWndProc, 0);
        AddSystemClass(table, L"ListBox", ListBoxWndProc, 0);
        AddSystemClass(table, L"ComboBox", ComboBoxWndProc, 0);
        AddSystemClass(table, L"#32770", DefDlgProcW, DLGWINDOWEXTRA, 0x8002);
    }
    return table;
}

// Whether the class answers to `name` (a string or an atom).
bool Matches(const WindowClass& windowClass, LPCWSTR name) {
    if (IS_INTRESOURCE(name)) {
        return windowClass.atom == static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(name));
    }
    return EqualFolded(windowClass.name, name);
}

enum class Scope { Local, Global, System };

Scope ScopeOf(const WindowClass& windowClass) {
    if (windowClass.system) {
        return Scope::System;
    }
    return (windowClass.style & CS_GLOBALCLASS) != 0 ? Scope::Global : Scope::Local;
}

std::shared_ptr<WindowClass> Lookup(LPCWSTR name, HINSTANCE instance) {
    if (name == nullptr) {
        return nullptr;
    }
    const ClassTable& table = ReadyClasses();
    for (Scope scope : {Scope::Local, Scope::Global, Scope::System}) {
        for (const std::shared_ptr<WindowClass>& windowClass : table.classes) {
            if (ScopeOf(*windowClass) == scope && Matches(*windowClass, name) &&
                (scope != Scope::Local || windowClass->instance == instance)) {
                return windowClass;
            }
        }
    }
    return nullptr;
}

ATOM Register(const WNDCLASSEXW& description) {
    if (description.lpszClassName == nullptr || IS_INTRESOURCE(description.lpszClassName) ||
        description.cbWndExtra < 0 || description.cbClsExtra < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    ClassTable& table = ReadyClasses();
    const bool global = (description.style & CS_GLOBALCLASS) != 0;
    for (const std::shared_ptr<WindowClass>& existing : table.classes) {
        if (!existing->system && EqualFolded(existing->name, description.lpszClassName) &&
            (existing->instance == description.hInstance || (global && ScopeOf(*existing) == Scope::Global))) {
            SetLastError(ERROR_CLASS_ALREADY_EXISTS);
            return 0;
        }
    }
    auto windowClass = std::make_shared<WindowClass>();
    windowClass->name = description.lpszClassName;
    windowClass->style = description.style;
    windowClass->proc = description.lpfnWndProc;
    windowClass->classExtra = description.cbClsExtra;
    windowClass->windowExtra = description.cbWndExtra;
    windowClass->instance = description.hInstance;
    windowClass->icon = description.hIcon;
    windowClass->cursor = description.hCursor;
    windowClass->background = description.hbrBackground;
    windowClass->smallIcon = description.hIconSm;
    windowClass->atom = AtomFor(table, windowClass->name);
    // Registered classes come before the system's, which stay last in the table.
    const auto firstSystem =
        std::find_if(table.classes.begin(), table.classes.end(), [](const auto& c) { return c->system; });
    const ATOM atom = windowClass->atom;
    table.classes.insert(firstSystem, std::move(windowClass));
    return atom;
}

// The fields that WNDCLASSW and WNDCLASSEXW have alike, from one to the other.
template <typename From, typename To>
void CopyClassFields(const From& from, To& to) {
    to.style = from.style;
    to.lpfnWndProc = from.lpfnWndProc;
    to.cbClsExtra = from.cbClsExtra;
    to.cbWndExtra = from.cbWndExtra;
    to.hInstance = from.hInstance;
    to.hIcon = from.hIcon;
    to.hCursor = from.hCursor;
    to.hbrBackground = from.hbrBackground;
    to.lpszMenuName = from.lpszMenuName;
    to.lpszClassName = from.lpszClassName;
}

void Describe(const WindowClass& windowClass, WNDCLASSEXW& description) {
    description.style = windowClass.style;
    description.lpfnWndProc = windowClass.proc;
    description.cbClsExtra = windowClass.classExtra;
    description.cbWndExtra = windowClass.windowExtra;
    description.hInstance = windowClass.instance;
    description.hIcon = windowClass.icon;
    description.hCursor = windowClass.cursor;
    description.hbrBackground = windowClass.background;
    description.lpszMenuName = nullptr;
    description.lpszClassName = windowClass.name.c_str();
    description.hIconSm = windowClass.smallIcon;
}

}  // namespace

std::shared_ptr<WindowClass> ClassForCreate(LPCWSTR className, HINSTANCE instance) {
    std::shared_ptr<WindowClass> found = Lookup(className, instance);
    if (found == nullptr) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
    }
    return found;
}

}  // namespace win32sub

WIN32SUB_API ATOM WINAPI RegisterClassW(const WNDCLASSW* wndClass) {
    if (wndClass == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    WNDCLASSEXW description{};
    description.cbSize = sizeof description;
    win32sub::CopyClassFields(*wndClass, description);
    return win32sub::Register(description);
}

WIN32SUB_API ATOM WINAPI RegisterClassExW(const WNDCLASSEXW* wndClass) {
    if (wndClass == nullptr || wndClass->cbSize != sizeof(WNDCLASSEXW)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return win32sub::Register(*wndClass);
}

WIN32SUB_API BOOL WINAPI UnregisterClassW(LPCWSTR className, HINSTANCE instance) {
    win32sub::ClassTable& table = win32sub::ReadyClasses();
    for (auto it = table.classes.begin(); it != table.classes.end(); ++it) {
        const win32sub::WindowClass& windowClass = **it;
        if (!windowClass.system && windowClass.instance == instance && win32sub::Matches(windowClass, className)) {
            if (windowClass.windows > 0) {
                SetLastError(ERROR_CLASS_HAS_WINDOWS);
                return FALSE;
            }
            table.classes.erase(it);
            return TRUE;
        }
    }
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
}

WIN32SUB_API BOOL WINAPI GetClassInfoExW(HINSTANCE instance, LPCWSTR className, LPWNDCLASSEXW wndClass) {
    const std::shared_ptr<win32sub::WindowClass> found = win32sub::Lookup(className, instance);
    if (found == nullptr || wndClass == nullptr) {
        SetLastError(found == nullptr ? ERROR_CLASS_DOES_NOT_EXIST : ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    win32sub::Describe(*found, *wndClass);
    return found->atom;
}

WIN32SUB_API BOOL WINAPI GetClassInfoW(HINSTANCE instance, LPCWSTR className, LPWNDCLASSW wndClass) {
    WNDCLASSEXW description{};
    description.cbSize = sizeof description;
    const BOOL atom = GetClassInfoExW(instance, className, &description);
    if (atom == 0 || wndClass == nullptr) {
        return atom;
    }
    win32sub::CopyClassFields(description, *wndClass);
    return atom;
}

WIN32SUB_API int WINAPI GetClassNameW(HWND window, LPWSTR className, int maxCount) {
    const std::shared_ptr<win32sub::Window> found = win32sub::WindowOrFail(window);
    if (found == nullptr) {
        return 0;
    }
    if (className == nullptr || maxCount <= 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    const std::wstring& name = found->windowClass->name;
    const std::size_t count = std::min<std::size_t>(name.size(), static_cast<std::size_t>(maxCount - 1));
    std::wmemcpy(className, name.data(), count);
    className[count] = L'\0';
    return static_cast<int>(count);
}
