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
    const HostDevRect r = Normalised(rect);
    // Inverting the same outline again undoes it: a drag's feedback, drawn and erased at every step, leaves
    // nothing to replay.
    if (!m_marks.empty() && m_marks.back().kind == Mark::Kind::Inverted && SameRect(m_marks.back().rect, r)) {
        m_marks.pop_back();
        return;
    }
    m_marks.push_back({Mark::Kind::Inverted, r, m_color, 1, {}});
}

bool HostViewScreen::SameRect(const HostDevRect& a, const HostDevRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
