#include "host/view/HostDocViews.h"

#include <algorithm>
#include <filesystem>

#include "HostRecords.h"
#include "host/core/Host.h"
#include "host/core/HostError.h"
#include "host/core/HostText.h"
#include "host/document/HostDocument.h"
#include "host/document/HostDocuments.h"

namespace {

constexpr wchar_t kDocWindowClass[] = L"GeomHostDocView";

}  // namespace

HostDocViews::HostDocViews(Host& host) : m_host(host) {}

HostDocViews::~HostDocViews() {
    for (View& view : m_views) DestroyWindowOf(view);
}

void HostDocViews::DestroyWindowOf(View& view) {
    // The host window goes with its platform window; the main window may already have taken both along.
    if (view.platform != nullptr && IsWindow(view.platform)) DestroyWindow(view.platform);
    view.platform = nullptr;
}

void HostDocViews::DropClosed() {
    for (View& view : m_views) {
        if (m_host.Documents().Find(view.doc) == nullptr) DestroyWindowOf(view);
    }
    std::erase_if(m_views, [&](const View& view) { return m_host.Documents().Find(view.doc) == nullptr; });
}

HostDocViews::View& HostDocViews::Get(HostDocView view) {
    DropClosed();
    const auto found = std::find_if(m_views.begin(), m_views.end(), [&](const View& v) { return v.view == view; });
    if (found == m_views.end()) throw HostError(kHostGeneralError, "no such document view");
    return *found;
}

HostDocView HostDocViews::Open(HostDoc doc, const std::string& title) {
    DropClosed();
    HostDocument* document = m_host.Documents().Find(doc);
    if (document == nullptr) throw HostError(kHostGeneralError, "the document is not open");
    const HostDocView previousFront = m_views.empty() ? HostDocView::None : m_views.back().view;
    const auto shown = std::find_if(m_views.begin(), m_views.end(), [&](const View& v) { return v.doc == doc; });
    const bool isNew = shown == m_views.end();
    if (!isNew) {
        std::rotate(shown, shown + 1, m_views.end());
        if (IsWindow(m_views.back().platform)) {
            SetWindowPos(m_views.back().platform, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    } else {
        View view;
        view.view = static_cast<HostDocView>(m_next++);
        view.doc = doc;
        view.title = title.empty() ? std::filesystem::path(document->Path()).filename().string() : title;
        view.pageView = std::make_unique<HostPageViewState>(
            m_host.Documents(), static_cast<HostPageView>(static_cast<uint32_t>(view.view)), view.view, doc);
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.lpszClassName = kDocWindowClass;
        RegisterClassW(&windowClass);  // fails harmlessly when it is registered already
        view.platform = CreateWindowExW(0, kDocWindowClass, HostWiden(view.title).c_str(), WS_CHILD | WS_VISIBLE, 0, 0,
                                        HostPageViewState::kWidth, HostPageViewState::kHeight,
                                        m_host.Windows().MainWindow(), nullptr, nullptr, nullptr);
        if (view.platform == nullptr) throw HostError(kHostGeneralError, "no window for the document view");
        view.window = m_host.Windows().NewAroundPlatform(view.platform, nullptr, HostExtension::None);
        m_views.push_back(std::move(view));
    }
    const HostDocView front = m_views.back().view;
    m_host.Out() << "[view] " << m_views.back().title << "\n";
    // Plug-in code runs from here on and may close views: only the handle is used after it.
    if (isNew) m_host.PageViews().Redraw(*m_views.back().pageView);
    if (front != previousFront) m_host.Notify(kNotifyFrontDocDidChange, front);
    return front;
}

bool HostDocViews::CloseDocument(HostDoc doc) {
    DropClosed();
    const HostDocView previousFront = Front();
    for (View& view : m_views) {
        if (view.doc == doc) DestroyWindowOf(view);
    }
    std::erase_if(m_views, [&](const View& view) { return view.doc == doc; });
    const bool closed = m_host.Documents().Close(doc);
    if (Front() != previousFront) m_host.Notify(kNotifyFrontDocDidChange, Front());
    return closed;
}

HostDocView HostDocViews::Front() {
    DropClosed();
    return m_views.empty() ? HostDocView::None : m_views.back().view;
}

HostDoc HostDocViews::DocOf(HostDocView view) { return Get(view).doc; }

const std::string& HostDocViews::TitleOf(HostDocView view) { return Get(view).title; }

HostWindow HostDocViews::WindowOf(HostDocView view) { return Get(view).window; }

int32_t HostDocViews::KindOf(HostDocView view) { return Get(view).kind; }

void HostDocViews::SetKind(HostDocView view, int32_t kind) { Get(view).kind = kind; }

HostPageView HostDocViews::PageViewOf(HostDocView view) { return Get(view).pageView->Handle(); }

std::vector<HostDocView> HostDocViews::Views() {
    DropClosed();
    std::vector<HostDocView> views;
    for (const View& view : m_views) views.push_back(view.view);
    return views;
}

HostPageViewState& HostDocViews::PageView(HostPageView view) {
    DropClosed();
    for (View& shown : m_views) {
        if (shown.pageView->Handle() == view) return *shown.pageView;
    }
    throw HostError(kHostGeneralError, "no such page view");
}

HostPageViewState* HostDocViews::FrontPageView() {
    DropClosed();
    return m_views.empty() ? nullptr : m_views.back().pageView.get();
}
