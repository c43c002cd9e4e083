// A picture of a top-level window as the window manager holds it, for a user without a desktop: the frame
// and caption, then every shown control in its place: labels, fields with their text, combo boxes with their
// choice, list boxes with their entries and selection, buttons (the default one framed), check boxes and
// radio buttons with their state, group boxes and pictures with their bitmaps. What the user cannot use is
// drawn greyed. The look is the classic one of the dialogs' platform; text is DejaVu Sans.
#pragma once

#include <string>

#include "Win32.h"
#include "host/render/HostFont.h"
#include "host/render/HostPicture.h"
#include "win32sub/Desktop.h"

class HostWindowPicture {
public:
    static constexpr int kTextSize = 10;  // pixels
    static constexpr HostPicture::Rgb kFace{212, 208, 200};
    static constexpr HostPicture::Rgb kText{0, 0, 0};
    static constexpr HostPicture::Rgb kGrey{128, 128, 128};
    static constexpr HostPicture::Rgb kShadow{64, 64, 64};
    static constexpr HostPicture::Rgb kLight{255, 255, 255};
    static constexpr HostPicture::Rgb kCaption{10, 36, 106};
    static constexpr HostPicture::Rgb kSelection{10, 36, 106};

    // Fails with std::runtime_error when the window is gone or the font cannot be read.
    explicit HostWindowPicture(HWND window);
    const HostPicture& Picture() const { return m_picture; }
    // The height of an entry of a list box; the first starts 2 pixels below the box's top.
    static int ListRowHeight();

private:
    struct Box {
        int left, top, right, bottom;
    };
    Box Place(const RECT& screen) const;
    void DrawFrame(const WINSUB_WINDOWINFO& info);
    void DrawChildren(HWND parent);
    void DrawControl(HWND control, const WINSUB_WINDOWINFO& info);
    void DrawButton(const Box& box, const WINSUB_WINDOWINFO& info, const std::string& text, bool usable);
    void DrawCheck(const Box& box, const WINSUB_WINDOWINFO& info, const std::string& text, bool usable, bool round);
    void DrawGroup(const Box& box, const std::string& text, bool usable);
    void DrawField(const Box& box, const WINSUB_WINDOWINFO& info, const std::string& text, bool usable);
    void DrawCombo(const Box& box, const std::string& text, bool usable);
    void DrawList(HWND control, const Box& box, const WINSUB_WINDOWINFO& info);
    void DrawStatic(const Box& box, const WINSUB_WINDOWINFO& info, const std::string& text, bool usable);
    void DrawBitmap(const Box& box, HANDLE image);
    void Bevel(const Box& box, HostPicture::Rgb topLeft, HostPicture::Rgb bottomRight);
    void Label(const Box& box, const std::string& text, bool usable, int align);

    const HostFont& m_font;
    const HostFont& m_bold;
    POINT m_origin{0, 0};
    HostPicture m_picture;
};
