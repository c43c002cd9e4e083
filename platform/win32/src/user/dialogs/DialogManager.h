// Inside view of dialogs: what the dialog manager keeps for each dialog window.
#pragma once

#include "user/WindowManager.h"

namespace win32sub {

struct DialogState {
    int baseX = 8;   // base units of the template's font: pixels of 4 horizontal dialog units
    int baseY = 16;  // pixels of 8 vertical dialog units
    bool modal = false;
    bool ended = false;  // EndDialog was called
    INT_PTR result = 0;
    HWND disabledOwner = nullptr;  // the owner that the modal loop disabled and must enable again
    bool hasDefaultId = false;     // DM_SETDEFID was sent
    WORD defaultId = 0;
    HWND savedFocus = nullptr;  // the control that gets the focus when the dialog is activated
};

// The dialog state of a window made by a dialog function, or nullptr.
std::shared_ptr<DialogState> DialogOf(HWND window);
// Whether the dialog's window has extra bytes at `index` for a value (DWLP_DLGPROC, DWLP_MSGRESULT), as a
// window of the dialog class has.
bool HasExtra(HWND dialog, int index);

// Base units of the system font, for windows outside dialogs.
constexpr int kSystemBaseX = 8;
constexpr int kSystemBaseY = 16;

// Base units of a font of that many points: the average width of "a".."z" and "A".."Z" and the height
// (ascent plus descent) of Arial at 96 dots per inch.
void FontBaseUnits(int pointSize, int& baseX, int& baseY);

}  // namespace win32sub
