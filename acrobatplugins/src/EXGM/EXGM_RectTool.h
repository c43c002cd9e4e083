// The tool that changes one page box by dragging its edges, a corner or the whole box on the page view. It
// keeps its own copy of the box of the view's current page, draws the box as guide lines across the view
// (and its outline while active), tells its listeners of every move and writes the box on release. The box
// classes only say which box; the dialog tools make them active as their sub-tools.
#pragma once

#include <cstdint>
#include <vector>

#include "EXGM/EXGM_Utils.h"
#include "HostTypes.h"
#include "XCHG/XCHG_AVToolObj.h"

class EXGM_GeometryListener;

class EXGM_RectTool : public XCHG_AVToolObj {
public:
    EXGM_RectTool();
    ~EXGM_RectTool() override;

    void Activate(HostBool persistent) override;
    bool AdjustCursor(HostPageView view, int16_t x, int16_t y) override;
    bool ComputeEnabled() override;
    void Deactivate() override;
    bool DoClick(HostPageView view, int16_t x, int16_t y, int16_t flags, int16_t clickCount) override;
    void DidRegister() override;
    bool IsPersistent() override;

    // The "PDCL" colour resource of the box's outline.
    virtual int32_t GetColorID() = 0;
    virtual BoxKind GetBoxKind() = 0;
    // The box of the page as the page shows it, with its fallbacks.
    virtual void GetBox(HostPage page, FixedRect& out) = 0;
    virtual void SetBox(HostPage page, const FixedRect& box) = 0;

    // Listeners are not owned; one added twice hears everything twice.
    void AddListener(EXGM_GeometryListener* listener);
    // Removes every entry of the listener.
    void RemoveListener(EXGM_GeometryListener* listener);
    void NotifyListeners(const FixedRect& box);
    // The one way the box is written: only on a change, with the document's stamp, notice to the listeners
    // and the moved edges redrawn.
    void ChangeBox(const FixedRect& box, HostPageView view);
    // Reads the box of the view's current page into the copy, then draws it straight into the view.
    void DrawBox(HostPageView view);
    // Lets the host repaint where DrawBox drew.
    void EraseBox(HostPageView view);

    const FixedRect& Box() const { return m_box; }
    const HostColor& FullColor() const { return m_fullColor; }
    const HostColor& GuideColor() const { return m_guideColor; }

private:
    // Reads the box of `page` into the box copy; where the box and the visible area lie in the view.
    void LocateBox(HostPageView view, HostPage page, HostDevRect& visible, HostDevRect& box);
    // The device rectangle back to points; edges that did not move keep the start's exact values.
    FixedRect DeviceToPage(HostPageView view, const HostDevRect& device, const HostDevRect& startDevice,
                           const FixedRect& startPage);

    FixedRect m_box{};
    HostColor m_fullColor{};
    HostColor m_guideColor{};
    std::vector<EXGM_GeometryListener*> m_listeners;
};

// The tool of a box kind; null for a value that is no box.
EXGM_RectTool* EXGM_BoxToolFor(BoxKind kind);
