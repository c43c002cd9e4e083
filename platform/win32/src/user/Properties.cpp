// Window properties: named values that any code may hang on a window, as subclassing code does to find its
// object again. A name is a string, compared without regard to case as atoms are, or an atom itself.
#include <algorithm>

#include "kernel/WideText.h"
#include "user/WindowManager.h"

namespace win32sub {
namespace {

bool Matches(const Property& property, LPCWSTR name) {
    if (IS_INTRESOURCE(name)) {
        return property.isAtom && property.atom == static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(name));
    }
    return !property.isAtom && property.name == FoldCase(name);
}

std::vector<Property>::iterator FindProperty(Window& window, LPCWSTR name) {
    return std::find_if(window.properties.begin(), window.properties.end(),
                        [&](const Property& property) { return Matches(property, name); });
}

}  // namespace
}  // namespace win32sub

WIN32SUB_API BOOL WINAPI SetPropW(HWND window, LPCWSTR name, HANDLE data) {
    const std::shared_ptr<win32sub::Window> found = win32sub::WindowOrFail(window);
    if (found == nullptr) {
        return FALSE;
    }
    if (name == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const auto it = win32sub::FindProperty(*found, name);
    if (it != found->properties.end()) {
        it->value = data;
        return TRUE;
    }
    win32sub::Property property;
    property.isAtom = IS_INTRESOURCE(name);
    if (property.isAtom) {
        property.atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(name));
    } else {
        property.name = win32sub::FoldCase(name);
    }
    property.value = data;
    found->properties.push_back(std::move(property));
    return TRUE;
}

WIN32SUB_API HANDLE WINAPI GetPropW(HWND window, LPCWSTR name) {
    const std::shared_ptr<win32sub::Window> found = win32sub::WindowOrFail(window);
    if (found == nullptr || name == nullptr) {
        return nullptr;
    }
    const auto it = win32sub::FindProperty(*found, name);
    return it != found->properties.end() ? it->value : nullptr;
}

WIN32SUB_API HANDLE WINAPI RemovePropW(HWND window, LPCWSTR name) {
    const std::shared_ptr<win32sub::Window> found = win32sub::WindowOrFail(window);
    if (found == nullptr || name == nullptr) {
        return nullptr;
    }
    const auto it = win32sub::FindProperty(*found, name);
    if (it == found->properties.end()) {
        return nullptr;
    }
    const HANDLE value = it->value;
    found->properties.erase(it);
    return value;
}
