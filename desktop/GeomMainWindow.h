// geomview's main window: the host's menu bar and toolbars as the plug-ins made them (icons from their
// bitmaps, help texts as tool tips, flyouts as drop-down buttons, enabled and marked states asked anew after
// everything the user does), the document view, and the host's File commands: Open, Save, Save As, recent
// files and Quit. Alerts show as message boxes, the progress monitor shows as a bar in the status line, the debugger
// window as a dock of the lines the plug-ins write to it. Closing with unsaved changes asks to save, discard or cancel.
#pragma once

#include <QMainWindow>
#include <QString>

#include <string>
#include <vector>

#include "HostTypes.h"
#include "host/ui/HostToolbars.h"
#include "host/view/HostAlerts.h"

class Host;
class GeomDesktop;
class GeomPageView;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QToolBar;

class GeomMainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kRecentFiles = 8;

    explicit GeomMainWindow(Host& host);
    ~GeomMainWindow() override;

    // Each tells the user what went wrong in a message box and answers false.
    bool OpenFile(const QString& path);
    bool SaveFile(const QString& path = {});

    GeomPageView& PageView() { return *m_pageView; }
    GeomDesktop& Desktop() { return *m_desktop; }
    // Menus, toolbars and title as the host and the plug-ins have them now.
    void Refresh();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    HostDoc FrontDoc();
    void BuildMenus();
    void AddFileActions(QMenu* file);
    void AddPageActions(QMenu* page);
    void BuildToolbars();
    void MakeToolbars(const std::vector<HostToolbars::Entry>& entries);
    void ShowPage(int delta);
    void Zoom(int percent);
    void Rotate();
    void RememberRecent(const QString& path);
    bool AskToSave();
    void ShowProgress();
    int32_t ShowAlert(const HostShownAlert& alert);
    void AddDebugger();

    Host& m_host;
    GeomPageView* m_pageView;
    GeomDesktop* m_desktop;
    std::vector<QToolBar*> m_toolbars;
    std::string m_toolbarNames;
    QProgressBar* m_progress;
    int m_progressShown = -1;              // the percent on the bar, so that it repaints once a percent
    QPlainTextEdit* m_debugger = nullptr;  // the buttons shown, to rebuild the toolbars only when they change
};
