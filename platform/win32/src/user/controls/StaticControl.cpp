// The "Static" class: texts, pictures (SS_BITMAP) and icons (SS_ICON). A picture control takes the size of
// its image unless SS_CENTERIMAGE or SS_REALSIZECONTROL keeps its own. A static without SS_NOTIFY lets
// clicks through to its parent (WM_NCHITTEST answers HTTRANSPARENT); with it, a click sends STN_CLICKED.
#include "user/controls/Controls.h"

namespace win32sub {
namespace {

class StaticState final : public ControlState {
public:
    HANDLE image = nullptr;
    bool ownsImage = false;  // loaded from the template: destroyed with the control

    HANDLE Image() const override { return image; }
};

DWORD KindOf(const Window& window) { return window.style & SS_TYPEMASK; }

bool TakesImage(const Window& window, WPARAM type) {
    const DWORD kind = KindOf(window);
    return (kind == SS_BITMAP && type == IMAGE_BITMAP) ||
           (kind == SS_ICON && (type == IMAGE_ICON || type == IMAGE_CURSOR));
}

bool ImageSize(const Window& window, HANDLE image, SIZE& size) {
    if (image == nullptr) {
        return false;
    }
    if (KindOf(window) == SS_BITMAP) {
        BITMAP bitmap{};
        if (GetObjectW(image, sizeof bitmap, &bitmap) == 0) {
            return false;
        }
        size = SIZE{bitmap.bmWidth, bitmap.bmHeight};
        return true;
    }
    ICONINFO info{};
    if (!GetIconInfo(static_cast<HICON>(image), &info)) {
        return false;
    }
    BITMAP mask{};
    GetObjectW(info.hbmMask, sizeof mask, &mask);
    size = SIZE{mask.bmWidth, info.hbmColor != nullptr ? mask.bmHeight : mask.bmHeight / 2};
    DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr) {
        DeleteObject(info.hbmColor);
    }
    return true;
}

// The control takes the size of its image (its frame included).
void FitToImage(HWND handle) {
    const std::shared_ptr<Window> window = FindWindowObject(handle);
    const std::shared_ptr<StaticState> state = ControlOf<StaticState>(handle);
    SIZE size{};
    if (window == nullptr || state == nullptr || (window->style & (SS_CENTERIMAGE | SS_REALSIZECONTROL)) != 0 ||
        !ImageSize(*window, state->image, size)) {
        return;
    }
    RECT rect{0, 0, size.cx, size.cy};
    AdjustWindowRectEx(&rect, window->style, FALSE, window->exStyle);
    SetWindowPosition(handle, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
                      SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The image that a picture or icon control's template names, from the dialog's module.
HANDLE LoadNamedImage(const Window& window, const CREATESTRUCTW& create) {
    const wchar_t* name = create.lpszName;
    if (name == nullptr || name[0] == L'\0') {
        return nullptr;
    }
    const LPCWSTR resource = name[0] == 0xFFFF ? MAKEINTRESOURCEW(name[1]) : name;
    if (KindOf(window) == SS_BITMAP) {
        return LoadBitmapW(create.hInstance, resource);
    }
    return LoadIconW(create.hInstance, resource);
}

LRESULT OnNcCreate(HWND handle, Window& window, WPARAM wParam, LPARAM lParam) {
    auto state = std::make_shared<StaticState>();
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    const DWORD kind = KindOf(window);
    if (create != nullptr && (kind == SS_BITMAP || kind == SS_ICON)) {
        state->image = LoadNamedImage(window, *create);
        state->ownsImage = state->image != nullptr && kind == SS_BITMAP;  // icons are shared
    }
    window.control = state;
    return DefWindowProcW(handle, WM_NCCREATE, wParam, lParam);
}

LRESULT OnCreate(HWND handle) {
    FitToImage(handle);
    return 0;
}

// WM_LBUTTONDOWN and WM_LBUTTONDBLCLK: a click reaches the parent only with SS_NOTIFY.
LRESULT OnClick(HWND handle, const Window& window, WORD code) {
    if ((window.style & SS_NOTIFY) != 0) {
        NotifyParent(handle, code);
    }
    return 0;
}

// STM_SETICON and STM_SETIMAGE.
LRESULT OnSetImage(HWND handle, const Window& window, StaticState& state, WPARAM type, HANDLE image) {
    if (!TakesImage(window, type)) {
        return 0;
    }
    // The image handed back belongs to the caller from now on, even one the control loaded.
    const HANDLE previous = state.image;
    state.image = image;
    state.ownsImage = false;
    FitToImage(handle);
    InvalidateWindow(handle, nullptr, true);
    return reinterpret_cast<LRESULT>(previous);
}

// STM_GETICON and STM_GETIMAGE.
LRESULT OnGetImage(const Window& window, const StaticState& state, WPARAM type) {
    return TakesImage(window, type) ? reinterpret_cast<LRESULT>(state.image) : 0;
}

LRESULT OnNcDestroy(StaticState& state) {
    if (state.ownsImage && state.image != nullptr) {
        DeleteObject(state.image);
    }
    state.image = nullptr;
    state.ownsImage = false;
    return 0;
}

LRESULT Dispatch(HWND handle, Window& window, StaticState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return OnCreate(handle);
        case WM_NCHITTEST:
            return (window.style & SS_NOTIFY) != 0 ? DefWindowProcW(handle, message, wParam, lParam) : HTTRANSPARENT;
        case WM_LBUTTONDOWN:
            return OnClick(handle, window, STN_CLICKED);
        case WM_LBUTTONDBLCLK:
            return OnClick(handle, window, STN_DBLCLK);
        case WM_GETDLGCODE:
            return DLGC_STATIC;
        case STM_SETICON:
            return OnSetImage(handle, window, state, IMAGE_ICON, reinterpret_cast<HANDLE>(wParam));
        case STM_SETIMAGE:
            return OnSetImage(handle, window, state, wParam, reinterpret_cast<HANDLE>(lParam));
        case STM_GETICON:
            return OnGetImage(window, state, IMAGE_ICON);
        case STM_GETIMAGE:
            return OnGetImage(window, state, wParam);
        case WM_SETTEXT:
            return SetTextAndRepaint(handle, wParam, lParam);
        case WM_NCDESTROY:
            return OnNcDestroy(state);
        default:
            return ControlDefault(handle, message, wParam, lParam);
    }
}

}  // namespace

LRESULT CALLBACK StaticWndProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    return RunControl<StaticState>(handle, message, wParam, lParam, OnNcCreate, Dispatch);
}

}  // namespace win32sub
