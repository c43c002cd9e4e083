// System metrics, window frames and rectangle arithmetic.
//
// The frames are those of the classic look at 96 dots per inch, so that a dialog's outer size follows from
// its client size exactly as it did there: a dialog frame of 3 pixels, a sizing frame of 4, a border of 1,
// a client edge of 2, and a caption of 19 (18 and the line below it).
#include <algorithm>

#include "user/WindowManager.h"

namespace win32sub {
namespace {

constexpr int kCaption = 19;
constexpr int kBorder = 1;
constexpr int kDialogFrame = 3;
constexpr int kSizingFrame = 4;
constexpr int kEdge = 2;

}  // namespace

RECT FrameInsets(DWORD style, DWORD exStyle) {
    int frame = 0;
    if ((style & WS_THICKFRAME) != 0) {
        frame = kSizingFrame;
    } else if ((style & WS_DLGFRAME) != 0 || (exStyle & WS_EX_DLGMODALFRAME) != 0) {
        frame = kDialogFrame;
    } else if ((style & WS_BORDER) != 0) {
        frame = kBorder;
    }
    if ((exStyle & WS_EX_CLIENTEDGE) != 0) {
        frame += kEdge;
    }
    if ((exStyle & WS_EX_STATICEDGE) != 0) {
        frame += kBorder;
    }
    RECT insets{frame, frame, frame, frame};
    if ((style & WS_CAPTION) == WS_CAPTION) {
        insets.top += kCaption;
    }
    return insets;
}

int MulDivRound(int a, int b, int c) {
    if (c == 0) {
        return -1;
    }
    long long product = static_cast<long long>(a) * b;
    long long divisor = c;
    if (divisor < 0) {
        product = -product;
        divisor = -divisor;
    }
    // Rounded half away from zero, as MulDiv rounds.
    const long long quotient = product >= 0 ? (product + divisor / 2) / divisor : -((-product + divisor / 2) / divisor);
    return static_cast<int>(quotient);
}

}  // namespace win32sub

WIN32SUB_API int WINAPI GetSystemMetrics(int index) {
    switch (index) {
        case SM_CXSCREEN:
        case SM_CYSCREEN: {
            RECT screen;
            GetWindowRect(GetDesktopWindow(), &screen);
            return index == SM_CXSCREEN ? screen.right - screen.left : screen.bottom - screen.top;
        }
        case SM_CXVSCROLL:
        case SM_CYHSCROLL:
            return 16;
        case SM_CYCAPTION:
            return win32sub::kCaption;
        case SM_CXBORDER:
        case SM_CYBORDER:
            return win32sub::kBorder;
        case SM_CXDLGFRAME:
        case SM_CYDLGFRAME:
            return win32sub::kDialogFrame;
        case SM_CXFRAME:
        case SM_CYFRAME:
            return win32sub::kSizingFrame;
        case SM_CXEDGE:
        case SM_CYEDGE:
            return win32sub::kEdge;
        case SM_CXICON:
        case SM_CYICON:
        case SM_CXCURSOR:
        case SM_CYCURSOR:
            return 32;
        default:
            return 0;
    }
}

WIN32SUB_API BOOL WINAPI AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL menu, DWORD exStyle) {
    if (rect == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    (void)menu;  // there are no menu bars here
    const RECT insets = win32sub::FrameInsets(style, exStyle);
    rect->left -= insets.left;
    rect->top -= insets.top;
    rect->right += insets.right;
    rect->bottom += insets.bottom;
    return TRUE;
}

WIN32SUB_API BOOL WINAPI SetRect(LPRECT rect, int left, int top, int right, int bottom) {
    if (rect == nullptr) {
        return FALSE;
    }
    *rect = RECT{left, top, right, bottom};
    return TRUE;
}

WIN32SUB_API BOOL WINAPI SetRectEmpty(LPRECT rect) { return SetRect(rect, 0, 0, 0, 0); }

WIN32SUB_API BOOL WINAPI IsRectEmpty(const RECT* rect) {
    return rect == nullptr || rect->right <= rect->left || rect->bottom <= rect->top ? TRUE : FALSE;
}

WIN32SUB_API BOOL WINAPI OffsetRect(LPRECT rect, int dx, int dy) {
    if (rect == nullptr) {
        return FALSE;
    }
    rect->left += dx;
    rect->right += dx;
    rect->top += dy;
    rect->bottom += dy;
    return TRUE;
}

WIN32SUB_API BOOL WINAPI InflateRect(LPRECT rect, int dx, int dy) {
    if (rect == nullptr) {
        return FALSE;
    }
    rect->left -= dx;
    rect->right += dx;
    rect->top -= dy;
    rect->bottom += dy;
    return TRUE;
}

WIN32SUB_API BOOL WINAPI IntersectRect(LPRECT result, const RECT* a, const RECT* b) {
    if (result == nullptr || a == nullptr || b == nullptr) {
        return FALSE;
    }
    const RECT both{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
                    std::min(a->bottom, b->bottom)};
    if (IsRectEmpty(&both)) {
        SetRectEmpty(result);
        return FALSE;
    }
    *result = both;
    return TRUE;
}

WIN32SUB_API BOOL WINAPI UnionRect(LPRECT result, const RECT* a, const RECT* b) {
    if (result == nullptr || a == nullptr || b == nullptr) {
        return FALSE;
    }
    if (IsRectEmpty(a)) {
        *result = *b;
    } else if (IsRectEmpty(b)) {
        *result = *a;
    } else {
        *result = RECT{std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
                       std::max(a->bottom, b->bottom)};
    }
    if (IsRectEmpty(result)) {
        SetRectEmpty(result);
        return FALSE;
    }
    return TRUE;
}

WIN32SUB_API BOOL WINAPI PtInRect(const RECT* rect, POINT point) {
    return rect != nullptr && point.x >= rect->left && point.x < rect->right && point.y >= rect->top &&
                   point.y < rect->bottom
               ? TRUE
               : FALSE;
}

WIN32SUB_API BOOL WINAPI EqualRect(const RECT* a, const RECT* b) {
    return a != nullptr && b != nullptr && a->left == b->left && a->top == b->top && a->right == b->right &&
                   a->bottom == b->bottom
               ? TRUE
               : FALSE;
}
