// The tool that changes one page box by dragging its edges, a corner or the whole box on the page view. It
// keeps its own copy of the box of the view's current page, draws the box as guide lines across the view
// (and its outline while active), tells its listeners of every move and writes the box on release. The box
// classes only say which box; the dialog tools make them active as their sub-tools.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "EXGM/EXGM_Utils.h"
#include "HostTypes.h"
#include "XCHG/XCHG_AVToolObj.h"

class EXGM_GeometryListener;

class EXGM_RectTool : public XCHG_AVToolObj {
public:
    // `colorId` is the "PDCL" colour resource of the box's outline, `typeName` the tool's name with the host.
    EXGM_RectTool(BoxKind kind, int32_t colorId, const char* typeName);
    ~EXGM_RectTool() override;

    void Activate(HostBool persistent) override;
    bool AdjustCursor(HostPageView view, int16_t x, int16_t y) override;
    bool ComputeEnabled() override;
    void Deactivate() override;
    bool DoClick(HostPageView view, int16_t x, int16_t y, int16_t flags, int16_t clickCount) override;
    void DidRegister() override;
    bool IsPersistent() override;
    HostAtom GetType() override;

    int32_t GetColorID() const { return m_colorId; }
    BoxKind GetBoxKind() const { return m_kind; }
    // The box of the page as the page shows it, with its fallbacks.
    void GetBox(HostPage page, FixedRect& out);
    virtual void SetBox(HostPage page, const FixedRect& box);

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
    // Reads the box of the view's current page into the box copy and, while the page is held, tells `use` where
    // the visible area and the box lie in the view. Nothing happens without a page.
    using BoxUse = std::function<void(const HostDevRect& visible, const HostDevRect& box)>;
    void LocateBox(HostPageView view, const BoxUse& use);
    // The device rectangle back to points; edges that did not move keep the start's exact values. `turns`
    // is the view's whole turn in quarters (the row of edges), or -1 for none known.
    FixedRect DeviceToPage(HostPageView view, const HostDevRect& device, const HostDevRect& startDevice,
                           const FixedRect& startPage, int turns);

    const BoxKind m_kind;
    const int32_t m_colorId;
    const char* const m_typeName;
    FixedRect m_box{};
    HostColor m_fullColor{};
    HostColor m_guideColor{};
    std::vector<EXGM_GeometryListener*> m_listeners;
};

// The tool of a box kind; null for a value that is no box.
EXGM_RectTool* EXGM_BoxToolFor(BoxKind kind);
