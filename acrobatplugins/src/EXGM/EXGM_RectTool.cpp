#include "EXGM/EXGM_RectTool.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <utility>

#include "EXGM/EXGM_ArtBoxTool.h"
#include "EXGM/EXGM_BleedBoxTool.h"
#include "EXGM/EXGM_CropBoxTool.h"
#include "EXGM/EXGM_GeometryListener.h"
#include "EXGM/EXGM_MediaBoxTool.h"
#include "EXGM/EXGM_TrimBoxTool.h"
#include "PDFL/PDFL_CorCalls5.h"
#include "PDFL/PDFL_PDCalls5.h"
#include "Win32.h"
#include "XCHG/XCHG_AVCalls5.h"
#include "XCHG/XCHG_Resources.h"
#include "XCHG/XCHG_Utils.h"

namespace {

// How far the guide lines and the drag feedback reach beyond the visible area, so that only the lines along
// the box's edges show.
constexpr int kGuideOverhang = 2;
constexpr int kStripOverhang = 1;

constexpr int32_t kCursorNorthWestCorner = 1001;
constexpr int32_t kCursorNorthEastCorner = 1002;
constexpr int32_t kCursorLeftRight = 1003;
constexpr int32_t kCursorTopBottom = 1004;
constexpr int32_t kCursorMove = 1005;

int16_t Px(int value) { return static_cast<int16_t>(value); }

HostDevRect Grown(const HostDevRect& rect, int by) {
    return {Px(rect.left - by), Px(rect.top - by), Px(rect.right + by), Px(rect.bottom + by)};
}

int32_t CursorIdOf(int zone) {
    switch (zone) {
        case kHitTop:
        case kHitBottom:
            return kCursorTopBottom;
        case kHitLeft:
        case kHitRight:
            return kCursorLeftRight;
        case kHitTop | kHitLeft:
        case kHitBottom | kHitRight:
            return kCursorNorthWestCorner;
        case kHitTop | kHitRight:
        case kHitBottom | kHitLeft:
            return kCursorNorthEastCorner;
        case kHitInside:
            return kCursorMove;
        default:
            return 0;
    }
}

// The view's page acquired again for the time of a drawing: the view may drop its own page meanwhile.
class AcquiredPage {
public:
    explicit AcquiredPage(HostPageView view) {
        const HostPage shown = View_PageOfPageView(view);
        if (shown == HostPage::None) return;
        m_page = Model_AcquirePage(Model_DocOfPage(shown), Model_PageNumber(shown));
    }
    ~AcquiredPage() {
        if (m_page != HostPage::None) Model_ReleasePage(m_page);
    }
    AcquiredPage(const AcquiredPage&) = delete;
    AcquiredPage& operator=(const AcquiredPage&) = delete;

    HostPage Get() const { return m_page; }

private:
    HostPage m_page = HostPage::None;
};

HostPageView FrontPageView() {
    const HostDocView front = View_FrontDocView();
    return front == HostDocView::None ? HostPageView::None : View_PageViewOfDocView(front);
}

// The page edge shown at each device edge (left, top, right, bottom), by the page's rotation.
using Edge = Fixed FixedRect::*;
const Edge kPageEdgeAt[4][4] = {
    {&FixedRect::left, &FixedRect::top, &FixedRect::right, &FixedRect::bottom},
    {&FixedRect::bottom, &FixedRect::left, &FixedRect::top, &FixedRect::right},
    {&FixedRect::right, &FixedRect::bottom, &FixedRect::left, &FixedRect::top},
    {&FixedRect::top, &FixedRect::right, &FixedRect::bottom, &FixedRect::left},
};

// The rotation of the view's whole transformation (the page's own rotation and the view's), as the quarter
// turns of kPageEdgeAt: where a step to the right on the page goes on the device. The host gives rectangles
// in normal form only, so the step is seen as the move of a whole rectangle, made larger until it shows.
int QuarterTurnsOfView(HostPageView view, const FixedRect& page) {
    HostDevRect before;
    View_PageRectToDevice(view, &page, &before);
    for (Fixed step = kFixedOne; step <= 1024 * kFixedOne; step *= 2) {
        const FixedRect moved{page.left + step, page.top, page.right + step, page.bottom};
        HostDevRect after;
        View_PageRectToDevice(view, &moved, &after);
        if (after.left > before.left) return 0;
        if (after.top > before.top) return 1;
        if (after.left < before.left) return 2;
        if (after.top < before.top) return 3;
    }
    return -1;
}

FixedRect Normalised(const FixedRect& r) {
    return {std::min(r.left, r.right), std::max(r.top, r.bottom), std::max(r.left, r.right), std::min(r.top, r.bottom)};
}

}  // namespace

EXGM_RectTool::EXGM_RectTool(BoxKind kind, int32_t colorId, const char* typeName)
    : m_kind(kind), m_colorId(colorId), m_typeName(typeName) {}

EXGM_RectTool::~EXGM_RectTool() = default;

void EXGM_RectTool::Activate(HostBool) {
    const HostPageView view = FrontPageView();
    if (view != HostPageView::None) DrawBox(view);
}

