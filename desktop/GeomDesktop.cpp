#include "desktop/GeomDesktop.h"

#include <QApplication>
#include <QWidget>

#include <set>
#include <vector>

#include "desktop/GeomWindowView.h"
#include "host/view/HostScreenText.h"
#include "win32sub/Desktop.h"

GeomDesktop::GeomDesktop(QWidget* owner) : m_owner(owner) {
    WinSub_SetInputSource(WaitForUser, this);
    connect(&m_clock, &QTimer::timeout, this, &GeomDesktop::Tick);
    m_clock.start(kTick);
}

GeomDesktop::~GeomDesktop() {
    WinSub_SetInputSource(nullptr, nullptr);
    for (auto& [window, view] : m_views) delete view;
}

void GeomDesktop::Sync() {
    std::set<HWND> shown;
    for (HWND window : HostWindowsOf(nullptr)) {
        WINSUB_WINDOWINFO info{};
        if (WinSub_GetWindowInfo(window, &info) && info.shown) shown.insert(window);
    }
    for (auto it = m_views.begin(); it != m_views.end();) {
        if (shown.count(it->first) != 0) {
            it->second->Refresh();
            ++it;
            continue;
        }
        it->second->deleteLater();
        it = m_views.erase(it);
    }
    for (HWND window : shown) {
        if (m_views.count(window) != 0) continue;
        auto* view = new GeomWindowView(window, m_owner);
        connect(view, &GeomWindowView::Acted, this, [this] {
            Sync();
            Q_EMIT Changed();
        });
        m_views[window] = view;
        // Beside the document window, where a modeless dialog does not hide the page.
        view->move(m_owner->frameGeometry().topRight() + QPoint(8, 0));
        view->show();
    }
}

GeomWindowView* GeomDesktop::ViewOf(const std::string& title) const {
    for (const auto& [window, view] : m_views) {
        if (HostShownText(window) == title) return view;
    }
    return nullptr;
}

void GeomDesktop::Tick() {
    if (m_waiting > 0) return;  // a modal loop delivers for itself
    WinSub_AdvanceClock(kTick);
    if (WinSub_Idle() == 0) return;
    Sync();
    Q_EMIT Changed();
}

BOOL GeomDesktop::WaitForUser(HWND, void* self) {
    auto* desktop = static_cast<GeomDesktop*>(self);
    desktop->Sync();
    ++desktop->m_waiting;
    QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    --desktop->m_waiting;
    return QApplication::closingDown() ? FALSE : TRUE;
}
