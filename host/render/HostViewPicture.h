// A picture of a page view as the user sees it: the page rendered by poppler at the view's zoom and
// rotation, scrolled as the view is, on a grey desk; over it, replayed from the view's screen, what the
// plug-ins drew there in the colours they set: outlines, inverted outlines, and the page put back where the
// host repainted. `dpi` scales it: at 72 a picture pixel is a device pixel, at 144 two by two.
#pragma once

#include "host/render/HostPicture.h"
#include "host/view/HostViewScreen.h"

class HostDocument;
class HostPageViewState;

class HostViewPicture {
public:
    static constexpr int kMinDpi = 18;
    static constexpr int kMaxDpi = 300;
    static constexpr HostPicture::Rgb kDesk{128, 128, 128};

    // Fails with std::runtime_error when the page cannot be rendered.
    HostViewPicture(HostPageViewState& view, HostDocument& document, int dpi);
    const HostPicture& Picture() const { return m_picture; }

    // A host colour (gray, RGB or CMYK, components 0 to 1) as the screen shows it.
    static HostPicture::Rgb ScreenColor(const HostColor& color);

private:
    void RenderPage(HostPageViewState& view, HostDocument& document);
    void Replay(const HostViewScreen::Mark& mark);
    int Scaled(int device) const;

    double m_scale;
    HostPicture m_page;     // the page alone, for the areas the host repaints
    HostPicture m_picture;  // the page with the drawing over it
};
