// A top-level window of the platform's window manager on the desktop: painted from the window tree (the
// same picture as geomhost's "render-window"), placed where the window manager says, and the user's clicks,
// keys, activation and closing turned into the platform's own user actions on the control under the mouse or the focus.
// The window manager stays the one truth about the window: this widget holds no state of its own.
#pragma once

#include <QWidget>

#include "Win32.h"

class GeomWindowView : public QWidget {
    Q_OBJECT
public:
    GeomWindowView(HWND window, QWidget* owner);
    HWND Window() const { return m_window; }
    // Takes the window's title, place and look from the window manager again.
    void Refresh();

Q_SIGNALS:
    // The user acted on the window.
    void Acted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The innermost shown control under a point of this widget; the window itself when none.
    HWND ControlAt(const QPoint& point) const;
    void Choose(HWND control, const QPoint& point);

    HWND m_window;
};
