#include "host/view/HostPageViews.h"

#include <dlfcn.h>

#include <algorithm>
#include <filesystem>
#include <optional>

#include "HostRecords.h"
#include "host/core/Host.h"
#include "host/core/HostError.h"
#include "host/ui/HostCommand.h"
#include "host/view/HostPageViewState.h"

HostPageViews::HostPageViews(Host& host) : m_host(host) {}

HostExtension HostPageViews::OwnerOfCode(HostProc proc) {
    // The procedure comes without its plug-in's extension, so the module that holds its code tells.
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(proc), &info) == 0 || info.dli_fname == nullptr) return HostExtension::None;
    for (const auto& plugin : m_host.Plugins()) {
        std::error_code error;
        if (plugin->module != nullptr && std::filesystem::equivalent(info.dli_fname, plugin->linuxPath, error)) {
            return plugin->extension;
        }
    }
    return HostExtension::None;
}

HostCallback HostPageViews::RegisterDrawProc(HostProc proc, void* clientData) {
    if (proc == nullptr) throw HostError(kHostGeneralError, "no function to draw with");
    const auto registration = static_cast<HostCallback>(m_nextRegistration++);
    m_drawProcs.push_back({registration, proc, clientData, OwnerOfCode(proc)});
    return registration;
}

void HostPageViews::UnregisterDrawProc(HostCallback registration) {
    if (std::erase_if(m_drawProcs, [&](const DrawProc& p) { return p.registration == registration; }) == 0) {
        throw HostError(kHostGeneralError, "no such draw procedure");
    }
}

std::size_t HostPageViews::ForgetDrawProcsOf(HostExtension owner) {
    if (owner == HostExtension::None) return 0;
    return std::erase_if(m_drawProcs, [&](const DrawProc& p) { return p.owner == owner; });
}

void HostPageViews::Redraw(HostPageViewState& view) {
    const std::optional<HostDevRect> invalid = view.TakeInvalid();
    view.Record(invalid ? "redraw " + HostPageViewState::Text(*invalid) : "redraw");
    if (invalid) {
        view.Screen().Repaint(*invalid);
    } else {
        view.Screen().PaintAll();
    }
    const HostPageView handle = view.Handle();
    // A procedure may unregister itself or others while the host draws; those not yet called are skipped.
    const std::vector<DrawProc> procs = m_drawProcs;
    for (const DrawProc& proc : procs) {
        const bool live = std::any_of(m_drawProcs.begin(), m_drawProcs.end(),
                                      [&](const DrawProc& p) { return p.registration == proc.registration; });
        if (!live) continue;
        auto draw = reinterpret_cast<HostPageViewDrawProc>(proc.proc);
        m_host.CallPlugin("page view draw", [&] { draw(handle, proc.clientData); });
    }
}

void HostPageViews::DrawNow(HostPageViewState& view) {
    view.Record("draw now");
    // Only invalidated parts are repainted.
    if (view.HasInvalid()) Redraw(view);
}

void HostPageViews::Enumerate(HostProc proc, void* clientData) {
    if (proc == nullptr) throw HostError(kHostGeneralError, "no function to call for the page views");
    std::vector<HostDocView> views = m_host.DocViews().Views();
    std::reverse(views.begin(), views.end());
    auto visit = reinterpret_cast<HostEnumPageViewsProc>(proc);
    for (HostDocView view : views) {
        // A view the procedure closed on the way is not visited.
        const std::vector<HostDocView> open = m_host.DocViews().Views();
        if (std::find(open.begin(), open.end(), view) == open.end()) continue;
        const HostPageView pageView = m_host.DocViews().PageViewOf(view);
        HostBool more = false;
        if (!m_host.CallPlugin("page view enumeration", [&] { more = visit(pageView, clientData); }) || !more) return;
    }
}

void HostPageViews::Changed(HostPageViewState& view, int32_t flags) {
    const HostPageView handle = view.Handle();
    Redraw(view);
    m_host.Notify(kNotifyPageViewDidChange, handle, flags);
}

void HostPageViews::ShowPage(HostPageViewState& view, int32_t page) {
    if (page == view.PageNumber()) return;
    view.SetPageNumber(page);
    Changed(view, kPageViewPageChanged);
}

void HostPageViews::SetZoom(HostPageViewState& view, Fixed zoom) {
    if (zoom == view.Zoom()) return;
    view.SetZoom(zoom);
    Changed(view, kPageViewZoomed);
}

void HostPageViews::SetViewRotation(HostPageViewState& view, int32_t degrees) {
    const int16_t before = view.ViewRotation();
    view.SetViewRotation(degrees);
    if (view.ViewRotation() != before) Changed(view, kPageViewRotated);
}

void HostPageViews::SetScroll(HostPageViewState& view, HostDevPoint scroll) {
    if (scroll.h == view.Scroll().h && scroll.v == view.Scroll().v) return;
    view.SetScroll(scroll);
    Changed(view, kPageViewScrolled);
}

std::vector<HostDevPoint> HostPageViews::Path(HostDevPoint from, HostDevPoint to, int steps) {
    std::vector<HostDevPoint> path{from};
    for (int i = 1; i <= steps; ++i) {
        // Rounded to the nearest pixel, so that the last step ends exactly at `to`.
        const auto along = [&](int a, int b) {
            const int64_t scaled = int64_t{b - a} * i * 2 + (b >= a ? steps : -steps);
            return static_cast<int16_t>(a + scaled / (2 * steps));
        };
        path.push_back({along(from.h, to.h), along(from.v, to.v)});
    }
    return path;
}

bool HostPageViews::Drag(HostPageViewState& view, const std::vector<HostDevPoint>& path, int32_t modifiers) {
    if (path.empty()) throw HostError(kHostGeneralError, "a click needs a position");
    std::size_t next = 1;
    const bool handled = Press(view, path.front(), modifiers, [&]() -> std::optional<HostDevPoint> {
        if (next == path.size()) return std::nullopt;
        return path[next++];
    });
    // A tool that stopped following the mouse still leaves it where the user let go.
    m_mouse = path.back();
    return handled;
}

bool HostPageViews::Press(HostPageViewState& view, HostDevPoint at, int32_t modifiers, MouseSource next) {
    if (m_buttonDown) throw HostError(kHostGeneralError, "the mouse button is down already");
    const HostPageView handle = view.Handle();
    m_mouse = at;
    m_host.Tools().AdjustCursor(handle, m_mouse.h, m_mouse.v);
    m_next = std::move(next);
    m_buttonDown = true;
    const int32_t previousModifiers = HostSetKeyModifiers(modifiers);
    bool handled = false;
    try {
        handled = m_host.Tools().Click(handle, m_mouse.h, m_mouse.v, static_cast<int16_t>(modifiers), 1);
    } catch (...) {
        HostSetKeyModifiers(previousModifiers);
        m_next = nullptr;
        m_buttonDown = false;
        throw;
    }
    HostSetKeyModifiers(previousModifiers);
    m_next = nullptr;
    m_buttonDown = false;
    return handled;
}

bool HostPageViews::MouseIsStillDown() {
    if (m_pollObserver) m_pollObserver();
    const std::optional<HostDevPoint> next = m_next ? m_next() : std::nullopt;
    if (!next) return false;
    m_mouse = *next;
    return true;
}
