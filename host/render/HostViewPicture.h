// A picture of a page view as the user sees it: the page rendered by poppler at the view's zoom and
// rotation, scrolled as the view is, on a grey desk; over it, replayed from the view's screen, what the
// plug-ins drew there in the colours they set: outlines, inverted outlines, and the page put back where the
// host repainted. `dpi` scales it: at 72 a picture pixel is a device pixel, at 144 two by two. The rendered
// page is kept and rendered again only when the view shows another area or page, so that a picture drawn at
// every move of the mouse costs the replay of the drawing alone.
#pragma once

#include <optional>

#include "host/render/HostPicture.h"
#include "host/view/HostViewScreen.h"

class HostDocument;
class HostPageViewState;

class HostViewPicture {
public:
    static constexpr int kMinDpi = 18;
    static constexpr int kMaxDpi = 300;
    static constexpr HostPicture::Rgb kDesk{128, 128, 128};

    explicit HostViewPicture(int dpi);
    // The view as it is now. Fails with std::runtime_error when the page cannot be rendered.
    const HostPicture& Draw(HostPageViewState& view, HostDocument& document);

    // A host colour (gray, RGB or CMYK, components 0 to 1) as the screen shows it.
    static HostPicture::Rgb ScreenColor(const HostColor& color);

private:
    // What the rendered page depends on.
    struct Shown {
        HostDoc doc;
        int32_t page;
        Fixed zoom;
        int rotation, viewRotation;
        HostDevPoint scroll;
        FixedRect area;
        bool operator==(const Shown& other) const;
    };
    void RenderPage(HostPageViewState& view, HostDocument& document);
    void Replay(const HostViewScreen::Mark& mark);
    int Scaled(int device) const;

    double m_scale;
    std::optional<Shown> m_shown;
    HostPicture m_page;     // the page alone, for the areas the host repaints
    HostPicture m_picture;  // the page with the drawing over it
};
