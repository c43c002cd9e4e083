// What the host does with its page views beyond their state: redraws them through the plug-ins' draw
// procedures, changes their page, zoom, rotation and scroll with notice to the plug-ins, and delivers the
// user's mouse on them to the active tool.
//
// Redrawing records "redraw" (with the invalidated area it repaints, if any) in the view's drawing record,
// then calls every registered draw procedure, in registration order, each inside Host::CallPlugin, with the
// page view. The host redraws a view when it opens, when its page, zoom, rotation or scroll changes, and on
// "draw now" (AcroView 127) when something of it was invalidated.
//
// The mouse. A click or a drag is a path of device positions: the press at the first, then one position
// for each step of the movement, the button released at the last. The host moves the mouse to the first
// position (asking the active tool for its cursor there), then calls the tool's click with it and the
// keyboard modifiers of the drag, which stay held until the click returns. While the tool runs, each poll
// of "mouse still down" (AcroView 157) moves the mouse to the next position of the path and answers true;
// once the mouse is at the last position the poll answers false: the button was released there. "Mouse
// position" (AcroView 132) tells where the mouse is now, without moving it. Outside a click the button is
// up, and the mouse stays where the last click left it.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "HostTypes.h"

class Host;
class HostPageViewState;

class HostPageViews {
public:
    explicit HostPageViews(Host& host);

    // Draw procedures (HostPageViewDrawProc). A registration is a handle of its own, only for unregistering.
    HostCallback RegisterDrawProc(HostProc proc, void* clientData);
    // A HostError for a registration that is not live.
    void UnregisterDrawProc(HostCallback registration);
    // Drops the draw procedures that live in the plug-in's module (it is about to be freed); how many.
    std::size_t ForgetDrawProcsOf(HostExtension owner);
    std::size_t DrawProcCount() const { return m_drawProcs.size(); }

    void Redraw(HostPageViewState& view);
    // Records "draw now", then redraws when something was invalidated.
    void DrawNow(HostPageViewState& view);

    // Calls `proc` (HostEnumPageViewsProc) for the page view of every document view, front first, until it
    // answers false or fails.
    void Enumerate(HostProc proc, void* clientData);

    // Changes with notice: a change that leaves the view as it was tells nobody. Each fails with a HostError
    // for a value the view cannot take.
    void ShowPage(HostPageViewState& view, int32_t page);
    void SetZoom(HostPageViewState& view, Fixed zoom);
    void SetViewRotation(HostPageViewState& view, int32_t degrees);
    void SetScroll(HostPageViewState& view, HostDevPoint scroll);

    // The user presses at path[0], moves along the path and releases at its last position (see above).
    // True when the active tool handled the click.
    bool Drag(HostPageViewState& view, const std::vector<HostDevPoint>& path, int32_t modifiers);
    // The same with a real mouse: each poll of the tool asks `next` where the mouse is while the button is
    // still down, and none once it was released.
    using MouseSource = std::function<std::optional<HostDevPoint>()>;
    bool Press(HostPageViewState& view, HostDevPoint at, int32_t modifiers, MouseSource next);
    // The straight path from `from` to `to` in `steps` moves (0: a click without movement).
    static std::vector<HostDevPoint> Path(HostDevPoint from, HostDevPoint to, int steps);
    bool MouseIsStillDown();
    HostDevPoint MousePosition() const { return m_mouse; }
    // Called at every poll of a drag, before the mouse moves on, so that a test sees the screen as the user
    // does while the mouse moves.
    void SetPollObserver(std::function<void()> observer) { m_pollObserver = std::move(observer); }

private:
    struct DrawProc {
        HostCallback registration;
        HostProc proc;
        void* clientData;
        HostExtension owner;  // the plug-in whose module holds the procedure; None for the host's own
    };
    HostExtension OwnerOfCode(HostProc proc);
    void Changed(HostPageViewState& view, int32_t flags);

    Host& m_host;
    std::vector<DrawProc> m_drawProcs;
    uint32_t m_nextRegistration = 0x40000001;  // apart from callback handles, so neither is taken for the other
    HostDevPoint m_mouse{0, 0};
    MouseSource m_next;  // where the mouse goes, while the button is down
    bool m_buttonDown = false;
    std::function<void()> m_pollObserver;
};
