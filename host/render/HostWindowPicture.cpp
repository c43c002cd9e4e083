#include "host/render/HostWindowPicture.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "host/view/HostScreenText.h"

namespace {

constexpr int kCheckSize = 13;
constexpr int kComboButton = 16;

bool IsClass(const WINSUB_WINDOWINFO& info, const wchar_t* name) { return std::wstring(info.className) == name; }

// The process's two window fonts, read at their first use: reading a font costs more than drawing a dialog,
// and a desktop draws one at every move of the mouse.
const HostFont& TextFont() {
    static const HostFont font(HostWindowPicture::kTextSize);
    return font;
}

const HostFont& CaptionFont() {
    static const HostFont font(HostWindowPicture::kTextSize, true);
    return font;
}

}  // namespace

HostWindowPicture::HostWindowPicture(HWND window) : m_font(TextFont()), m_bold(CaptionFont()), m_picture(0, 0, kFace) {
    WINSUB_WINDOWINFO info{};
    if (!WinSub_GetWindowInfo(window, &info)) throw std::runtime_error("the window is gone");
    m_origin = {info.screen.left, info.screen.top};
    m_picture = HostPicture(info.screen.right - info.screen.left, info.screen.bottom - info.screen.top, kFace);
    DrawFrame(info);
    DrawChildren(window);
}

int HostWindowPicture::ListRowHeight() { return TextFont().LineHeight() + 1; }

HostWindowPicture::Box HostWindowPicture::Place(const RECT& screen) const {
    return {screen.left - m_origin.x, screen.top - m_origin.y, screen.right - m_origin.x, screen.bottom - m_origin.y};
}

void HostWindowPicture::Bevel(const Box& b, HostPicture::Rgb topLeft, HostPicture::Rgb bottomRight) {
    m_picture.Fill(b.left, b.top, b.right, b.top + 1, topLeft);
    m_picture.Fill(b.left, b.top, b.left + 1, b.bottom, topLeft);
    m_picture.Fill(b.left, b.bottom - 1, b.right, b.bottom, bottomRight);
    m_picture.Fill(b.right - 1, b.top, b.right, b.bottom, bottomRight);
}

// `align`: 0 left, 1 centred, 2 right; the text is centred vertically in the box.
void HostWindowPicture::Label(const Box& box, const std::string& text, bool usable, int align) {
    const int width = m_font.Width(text);
    const int left = align == 0 ? box.left : align == 1 ? (box.left + box.right - width) / 2 : box.right - width;
    const int top = (box.top + box.bottom - m_font.LineHeight()) / 2;
    if (!usable) m_font.Draw(m_picture, left + 1, top + 1, box.right + 1, text, kLight);
    m_font.Draw(m_picture, std::max(left, box.left), top, box.right, text, usable ? kText : kGrey);
}

void HostWindowPicture::DrawFrame(const WINSUB_WINDOWINFO& info) {
    const Box whole{0, 0, m_picture.Width(), m_picture.Height()};
    Bevel(whole, kFace, kShadow);
    Bevel({1, 1, whole.right - 1, whole.bottom - 1}, kLight, kGrey);
    const Box client = Place(info.client);
    if (client.top <= 3 || (info.style & WS_CAPTION) != WS_CAPTION) return;
    const Box caption{3, 3, whole.right - 3, client.top - 1};
    m_picture.Fill(caption.left, caption.top, caption.right, caption.bottom, info.active ? kCaption : kGrey);
    const int top = (caption.top + caption.bottom - m_bold.LineHeight()) / 2;
    m_bold.Draw(m_picture, caption.left + 4, top, caption.right - 20, HostShownText(info.hwnd), kLight);
    // The close box.
    const Box close{caption.right - 18, caption.top + 2, caption.right - 2, caption.bottom - 2};
    m_picture.Fill(close.left, close.top, close.right, close.bottom, kFace);
    Bevel(close, kLight, kShadow);
    for (int i = 4; i < close.right - close.left - 4; ++i) {
        m_picture.Set(close.left + i, close.top + i - 1, kText);
        m_picture.Set(close.right - 1 - i, close.top + i - 1, kText);
    }
}

