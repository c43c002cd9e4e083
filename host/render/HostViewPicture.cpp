#include "host/render/HostViewPicture.h"

#include <poppler-document.h>
#include <poppler-image.h>
#include <poppler-page-renderer.h>
#include <poppler-page.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <memory>
#include <numeric>
#include <stdexcept>

#include "host/document/HostDocument.h"
#include "host/render/HostPageCopy.h"
#include "host/view/HostPageViewState.h"

namespace {

uint8_t Channel(double value) { return static_cast<uint8_t>(std::lround(std::clamp(value, 0.0, 1.0) * 255)); }

// Calls `visit` once for each pixel of the outline of width `width` inside the area, within `clip`, with the
// pixel's distance along its side (from the left for the top and bottom rows, from the top for the sides).
void ForEachOutlinePixel(int left, int top, int right, int bottom, int width, int clipRight, int clipBottom,
                         const std::function<void(int, int, int)>& visit) {
    for (int y = std::max(top, 0); y < std::min(bottom, clipBottom); ++y) {
        const bool band = y < top + width || y >= bottom - width;
        for (int x = std::max(left, 0); x < std::min(right, clipRight); ++x) {
            if (band) {
                visit(x, y, x - left);
            } else if (x < left + width || x >= right - width) {
                visit(x, y, y - top);
            } else {
                x = std::max(x, right - width - 1);  // over the inside of the row
            }
        }
    }
}

// Whether a point `along` a side falls on a dash of the pattern (on, off, on, off, ...; empty: solid).
bool OnDash(const std::vector<double>& dashes, int along) {
    const double period = std::accumulate(dashes.begin(), dashes.end(), 0.0);
    if (dashes.empty() || period <= 0) return true;
    double at = std::fmod(along, dashes.size() % 2 == 0 ? period : 2 * period);
    for (std::size_t i = 0;; ++i) {
        const double length = dashes[i % dashes.size()];
        if (at < length) return i % 2 == 0;
        at -= length;
    }
}

void IgnorePopplerMessage(const std::string&, void*) {}

}  // namespace

HostPicture::Rgb HostViewPicture::ScreenColor(const HostColor& color) {
    const auto v = [&](int i) { return color.value[i] / 65536.0; };
    switch (color.space) {
        case 0:
            return {Channel(v(0)), Channel(v(0)), Channel(v(0))};
        case 1:
            return {Channel(v(0)), Channel(v(1)), Channel(v(2))};
        default:
            return {Channel((1 - v(0)) * (1 - v(3))), Channel((1 - v(1)) * (1 - v(3))),
                    Channel((1 - v(2)) * (1 - v(3)))};
    }
}

HostViewPicture::HostViewPicture(int dpi)
    : m_scale(dpi / 72.0),
      m_page(Scaled(HostPageViewState::kWidth), Scaled(HostPageViewState::kHeight), kDesk),
      m_picture(m_page) {}

bool HostViewPicture::Shown::operator==(const Shown& o) const {
    return doc == o.doc && page == o.page && zoom == o.zoom && rotation == o.rotation &&
           viewRotation == o.viewRotation && scroll.h == o.scroll.h && scroll.v == o.scroll.v &&
           area.left == o.area.left && area.top == o.area.top && area.right == o.area.right &&
           area.bottom == o.area.bottom;
}

const HostPicture& HostViewPicture::Draw(HostPageViewState& view, HostDocument& document) {
    const Shown shown{view.Doc(),          view.PageNumber(), view.Zoom(),    view.PageRotation(),
                      view.ViewRotation(), view.Scroll(),     view.ShownBox()};
    if (!m_shown || !(*m_shown == shown)) {
        m_shown.reset();  // a page that failed to render is tried again next time
        m_page.Fill(0, 0, m_page.Width(), m_page.Height(), kDesk);
        RenderPage(view, document);
        m_shown = shown;
    }
    m_picture = m_page;
    for (const HostViewScreen::Mark& mark : view.Screen().Marks()) Replay(mark);
    return m_picture;
}

