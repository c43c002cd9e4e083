// The document view of geomview: the host's front page view as the user sees it (the page rendered by
// poppler with the plug-ins' drawing over it, the same picture as geomhost's "render"), and the mouse on it
// handed to the active tool through the host. A press runs the tool's click at once; while the tool polls
// the mouse, Qt's events are delivered, so that the moves and the release of the real mouse reach it and the
// view and the dialogs repaint as the mouse goes.
#pragma once

#include <QImage>
#include <QWidget>

#include <deque>
#include <optional>

#include "HostTypes.h"
#include "host/render/HostViewPicture.h"

class Host;

class GeomPageView : public QWidget {
    Q_OBJECT
public:
    GeomPageView(Host& host, QWidget* parent = nullptr);
    // What the view shows now.
    QImage Picture();

Q_SIGNALS:
    // The user acted on the page; what the plug-ins changed should show.
    void Acted();
    // The mouse moved during a drag: the windows that follow it should show it now (menus and toolbars
    // wait for the drag's end).
    void Moved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::optional<HostDevPoint> Poll();
    static HostDevPoint DeviceOf(const QPointF& position);

    Host& m_host;
    HostViewPicture m_picture{72};
    QImage m_image;  // the last picture, whose memory the next one reuses
    struct Step {
        HostDevPoint at;
        bool released;
    };
    bool m_buttonDown = false;
    HostDevPoint m_mouse{0, 0};  // where the tool last saw the mouse
    std::deque<Step> m_steps;    // what the mouse did that the tool has not seen yet
};