void HostWindowPicture::DrawChildren(HWND parent) {
    const std::vector<HWND> children = HostWindowsOf(parent);
    // Bottom of the Z order first, so that what lies on top is drawn last.
    for (auto child = children.rbegin(); child != children.rend(); ++child) {
        WINSUB_WINDOWINFO info{};
        if (!WinSub_GetWindowInfo(*child, &info) || !info.shown) continue;
        DrawControl(*child, info);
        DrawChildren(*child);
    }
}

void HostWindowPicture::DrawControl(HWND control, const WINSUB_WINDOWINFO& info) {
    const Box box = Place(info.screen);
    const std::string text = HostShownText(control);
    const bool usable = info.usable != FALSE;
    if (IsClass(info, L"Button")) {
        const DWORD type = info.style & BS_TYPEMASK;
        if (type == BS_GROUPBOX) return DrawGroup(box, text, usable);
        if (info.check >= 0)
            return DrawCheck(box, info, text, usable, type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
        return DrawButton(box, info, text, usable);
    }
    if (IsClass(info, L"Edit")) return DrawField(box, info, text, usable);
    if (IsClass(info, L"ComboBox")) return DrawCombo(box, text, usable);
    if (IsClass(info, L"ListBox")) return DrawList(control, box, info);
    if (IsClass(info, L"Static")) return DrawStatic(box, info, text, usable);
    Bevel(box, kGrey, kGrey);  // a window of a class of its own: its place at least
}

void HostWindowPicture::DrawButton(const Box& box, const WINSUB_WINDOWINFO& info, const std::string& text,
                                   bool usable) {
    m_picture.Fill(box.left, box.top, box.right, box.bottom, kFace);
    Box inner = box;
    if (info.isDefault) {
        Bevel(box, kText, kText);
        inner = {box.left + 1, box.top + 1, box.right - 1, box.bottom - 1};
    }
    Bevel(inner, kLight, kShadow);
    Bevel({inner.left + 1, inner.top + 1, inner.right - 1, inner.bottom - 1}, kFace, kGrey);
    Label(box, text, usable, 1);
}

void HostWindowPicture::DrawCheck(const Box& box, const WINSUB_WINDOWINFO& info, const std::string& text, bool usable,
                                  bool round) {
    const int top = (box.top + box.bottom - kCheckSize) / 2;
    const Box mark{box.left, top, box.left + kCheckSize, top + kCheckSize};
    m_picture.Fill(mark.left, mark.top, mark.right, mark.bottom, usable ? kLight : kFace);
    Bevel(mark, kGrey, kLight);
    Bevel({mark.left + 1, mark.top + 1, mark.right - 1, mark.bottom - 1}, kShadow, kFace);
    const HostPicture::Rgb ink = usable ? kText : kGrey;
    if (info.check == BST_CHECKED && round) {
        m_picture.Fill(mark.left + 4, mark.top + 4, mark.right - 4, mark.bottom - 4, ink);
    } else if (info.check == BST_CHECKED) {
        for (int i = 0; i < 7; ++i) {  // a tick: down three, up four
            const int y = mark.top + (i < 3 ? 6 + i : 10 - i);
            m_picture.Fill(mark.left + 3 + i, y - 1, mark.left + 4 + i, y + 2, ink);
        }
    } else if (info.check != 0) {
        m_picture.Fill(mark.left + 3, mark.top + 3, mark.right - 3, mark.bottom - 3, kGrey);  // indeterminate
    }
    Label({mark.right + 4, box.top, box.right, box.bottom}, text, usable, 0);
}

void HostWindowPicture::DrawGroup(const Box& box, const std::string& text, bool usable) {
    const int middle = box.top + m_font.LineHeight() / 2;
    Bevel({box.left, middle, box.right - 1, box.bottom - 1}, kGrey, kGrey);
    Bevel({box.left + 1, middle + 1, box.right, box.bottom}, kLight, kLight);
    if (text.empty()) return;
    const int width = m_font.Width(text);
    m_picture.Fill(box.left + 6, box.top, box.left + 10 + width, box.top + m_font.LineHeight(), kFace);
    Label({box.left + 8, box.top, box.right, box.top + m_font.LineHeight()}, text, usable, 0);
}

void HostWindowPicture::DrawField(const Box& box, const WINSUB_WINDOWINFO& info, const std::string& text, bool usable) {
    m_picture.Fill(box.left, box.top, box.right, box.bottom, usable ? kLight : kFace);
    Bevel(box, kGrey, kLight);
    Bevel({box.left + 1, box.top + 1, box.right - 1, box.bottom - 1}, kShadow, kFace);
    const std::string shown = (info.style & ES_PASSWORD) ? std::string(text.size(), '*') : text;
    const int align = (info.style & ES_CENTER) ? 1 : (info.style & ES_RIGHT) ? 2 : 0;
    Label({box.left + 3, box.top, box.right - 3, box.bottom}, shown, usable, align);
}

void HostWindowPicture::DrawCombo(const Box& box, const std::string& text, bool usable) {
    DrawField(box, {}, text, usable);
    const Box button{box.right - 2 - kComboButton, box.top + 2, box.right - 2, box.bottom - 2};
    m_picture.Fill(button.left, button.top, button.right, button.bottom, kFace);
    Bevel(button, kLight, kShadow);
    const int x = (button.left + button.right) / 2, y = (button.top + button.bottom) / 2 - 2;
    for (int i = 0; i < 4; ++i) m_picture.Fill(x - 3 + i, y + i, x + 4 - i, y + i + 1, usable ? kText : kGrey);
    m_picture.Fill(button.left - 1, box.top + 2, button.left, box.bottom - 2, usable ? kLight : kFace);
}

void HostWindowPicture::DrawList(HWND control, const Box& box, const WINSUB_WINDOWINFO& info) {
    const bool usable = info.usable != FALSE;
    DrawField(box, {}, "", usable);
    const int line = ListRowHeight();
    for (int i = 0; i < info.entryCount && box.top + 2 + i * line < box.bottom - 2; ++i) {
        const Box row{box.left + 2, box.top + 2 + i * line, box.right - 2,
                      std::min(box.top + 2 + (i + 1) * line, box.bottom - 2)};
        const bool selected = WinSub_IsEntrySelected(control, i) != FALSE;
        if (selected) m_picture.Fill(row.left, row.top, row.right, row.bottom, usable ? kSelection : kGrey);
        const int top = (row.top + row.bottom - m_font.LineHeight()) / 2;
        m_font.Draw(m_picture, row.left + 2, top, row.right, HostNarrow(HostEntryText(control, i)),
                    selected ? kLight
                    : usable ? kText
                             : kGrey);
    }
}

void HostWindowPicture::DrawStatic(const Box& box, const WINSUB_WINDOWINFO& info, const std::string& text,
                                   bool usable) {
    const DWORD type = info.style & SS_TYPEMASK;
    if (type == SS_BITMAP || type == SS_ICON) return DrawBitmap(box, info.image);
    const int align = type == SS_CENTER ? 1 : type == SS_RIGHT ? 2 : 0;
    Label(box, text, usable, align);
}

void HostWindowPicture::DrawBitmap(const Box& box, HANDLE image) {
    BITMAP bitmap{};
    if (image == nullptr || GetObjectW(image, sizeof bitmap, &bitmap) == 0) return;
    std::vector<uint32_t> pixels(static_cast<std::size_t>(bitmap.bmWidth) * bitmap.bmHeight);
    const LONG bytes = static_cast<LONG>(pixels.size() * sizeof(uint32_t));
    if (GetBitmapBits(static_cast<HBITMAP>(image), bytes, pixels.data()) != bytes) return;
    for (LONG y = 0; y < bitmap.bmHeight && box.top + y < box.bottom; ++y) {
        for (LONG x = 0; x < bitmap.bmWidth && box.left + x < box.right; ++x) {
            const uint32_t rgb = pixels[static_cast<std::size_t>(y) * bitmap.bmWidth + x];
            m_picture.Set(box.left + x, box.top + y,
                          {static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8), static_cast<uint8_t>(rgb)});
        }
    }
}
