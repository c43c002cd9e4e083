// The platform's screen on the desktop: a GeomWindowView for every shown top-level window of the window
// manager, kept in step after each thing the user does. A Qt timer moves the window manager's clock and runs
// its idle step, so that its timers fire and what the plug-ins posted is delivered. While a plug-in runs a
// modal loop, the loop waits for the user here: Qt's events are delivered until the user has acted.
#pragma once

#include <QObject>
#include <QTimer>

#include <map>
#include <string>

#include "Win32.h"

class GeomWindowView;
class QWidget;

class GeomDesktop : public QObject {
    Q_OBJECT
public:
    static constexpr int kTick = 50;  // milliseconds of the window manager's clock a tick of the timer

    explicit GeomDesktop(QWidget* owner);
    ~GeomDesktop() override;

    // Shows the windows the window manager shows now, and only those, each as it is now.
    void Sync();
    // The view of the shown top-level window of that title; null when there is none.
    GeomWindowView* ViewOf(const std::string& title) const;

Q_SIGNALS:
    // The user acted in a window, or the window manager delivered something: what shows may have changed.
    void Changed();

private:
    static BOOL WaitForUser(HWND waitingFor, void* self);
    void Tick();

    QWidget* m_owner;
    std::map<HWND, GeomWindowView*> m_views;
    QTimer m_clock;
    int m_waiting = 0;  // modal loops waiting for the user
};
