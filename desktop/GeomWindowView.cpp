#include "desktop/GeomWindowView.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include <string>
#include <vector>

#include "desktop/GeomImages.h"
#include "host/render/HostWindowPicture.h"
#include "host/view/HostScreenText.h"
#include "win32sub/Desktop.h"

namespace {

WINSUB_WINDOWINFO InfoOf(HWND window) {
    WINSUB_WINDOWINFO info{};
    WinSub_GetWindowInfo(window, &info);
    return info;
}

bool Contains(const RECT& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

struct KeyOf {
    int qt;
    UINT key;
};
constexpr KeyOf kKeys[] = {
    {Qt::Key_Return, VK_RETURN},  {Qt::Key_Enter, VK_RETURN},  {Qt::Key_Escape, VK_ESCAPE}, {Qt::Key_Tab, VK_TAB},
    {Qt::Key_Backspace, VK_BACK}, {Qt::Key_Delete, VK_DELETE}, {Qt::Key_Left, VK_LEFT},     {Qt::Key_Right, VK_RIGHT},
    {Qt::Key_Up, VK_UP},          {Qt::Key_Down, VK_DOWN},     {Qt::Key_Home, VK_HOME},     {Qt::Key_End, VK_END},
};

}  // namespace

GeomWindowView::GeomWindowView(HWND window, QWidget* owner) : QWidget(owner, Qt::Tool), m_window(window) {
    setFocusPolicy(Qt::StrongFocus);
    Refresh();
}

void GeomWindowView::Refresh() {
    const WINSUB_WINDOWINFO info = InfoOf(m_window);
    setWindowTitle(QString::fromStdString(HostShownText(m_window)));
    const QSize size(info.screen.right - info.screen.left, info.screen.bottom - info.screen.top);
    if (size != this->size()) setFixedSize(size);
    update();
}

void GeomWindowView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, GeomImageOf(HostWindowPicture(m_window).Picture()));
}

HWND GeomWindowView::ControlAt(const QPoint& point) const {
    const WINSUB_WINDOWINFO top = InfoOf(m_window);
    const POINT screen{top.screen.left + point.x(), top.screen.top + point.y()};
    HWND found = m_window;
    for (bool deeper = true; deeper;) {
        deeper = false;
        for (HWND child : HostWindowsOf(found)) {  // the top of the Z order first
            const WINSUB_WINDOWINFO info = InfoOf(child);
            if (info.shown && Contains(info.screen, screen)) {
                found = child;
                deeper = true;
                break;
            }
        }
    }
    return found;
}

void GeomWindowView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const HWND control = ControlAt(event->position().toPoint());
    const WINSUB_WINDOWINFO info = InfoOf(control);
    if (control != m_window && info.entryCount >= 0) {
        Choose(control, event->position().toPoint());
    } else if (control != m_window) {
        WinSub_Click(control);
    }
    Q_EMIT Acted();
}

// A combo box drops its list down as a menu; a list box takes the entry under the mouse.
void GeomWindowView::Choose(HWND control, const QPoint& point) {
    const WINSUB_WINDOWINFO info = InfoOf(control);
    if (std::wstring(info.className) == L"ListBox") {
        const int top = info.screen.top - InfoOf(m_window).screen.top + 2;
        const int index = (point.y() - top) / HostWindowPicture::ListRowHeight();
        if (index >= 0 && index < info.entryCount) WinSub_ChooseEntry(control, index);
        return;
    }
    QMenu entries(this);
    for (int i = 0; i < info.entryCount; ++i) {
        QAction* entry = entries.addAction(QString::fromStdWString(HostEntryText(control, i)));
        entry->setData(i);
        entry->setCheckable(true);
        entry->setChecked(i == info.selection);
    }
    const WINSUB_WINDOWINFO top = InfoOf(m_window);
    const QPoint below(info.screen.left - top.screen.left, info.screen.bottom - top.screen.top);
    if (QAction* chosen = entries.exec(mapToGlobal(below))) WinSub_ChooseEntry(control, chosen->data().toInt());
}

void GeomWindowView::keyPressEvent(QKeyEvent* event) {
    UINT modifiers = 0;
    if (event->modifiers() & Qt::ShiftModifier) modifiers |= WINSUB_SHIFT;
    if (event->modifiers() & Qt::ControlModifier) modifiers |= WINSUB_CONTROL;
    if (event->modifiers() & Qt::AltModifier) modifiers |= WINSUB_ALT;
    for (const KeyOf& key : kKeys) {
        if (event->key() == key.qt) {
            WinSub_PressKey(key.key, modifiers);
            Q_EMIT Acted();
            return;
        }
    }
    if ((modifiers & (WINSUB_CONTROL | WINSUB_ALT)) != 0 && event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z) {
        WinSub_PressKey(static_cast<UINT>('A' + event->key() - Qt::Key_A), modifiers);
    } else if (!event->text().isEmpty() && event->text()[0].isPrint()) {
        WinSub_TypeText(nullptr, event->text().toStdWString().c_str());
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    Q_EMIT Acted();
}

// The window the user brings forward becomes the platform's active one, so that keys go to its focus and
// not to another dialog's.
void GeomWindowView::focusInEvent(QFocusEvent* event) {
    if (GetActiveWindow() != m_window && IsWindowEnabled(m_window)) {
        SetActiveWindow(m_window);
        Q_EMIT Acted();
    }
    QWidget::focusInEvent(event);
}

// The close box: the window manager and the plug-in decide whether the window goes.
void GeomWindowView::closeEvent(QCloseEvent* event) {
    event->ignore();
    WinSub_Close(m_window);
    Q_EMIT Acted();
}
