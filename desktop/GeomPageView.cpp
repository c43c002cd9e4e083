#include "desktop/GeomPageView.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "desktop/GeomImages.h"
#include "host/core/Host.h"
#include "host/ui/HostCommand.h"
#include "host/view/HostPageViewState.h"

GeomPageView::GeomPageView(Host& host, QWidget* parent) : QWidget(parent), m_host(host) {
    setFixedSize(HostPageViewState::kWidth, HostPageViewState::kHeight);
    setMouseTracking(true);  // the active tool chooses the cursor for each place on the page
}

QImage GeomPageView::Picture() {
    HostPageViewState* view = m_host.DocViews().FrontPageView();
    if (view == nullptr) {
        QImage empty(width(), height(), QImage::Format_RGB32);
        const HostPicture::Rgb desk = HostViewPicture::kDesk;
        empty.fill(qRgb(desk.r, desk.g, desk.b));
        return empty;
    }
    GeomImageInto(m_picture.Draw(*view, m_host.Documents().Get(view->Doc())), m_image);
    return m_image;
}

void GeomPageView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, Picture());
}

HostDevPoint GeomPageView::DeviceOf(const QPointF& position) {
    const auto clamp = [](double value) { return static_cast<int16_t>(std::clamp(value, -32768.0, 32767.0)); };
    return {clamp(position.x()), clamp(position.y())};
}

void GeomPageView::mousePressEvent(QMouseEvent* event) {
    HostPageViewState* view = m_host.DocViews().FrontPageView();
    if (event->button() != Qt::LeftButton || view == nullptr || m_buttonDown) return;
    int32_t modifiers = 0;
    if (event->modifiers() & Qt::ShiftModifier) modifiers |= kHostKeyShift;
    if (event->modifiers() & Qt::ControlModifier) modifiers |= kHostKeyControl;
    if (event->modifiers() & Qt::AltModifier) modifiers |= kHostKeyAlt;
    m_buttonDown = true;
    m_mouse = DeviceOf(event->position());
    m_steps.clear();
    m_host.PageViews().Press(*view, m_mouse, modifiers, [this] { return Poll(); });
    m_buttonDown = false;  // a tool that stopped following the mouse before the release leaves the rest
    m_steps.clear();
    update();
    Q_EMIT Acted();
}

// Between two polls the user sees what the tool drew, and the tool waits for the mouse to do something: the
// drag costs nothing while the mouse stands still. Each poll takes one step of the mouse, so that the tool
// sees every position, the last one before the release too, as with a path the script gives.
std::optional<HostDevPoint> GeomPageView::Poll() {
    repaint();
    Q_EMIT Moved();
    while (m_steps.empty()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const Step step = m_steps.front();
    m_steps.pop_front();
    if (step.released) return std::nullopt;
    m_mouse = step.at;
    return m_mouse;
}

void GeomPageView::mouseMoveEvent(QMouseEvent* event) {
    const HostDevPoint at = DeviceOf(event->position());
    if (m_buttonDown) {
        m_steps.push_back({at, false});
        return;
    }
    HostPageViewState* view = m_host.DocViews().FrontPageView();
    const bool chosen = view != nullptr && m_host.Tools().AdjustCursor(view->Handle(), at.h, at.v);
    setCursor(chosen ? GeomCursorOf(reinterpret_cast<HCURSOR>(static_cast<uintptr_t>(m_host.Windows().Cursor())))
                     : QCursor(Qt::ArrowCursor));
}

void GeomPageView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_buttonDown) return;
    const HostDevPoint at = DeviceOf(event->position());
    const HostDevPoint last = m_steps.empty() ? m_mouse : m_steps.back().at;
    if (at.h != last.h || at.v != last.v) m_steps.push_back({at, false});
    m_steps.push_back({at, true});
}