int HostViewPicture::Scaled(int device) const { return static_cast<int>(std::floor(device * m_scale)); }

void HostViewPicture::RenderPage(HostPageViewState& view, HostDocument& document) {
    const FixedRect shown = view.ShownBox();
    const std::string pdf = HostPageCopy::Make(document, view.PageNumber(), shown, view.PageRotation());
    poppler::set_debug_error_function(IgnorePopplerMessage, nullptr);
    const std::unique_ptr<poppler::document> doc(
        poppler::document::load_from_raw_data(pdf.data(), static_cast<int>(pdf.size())));
    const std::unique_ptr<poppler::page> page(doc ? doc->create_page(0) : nullptr);
    if (page == nullptr) throw std::runtime_error("the page cannot be rendered");

    // The turned page's top-left corner sits at device (-scroll); only what meets the aperture is rendered.
    const double resolution = 72.0 * view.Zoom() / 65536.0 * m_scale;
    const bool sideways = view.Rotation() % 180 != 0;
    const double wide = (shown.right - shown.left) / 65536.0, high = (shown.top - shown.bottom) / 65536.0;
    const int pageWidth = static_cast<int>(std::lround((sideways ? high : wide) * resolution / 72.0));
    const int pageHeight = static_cast<int>(std::lround((sideways ? wide : high) * resolution / 72.0));
    const int originX = -Scaled(view.Scroll().h), originY = -Scaled(view.Scroll().v);
    const int left = std::max(0, -originX), top = std::max(0, -originY);
    const int right = std::min(pageWidth, m_page.Width() - originX);
    const int bottom = std::min(pageHeight, m_page.Height() - originY);
    if (right <= left || bottom <= top) return;

    poppler::page_renderer renderer;
    renderer.set_render_hints(poppler::page_renderer::antialiasing | poppler::page_renderer::text_antialiasing);
    const auto turn = static_cast<poppler::rotation_enum>(view.ViewRotation() / 90);
    const poppler::image image =
        renderer.render_page(page.get(), resolution, resolution, left, top, right - left, bottom - top, turn);
    if (!image.is_valid()) throw std::runtime_error("the page cannot be rendered");
    for (int y = 0; y < image.height(); ++y) {
        const char* row = image.const_data() + static_cast<std::ptrdiff_t>(y) * image.bytes_per_row();
        for (int x = 0; x < image.width(); ++x) {
            uint32_t argb = 0;
            std::memcpy(&argb, row + 4 * x, 4);
            m_page.Set(originX + left + x, originY + top + y,
                       {static_cast<uint8_t>(argb >> 16), static_cast<uint8_t>(argb >> 8), static_cast<uint8_t>(argb)});
        }
    }
}

void HostViewPicture::Replay(const HostViewScreen::Mark& mark) {
    const int left = Scaled(mark.rect.left), top = Scaled(mark.rect.top);
    const int right = Scaled(mark.rect.right), bottom = Scaled(mark.rect.bottom);
    switch (mark.kind) {
        case HostViewScreen::Mark::Kind::Repaint:
            m_picture.CopyArea(m_page, left, top, right, bottom);
            return;
        case HostViewScreen::Mark::Kind::Inverted:
            ForEachOutlinePixel(left, top, right, bottom, std::max(1, Scaled(1)), m_picture.Width(), m_picture.Height(),
                                [&](int x, int y, int) { m_picture.Invert(x, y); });
            return;
        case HostViewScreen::Mark::Kind::Outline: {
            const HostPicture::Rgb color = ScreenColor(mark.color);
            std::vector<double> dashes;
            for (Fixed dash : mark.dashes) dashes.push_back(dash / 65536.0 * m_scale);
            ForEachOutlinePixel(left, top, right, bottom, std::max(1, Scaled(mark.width)), m_picture.Width(),
                                m_picture.Height(), [&](int x, int y, int along) {
                                    if (OnDash(dashes, along)) m_picture.Set(x, y, color);
                                });
            return;
        }
    }
}