void EXGM_RectTool::Deactivate() {
    // Drawn again without the outline: the guide lines lie on it and take its place.
    const HostPageView view = FrontPageView();
    if (view != HostPageView::None) DrawBox(view);
}

bool EXGM_RectTool::ComputeEnabled() { return true; }

bool EXGM_RectTool::IsPersistent() { return true; }

HostAtom EXGM_RectTool::GetType() { return Core_AtomFromName(m_typeName); }

void EXGM_RectTool::GetBox(HostPage page, FixedRect& out) { EXGM_GetBox(page, m_kind, &out); }

void EXGM_RectTool::SetBox(HostPage page, const FixedRect& box) { EXGM_SetBox(page, m_kind, box); }

void EXGM_RectTool::DidRegister() {
    LoadColor(GetColorID(), &m_fullColor);
    m_guideColor.space = m_fullColor.space;
    for (int i = 0; i < 4; ++i) m_guideColor.value[i] = m_fullColor.value[i] / 2;
}

bool EXGM_RectTool::AdjustCursor(HostPageView view, int16_t x, int16_t y) {
    if (!IsActive()) return false;
    HostDevRect device;
    View_PageRectToDevice(view, &m_box, &device);
    const int32_t id = CursorIdOf(HitTestRect(x, y, device));
    const HCURSOR own = id != 0 ? LoadCursor(id) : nullptr;
    // The host takes the platform's cursor handle as it is.
    View_SetCursor(own != nullptr ? static_cast<HostCursor>(reinterpret_cast<uintptr_t>(own)) : View_StandardCursor(0));
    return true;
}

bool EXGM_RectTool::DoClick(HostPageView view, int16_t x, int16_t y, int16_t, int16_t) {
    if (!IsActive()) return false;
    View_BeginOperation(view);
    HostDevRect r;
    View_PageRectToDevice(view, &m_box, &r);
    const int zone = HitTestRect(x, y, r);
    HostDevRect visible;
    View_PageViewAperture(view, &visible);
    const HostDevRect startDevice = r;
    // A box stored reversed is dragged by the edges the user sees, which the normal form names.
    const FixedRect startPage = Normalised(m_box);
    // The view may be turned on top of the page's rotation: the edges correspond by the whole turn, which
    // stays the same for the whole drag.
    const int turns = QuarterTurnsOfView(view, startPage);

    const bool top = (zone & kHitTop) != 0;
    const bool left = (zone & kHitLeft) != 0;
    const bool bottom = (zone & kHitBottom) != 0;
    const bool right = (zone & kHitRight) != 0;
    // Lines across the whole view along the grabbed edges; the feedback's other edges lie outside the view.
    HostDevRect horizontal = Grown(visible, kGuideOverhang);
    if (top) horizontal.top = r.top;
    if (bottom) horizontal.bottom = r.bottom;
    HostDevRect vertical = Grown(visible, kGuideOverhang);
    if (left) vertical.left = r.left;
    if (right) vertical.right = r.right;
    // Inverting twice restores the view, so the same call draws and erases.
    auto invertFeedback = [&] {
        if (top || bottom) View_DrawInvertedRect(view, &horizontal);
        if (left || right) View_DrawInvertedRect(view, &vertical);
    };
    auto takeGrabbedEdges = [&] {
        if (top) r.top = horizontal.top;
        if (bottom) r.bottom = horizontal.bottom;
        if (left) r.left = vertical.left;
        if (right) r.right = vertical.right;
    };

    invertFeedback();
    int16_t lastX = x;
    int16_t lastY = y;
    while (View_MouseIsStillDown()) {
        int16_t mouseX = lastX;
        int16_t mouseY = lastY;
        View_MousePosition(view, &mouseX, &mouseY);
        if (mouseX == lastX && mouseY == lastY) continue;
        invertFeedback();
        const int dx = mouseX - lastX;
        const int dy = mouseY - lastY;
        if (top) horizontal.top = Px(horizontal.top + dy);
        if (bottom) horizontal.bottom = Px(horizontal.bottom + dy);
        if (left) vertical.left = Px(vertical.left + dx);
        if (right) vertical.right = Px(vertical.right + dx);
        lastX = mouseX;
        lastY = mouseY;
        takeGrabbedEdges();
        invertFeedback();
        NotifyListeners(DeviceToPage(view, r, startDevice, startPage, turns));
    }
    invertFeedback();
    takeGrabbedEdges();
    ChangeBox(DeviceToPage(view, r, startDevice, startPage, turns), view);
    View_EndOperation(view);
    return true;
}

