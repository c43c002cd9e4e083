#include "host/view/HostViewScreen.h"

#include <algorithm>

#include "host/view/HostPageViewState.h"

HostDevRect HostViewScreen::Normalised(const HostDevRect& r) {
    return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right), std::max(r.top, r.bottom)};
}

void HostViewScreen::Repaint(const HostDevRect& rect) {
    const HostDevRect r = Normalised(rect);
    // A repaint of the whole aperture leaves nothing of what was drawn before it.
    if (r.left <= 0 && r.top <= 0 && r.right >= HostPageViewState::kWidth && r.bottom >= HostPageViewState::kHeight) {
        PaintAll();
        return;
    }
    m_marks.push_back({Mark::Kind::Repaint, r, m_color, 0, {}});
}

void HostViewScreen::Outline(const HostDevRect& rect, int32_t width, const std::vector<Fixed>& dashes) {
    m_marks.push_back({Mark::Kind::Outline, Normalised(rect), m_color, width, dashes});
}

void HostViewScreen::Invert(const HostDevRect& rect) {
    m_marks.push_back({Mark::Kind::Inverted, Normalised(rect), m_color, 1, {}});
}
