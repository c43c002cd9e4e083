// What a page view shows over its page: the drawing calls made since the page was last painted whole, in
// order. A picture of the view paints the page and replays them: a repaint puts the page back in its area,
// an outline is drawn in the colour set before it, an inverted outline flips the pixels under it. A full
// repaint forgets them all, as the screen does.
#pragma once

#include <cstdint>
#include <vector>

#include "HostTypes.h"

class HostViewScreen {
public:
    struct Mark {
        enum class Kind { Repaint, Outline, Inverted };
        Kind kind;
        HostDevRect rect;  // normalised: left <= right, top <= bottom
        HostColor color;   // an outline's
        int32_t width;     // an outline's line width in pixels
        std::vector<Fixed> dashes;
    };

    void PaintAll() { m_marks.clear(); }
    void Repaint(const HostDevRect& rect);
    void SetColor(const HostColor& color) { m_color = color; }
    void Outline(const HostDevRect& rect, int32_t width, const std::vector<Fixed>& dashes);
    void Invert(const HostDevRect& rect);
    const std::vector<Mark>& Marks() const { return m_marks; }

    static HostDevRect Normalised(const HostDevRect& rect);
    static bool SameRect(const HostDevRect& a, const HostDevRect& b);

private:
    HostColor m_color{0, {0, 0, 0, 0}};  // black until a plug-in sets a colour
    std::vector<Mark> m_marks;
};