FixedRect EXGM_RectTool::DeviceToPage(HostPageView view, const HostDevRect& device, const HostDevRect& startDevice,
                                      const FixedRect& startPage, int turns) {
    FixedRect page;
    View_DeviceRectToPage(view, &device, &page);
    HostDevRect normal = device;
    if (normal.left > normal.right) std::swap(normal.left, normal.right);
    if (normal.top > normal.bottom) std::swap(normal.top, normal.bottom);

    if (turns < 0) return page;
    const Edge* pageEdge = kPageEdgeAt[turns];
    enum { kLeft, kTop, kRight, kBottom };
    // An edge that ends where an edge of the start lay takes that edge's page value: undragged edges stay
    // exact, and an edge dragged across its opposite takes the opposite's value without rounding drift.
    auto keep = [&](int16_t now, int index, int16_t startSame, int16_t startOpposite, int opposite) {
        if (now == startSame) {
            page.*pageEdge[index] = startPage.*pageEdge[index];
        } else if (now == startOpposite) {
            page.*pageEdge[index] = startPage.*pageEdge[opposite];
        }
    };
    keep(normal.left, kLeft, startDevice.left, startDevice.right, kRight);
    keep(normal.right, kRight, startDevice.right, startDevice.left, kLeft);
    keep(normal.top, kTop, startDevice.top, startDevice.bottom, kBottom);
    keep(normal.bottom, kBottom, startDevice.bottom, startDevice.top, kTop);
    return page;
}

void EXGM_RectTool::AddListener(EXGM_GeometryListener* listener) { m_listeners.push_back(listener); }

void EXGM_RectTool::RemoveListener(EXGM_GeometryListener* listener) { std::erase(m_listeners, listener); }

void EXGM_RectTool::NotifyListeners(const FixedRect& box) {
    const BoxKind kind = GetBoxKind();
    for (EXGM_GeometryListener* listener : m_listeners) listener->GeometryChanged(box, kind);
}

void EXGM_RectTool::ChangeBox(const FixedRect& box, HostPageView view) {
    if (box == m_box) return;
    HostDevRect before;
    View_PageRectToDevice(view, &m_box, &before);
    EXGM_StampModDate(View_DocOfDocView(View_DocViewOfPageView(view)));
    NotifyListeners(box);
    SetBox(View_PageOfPageView(view), box);
    DrawBox(view);

    // The old guide line of each moved edge stays until the host repaints it.
    HostDevRect after;
    View_PageRectToDevice(view, &box, &after);
    HostDevRect visible;
    View_PageViewAperture(view, &visible);
    const HostDevRect area = Grown(visible, kGuideOverhang);
    auto repaint = [&](const HostDevRect& strip) {
        View_InvalidateRect(view, &strip);
        View_DrawNow(view);
    };
    if (after.top != before.top) repaint({area.left, before.top, area.right, Px(before.top + 1)});
    if (after.left != before.left) repaint({before.left, area.top, Px(before.left + 1), area.bottom});
    if (after.bottom != before.bottom) repaint({area.left, Px(before.bottom - 1), area.right, before.bottom});
    if (after.right != before.right) repaint({Px(before.right - 1), area.top, before.right, area.bottom});
    DrawBox(view);
}

void EXGM_RectTool::LocateBox(HostPageView view, const BoxUse& use) {
    const AcquiredPage page(view);
    if (page.Get() == HostPage::None) return;
    GetBox(page.Get(), m_box);
    HostDevRect visible;
    View_PageViewAperture(view, &visible);
    HostDevRect box;
    View_PageRectToDevice(view, &m_box, &box);
    use(visible, box);
}

void EXGM_RectTool::DrawBox(HostPageView view) {
    LocateBox(view, [&](const HostDevRect& visible, const HostDevRect& box) {
        View_SetDrawingColor(view, &m_guideColor);
        const HostDevRect across = Grown(visible, kGuideOverhang);
        const HostDevRect vertical{box.left, across.top, box.right, across.bottom};
        View_DrawRectOutline(view, &vertical, 1, nullptr, 0);
        const HostDevRect horizontal{across.left, box.top, across.right, box.bottom};
        View_DrawRectOutline(view, &horizontal, 1, nullptr, 0);
        if (IsActive()) {
            View_SetDrawingColor(view, &m_fullColor);
            View_DrawRectOutline(view, &box, 1, nullptr, 0);
        }
    });
}

void EXGM_RectTool::EraseBox(HostPageView view) {
    LocateBox(view, [&](const HostDevRect& visible, const HostDevRect& box) {
        const HostDevRect across = Grown(visible, kStripOverhang);
        const HostDevRect strips[] = {
            {box.left, across.top, Px(box.left + 1), across.bottom},
            {Px(box.right - 1), across.top, box.right, across.bottom},
            {across.left, box.top, across.right, Px(box.top + 1)},
            {across.left, Px(box.bottom - 1), across.right, box.bottom},
        };
        for (const HostDevRect& strip : strips) View_InvalidateRect(view, &strip);
    });
}

EXGM_RectTool* EXGM_BoxToolFor(BoxKind kind) {
    switch (kind) {
        case kMediaBox:
            return &gMediaBoxTool;
        case kCropBox:
            return &gCropBoxTool;
        case kTrimBox:
            return &gTrimBoxTool;
        case kArtBox:
            return &gArtBoxTool;
        case kBleedBox:
            return &gBleedBoxTool;
        default:
            return nullptr;
    }
}
