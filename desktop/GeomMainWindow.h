// geomview's main window: the host's menu bar and toolbars as the plug-ins made them (icons from their
// bitmaps, help texts as tool tips, flyouts as drop-down buttons, enabled and marked states asked anew after
// everything the user does) and the document view. The host's own commands run geomview's (see GeomCommand),
// with recent files and page turning added. Alerts show as message boxes, the progress monitor shows as a bar
// in the status line, the debugger window as a dock of the lines the plug-ins write to it. Closing with
// unsaved changes asks to save, discard or cancel.
#pragma once

#include <QMainWindow>
#include <QString>

#include <string>
#include <vector>

#include "HostTypes.h"
#include "host/ui/HostMenus.h"
#include "host/ui/HostToolbars.h"
#include "host/view/HostAlerts.h"

class Host;
class GeomDesktop;
class GeomPageView;
class QIcon;
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

    // The commands of the menus and toolbars.
    void OpenDialog();
    void CloseDocument();
    void Save() { SaveFile(); }
    void SaveAsDialog();
    void Quit() { close(); }
    void PreviousPage() { ShowPage(-1); }
    void NextPage() { ShowPage(1); }
    void ZoomIn() { StepZoom(true); }
    void ZoomOut() { StepZoom(false); }
    void FitPage();
    void RotateClockwise() { Rotate(90); }
    void RotateCounterclockwise() { Rotate(270); }
    void HandTool();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    HostDoc FrontDoc();
    void BuildMenus();
    void MakeMenus(const std::vector<HostMenus::Entry>& entries);
    void AddItem(QMenu* menu, const HostMenus::Entry& entry);
    void AddRecentFiles(QMenu* file);
    void AddPageActions(QMenu* view);
    bool Enabled(const std::string& name, const HostCommand& command, bool enabled);
    void Run(const std::string& name, const HostCommand& command, bool onMenu);
    void BuildToolbars();
    void MakeToolbars(const std::vector<HostToolbars::Entry>& entries);
    QIcon IconOf(const HostToolbars::Entry& button) const;
    void ShowPage(int delta);
    void StepZoom(bool in);
    void SetZoom(Fixed zoom);
    void Rotate(int degrees);
    void RememberRecent(const QString& path);
    bool AskToSave(HostDoc doc);
    void ShowProgress();
    int32_t ShowAlert(const HostShownAlert& alert);
    void AddDebugger();

    Host& m_host;
    GeomPageView* m_pageView;
    GeomDesktop* m_desktop;
    std::vector<QToolBar*> m_toolbars;
    std::string m_menuNames;     // the items shown, to rebuild the menus only when they change
    std::string m_toolbarNames;  // the buttons shown, to rebuild the toolbars only when they change
    QProgressBar* m_progress;
    int m_progressShown = -1;  // the percent on the bar, so that it repaints once a percent
    QPlainTextEdit* m_debugger = nullptr;
};
