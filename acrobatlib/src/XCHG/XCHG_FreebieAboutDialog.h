// The framework's About box: a modal dialog (resource 20000) that shows a bitmap and "Vantorix Version" with
// the plug-in's version, and closes on the first mouse button the host reports in it.
#pragma once

#include <cstdint>

#include "XCHG/XCHG_Dialog.h"

class XCHG_FreebieAboutDialog : public XCHG_Dialog {
public:
    static constexpr int16_t kDefaultBitmapId = 20015;

    XCHG_FreebieAboutDialog();
    // Releases the bitmap.
    ~XCHG_FreebieAboutDialog() override;

    // Runs the dialog modally and returns its result; a dialog that did not end with a positive result is run
    // once more from the plug-in's own module.
    intptr_t Show() override;
    // Writes the version text, loads the bitmap into its picture control and hides the other pictures.
    void DidCreate() override;
    // Ends the dialog with 1.
    void MouseDown(int16_t x, int16_t y, const HostWindowEvent* event) override;

    // Both the bitmap resource to show and the id of the picture control (20015 to 20018) that shows it.
    void SetBitmapID(int16_t id) { m_bitmapId = id; }
    int16_t GetBitmapID() const { return m_bitmapId; }

private:
    intptr_t RunFrom(HMODULE module);
    void ReleaseBitmap();

    int16_t m_bitmapId;
    HBITMAP m_bitmap;
};
