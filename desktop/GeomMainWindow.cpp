#include "desktop/GeomMainWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <iterator>

#include "desktop/GeomCommand.h"
#include "desktop/GeomDesktop.h"
#include "desktop/GeomImages.h"
#include "desktop/GeomPageView.h"
#include "host/core/Host.h"
#include "host/document/HostDocument.h"
#include "host/view/HostPageViewState.h"

GeomMainWindow::GeomMainWindow(Host& host)
    : m_host(host), m_pageView(new GeomPageView(host, this)), m_desktop(new GeomDesktop(this)) {
    setCentralWidget(m_pageView);
    m_progress = new QProgressBar(this);
    m_progress->hide();
    statusBar()->addPermanentWidget(m_progress);
    m_host.Progress().SetWatcher([this] { ShowProgress(); });
    m_host.Alerts().SetResponder([this](const HostShownAlert& alert) { return ShowAlert(alert); });
    // What failed in a plug-in's call and was not told by the plug-in itself.
    m_host.SetFailureSink(
        [this](const std::string& why) { QMessageBox::warning(this, "geomview", QString::fromStdString(why)); });
    if (m_host.Config().debuggerWindow) AddDebugger();
    connect(m_pageView, &GeomPageView::Moved, this, [this] { m_desktop->Sync(); });
    connect(m_pageView, &GeomPageView::Acted, this, [this] { m_desktop->Sync(); });
    connect(m_pageView, &GeomPageView::Acted, this, &GeomMainWindow::Refresh);
    connect(m_desktop, &GeomDesktop::Changed, this, &GeomMainWindow::Refresh);
    Refresh();
}

GeomMainWindow::~GeomMainWindow() {
    m_host.Progress().SetWatcher(nullptr);
    m_host.Alerts().SetResponder(nullptr);
    m_host.SetDebuggerSink(nullptr);
    m_host.SetFailureSink(nullptr);
    delete m_desktop;
}

void GeomMainWindow::AddDebugger() {
    auto* dock = new QDockWidget("Debugger", this);
    dock->setObjectName("Debugger");
    m_debugger = new QPlainTextEdit(dock);
    m_debugger->setReadOnly(true);
    dock->setWidget(m_debugger);
    addDockWidget(Qt::BottomDockWidgetArea, dock);
    m_host.SetDebuggerSink([this](const std::string& text) {
        m_debugger->moveCursor(QTextCursor::End);
        m_debugger->insertPlainText(QString::fromStdString(text));
    });
}

// An alert of the host or a plug-in as a message box; the answer is the button the user pressed.
int32_t GeomMainWindow::ShowAlert(const HostShownAlert& alert) {
    QMessageBox box(alert.kind == 0 ? QMessageBox::Warning : QMessageBox::Information,
                    QString::fromStdString(alert.caption.empty() ? "geomview" : alert.caption),
                    QString::fromStdString(alert.text).replace('\r', '\n'), QMessageBox::NoButton, this);
    std::vector<QAbstractButton*> buttons;
    for (const std::string& text : alert.buttons) {
        buttons.push_back(box.addButton(QString::fromStdString(text), QMessageBox::AcceptRole));
    }
    box.exec();
    const auto chosen = std::find(buttons.begin(), buttons.end(), box.clickedButton());
    return chosen == buttons.end() ? 1 : static_cast<int32_t>(chosen - buttons.begin() + 1);
}

// A long operation holds the event loop, so the bar is repainted at once, once a percent.
void GeomMainWindow::ShowProgress() {
    const HostProgress& progress = m_host.Progress();
    const bool busy = progress.Running() || !progress.Task().empty();
    const int percent = !busy ? -1 : progress.Duration() > 0 ? progress.Current() * 100 / progress.Duration() : 0;
    if (percent == m_progressShown && busy == m_progress->isVisible()) return;
    m_progressShown = percent;
    m_progress->setVisible(busy);
    m_progress->setRange(0, progress.Running() ? 100 : 0);  // a task of the host's own cannot say how far
    m_progress->setValue(std::clamp(percent, 0, 100));
    statusBar()->showMessage(QString::fromStdString(progress.Task()));
    m_progress->repaint();
}

HostDoc GeomMainWindow::FrontDoc() {
    const HostDocView front = m_host.DocViews().Front();
    return front == HostDocView::None ? HostDoc::None : m_host.DocViews().DocOf(front);
}

bool GeomMainWindow::OpenFile(const QString& path) {
    std::string why;
    const HostDoc doc = m_host.Documents().Open(path.toStdString(), &why);
    if (doc == HostDoc::None) {
        QMessageBox::warning(this, "Open", QString::fromStdString(why));
        return false;
    }
    m_host.DocViews().Open(doc, "");
    RememberRecent(QFileInfo(path).absoluteFilePath());
    m_desktop->Sync();
    Refresh();
    return true;
}

bool GeomMainWindow::SaveFile(const QString& path) {
    const HostDoc doc = FrontDoc();
    if (doc == HostDoc::None) return false;
    std::string why;
    const bool saved =
        path.isEmpty() ? m_host.Documents().Save(doc, &why) : m_host.Documents().SaveAs(doc, path.toStdString(), &why);
    if (!saved) QMessageBox::warning(this, "Save", QString::fromStdString(why));
    if (saved && !path.isEmpty()) RememberRecent(QFileInfo(path).absoluteFilePath());
    Refresh();
    return saved;
}

void GeomMainWindow::Refresh() {
    const HostDoc doc = FrontDoc();
    const HostDocument* document = doc == HostDoc::None ? nullptr : m_host.Documents().Find(doc);
    setWindowTitle(document == nullptr ? QString("geomview")
                                       : QFileInfo(QString::fromStdString(document->Path())).fileName() +
                                             (document->Modified() ? " *" : "") + " - geomview");
    BuildMenus();
    BuildToolbars();
    m_pageView->update();
}

// The menus are made anew only when their items change, so that a menu the user holds open stays; their
// states are asked after every action.
void GeomMainWindow::BuildMenus() {
    const std::vector<HostMenus::Entry> entries = m_host.Menus().Entries();
    std::string names = QSettings().value("recentFiles").toStringList().join('/').toStdString();
    names += FrontDoc() == HostDoc::None ? "" : " document";
    for (const HostMenus::Entry& entry : entries) names += " " + entry.text + "/" + std::to_string(entry.depth);
    if (names != m_menuNames) {
        m_menuNames = names;
        MakeMenus(entries);
    }
    for (const HostMenus::Entry& entry : entries) {
        QAction* action = entry.isMenu || entry.separator
                              ? nullptr
                              : menuBar()->findChild<QAction*>(QString::fromStdString(entry.name));
        if (action == nullptr) continue;
        action->setEnabled(Enabled(entry.name, entry.command, entry.enabled));
        action->setChecked(entry.marked);
    }
}

void GeomMainWindow::MakeMenus(const std::vector<HostMenus::Entry>& entries) {
    // The old menus go once control is back in the event loop: this may run from one of their own actions.
    for (QMenu* old : menuBar()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) old->deleteLater();
    menuBar()->clear();
    std::vector<QMenu*> open;  // the menu at each depth of the host's bar
    for (const HostMenus::Entry& entry : entries) {
        open.resize(static_cast<std::size_t>(entry.depth));
        QMenu* parent = open.empty() ? nullptr : open.back();
        if (entry.isMenu || entry.opens) {
            const QString title = QString::fromStdString(entry.title);
            QMenu* menu = parent == nullptr ? menuBar()->addMenu(title) : parent->addMenu(title);
            if (!entry.isMenu) menu->setEnabled(entry.enabled);
            open.push_back(menu);
            continue;
        }
        if (parent == nullptr) continue;
        if (entry.separator) {
            parent->addSeparator();
            continue;
        }
        AddItem(parent, entry);
        if (entry.name == "SaveAs") AddRecentFiles(parent);
        if (entry.name == "RotateCCW") AddPageActions(parent);
    }
}

void GeomMainWindow::AddItem(QMenu* menu, const HostMenus::Entry& entry) {
    QAction* action = menu->addAction(QString::fromStdString(entry.title));
    action->setObjectName(QString::fromStdString(entry.name));
    const GeomCommand* own = GeomCommand::Of(entry.name);
    if (!entry.shortcut.empty()) {
        action->setShortcut(QKeySequence(QString::fromStdString(entry.shortcut)));
    } else if (own != nullptr) {
        action->setShortcut(own->shortcut);
    }
    action->setIcon(QPixmap::fromImage(GeomImageOfBitmap(entry.icon)));
    action->setCheckable(entry.command.computeMarked.callback != HostCallback::None);
    connect(action, &QAction::triggered, this,
            [this, name = entry.name, command = entry.command] { Run(name, command, true); });
}

// An item or button a plug-in stands behind is the host's to run; the host's own ones are geomview's.
bool GeomMainWindow::Enabled(const std::string& name, const HostCommand& command, bool enabled) {
    if (command.execute.callback != HostCallback::None) return enabled;
    const GeomCommand* own = GeomCommand::Of(name);
    return own != nullptr && (!own->needsDocument || FrontDoc() != HostDoc::None);
}

void GeomMainWindow::Run(const std::string& name, const HostCommand& command, bool onMenu) {
    const GeomCommand* own = command.execute.callback == HostCallback::None ? GeomCommand::Of(name) : nullptr;
    if (own != nullptr) {
        (this->*own->run)();
    } else if (onMenu) {
        m_host.Menus().Click(name);
    } else {
        m_host.Toolbars().Click(name);
    }
    m_desktop->Sync();
    Refresh();
}

void GeomMainWindow::OpenDialog() {
    const QString path = QFileDialog::getOpenFileName(this, "Open", {}, "PDF files (*.pdf);;All files (*)");
    if (!path.isEmpty()) OpenFile(path);
}

void GeomMainWindow::SaveAsDialog() {
    const QString path = QFileDialog::getSaveFileName(this, "Save As", {}, "PDF files (*.pdf)");
    if (!path.isEmpty()) SaveFile(path);
}

void GeomMainWindow::CloseDocument() {
    const HostDoc doc = FrontDoc();
    if (doc != HostDoc::None && AskToSave(doc)) m_host.DocViews().CloseDocument(doc);
}

void GeomMainWindow::HandTool() { m_host.Tools().SetActive(m_host.Tools().Default(), false); }

void GeomMainWindow::AddRecentFiles(QMenu* file) {
    QMenu* recent = file->addMenu("Recent Files");
    for (const QString& path : QSettings().value("recentFiles").toStringList()) {
        recent->addAction(path, this, [this, path] { OpenFile(path); });
    }
    recent->setEnabled(!recent->isEmpty());
}

void GeomMainWindow::AddPageActions(QMenu* view) {
    const bool shown = m_host.DocViews().FrontPageView() != nullptr;
    view->addSeparator();
    view->addAction("Previous Page", QKeySequence(Qt::Key_PageUp), this, &GeomMainWindow::PreviousPage)
        ->setEnabled(shown);
    view->addAction("Next Page", QKeySequence(Qt::Key_PageDown), this, &GeomMainWindow::NextPage)->setEnabled(shown);
}

// The toolbars are made anew only when their buttons change; their states are asked after every action.
void GeomMainWindow::BuildToolbars() {
    const std::vector<HostToolbars::Entry> entries = m_host.Toolbars().Entries();
    std::string names;
    for (const HostToolbars::Entry& entry : entries) names += entry.name + "/" + std::to_string(entry.depth) + " ";
    if (names != m_toolbarNames) {
        for (QToolBar* toolbar : m_toolbars) delete toolbar;
        m_toolbars.clear();
        m_toolbarNames = names;
        MakeToolbars(entries);
    }
    for (const HostToolbars::Entry& entry : entries) {
        QAction* action =
            entry.isToolbar || entry.separator ? nullptr : findChild<QAction*>(QString::fromStdString(entry.name));
        if (action == nullptr) continue;
        action->setEnabled(Enabled(entry.name, entry.command, entry.enabled));
        action->setCheckable(true);
        action->setChecked(entry.marked);
    }
}

void GeomMainWindow::MakeToolbars(const std::vector<HostToolbars::Entry>& entries) {
    QToolBar* toolbar = nullptr;
    QMenu* flyout = nullptr;
    for (const HostToolbars::Entry& entry : entries) {
        if (entry.isToolbar) {
            m_toolbars.push_back(toolbar = addToolBar(QString::fromStdString(entry.title)));
            continue;
        }
        if (entry.separator) {
            if (entry.depth == 1) toolbar->addSeparator();
            continue;
        }
        if (entry.depth > 1 && flyout == nullptr) continue;  // deeper flyouts are not shown
        QAction* action = entry.depth == 1 ? toolbar->addAction(QString()) : flyout->addAction(QString());
        action->setText(QString::fromStdString(entry.title.empty() ? entry.name : entry.title));
        action->setObjectName(QString::fromStdString(entry.name));
        action->setIcon(IconOf(entry));
        connect(action, &QAction::triggered, this,
                [this, name = entry.name, command = entry.command] { Run(name, command, false); });
        if (entry.depth == 1) flyout = entry.opens ? new QMenu(toolbar) : nullptr;
        if (entry.depth == 1 && flyout != nullptr) action->setMenu(flyout);
    }
}

// A plug-in's button shows its bitmap; the host's own ones a picture of the desktop's, or their names.
QIcon GeomMainWindow::IconOf(const HostToolbars::Entry& button) const {
    const QImage bitmap = GeomImageOfBitmap(button.icon);
    if (!bitmap.isNull()) return QPixmap::fromImage(bitmap);
    const GeomCommand* own = GeomCommand::Of(button.name);
    if (own == nullptr || own->themeIcon == nullptr) return {};
    return QIcon::fromTheme(own->themeIcon,
                            own->styleIcon == QStyle::SP_CustomBase ? QIcon() : style()->standardIcon(own->styleIcon));
}

void GeomMainWindow::ShowPage(int delta) {
    HostPageViewState* view = m_host.DocViews().FrontPageView();
    if (view == nullptr) return;
    const int32_t count = m_host.Documents().Get(view->Doc()).PageCount();
    m_host.PageViews().ShowPage(*view, std::clamp(view->PageNumber() + delta, 0, count - 1));
    Refresh();
}

// Zooming steps through the levels a reader of PDF files offers, from wherever the view is.
void GeomMainWindow::StepZoom(bool in) {
    static constexpr double kLevels[] = {0.0833, 0.125, 0.25, 0.3333, 0.5, 0.6667, 0.75, 1,  1.25, 1.5,
                                         2,      3,     4,    6,      8,   12,     16,   32, 64};
    HostPageViewState* view = m_host.DocViews().FrontPageView();
    if (view == nullptr) return;
    const double now = view->Zoom() / 65536.0;
    double next = in ? kLevels[std::size(kLevels) - 1] : kLevels[0];
    for (double level : kLevels) {
        if (in && level > now * 1.001) {
            next = level;
            break;
        }
        if (!in && level < now * 0.999) next = level;
    }
    SetZoom(static_cast<Fixed>(next * 65536));
}

void GeomMainWindow::FitPage() {
    HostPageViewState* view = m_host.DocViews().FrontPageView();
    if (view == nullptr) return;
    const FixedRect shown = view->ShownBox();
    const bool sideways = view->Rotation() % 180 != 0;
    const double wide = (shown.right - shown.left) / 65536.0, high = (shown.top - shown.bottom) / 65536.0;
    const double fit = std::min(HostPageViewState::kWidth / (sideways ? high : wide),
                                HostPageViewState::kHeight / (sideways ? wide : high));
    SetZoom(static_cast<Fixed>(fit * 65536));
}

void GeomMainWindow::SetZoom(Fixed zoom) {
    HostPageViewState* view = m_host.DocViews().FrontPageView();
    if (view == nullptr) return;
    m_host.PageViews().SetZoom(*view, std::clamp(zoom, HostPageViewState::kMinZoom, HostPageViewState::kMaxZoom));
    Refresh();
}

void GeomMainWindow::Rotate(int degrees) {
    HostPageViewState* view = m_host.DocViews().FrontPageView();
    if (view == nullptr) return;
    m_host.PageViews().SetViewRotation(*view, (view->ViewRotation() + degrees) % 360);
    Refresh();
}

void GeomMainWindow::RememberRecent(const QString& path) {
    QSettings settings;
    QStringList recent = settings.value("recentFiles").toStringList();
    recent.removeAll(path);
    recent.prepend(path);
    while (recent.size() > kRecentFiles) recent.removeLast();
    settings.setValue("recentFiles", recent);
}

// Nothing is lost: a document with changes is saved, or the user says to let them go, or nothing closes.
bool GeomMainWindow::AskToSave(HostDoc doc) {
    const HostDocument* document = m_host.Documents().Find(doc);
    if (document == nullptr || !document->Modified()) return true;
    const auto answer = QMessageBox::question(
        this, "geomview",
        "Save the changes to \"" + QFileInfo(QString::fromStdString(document->Path())).fileName() + "\"?",
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Cancel) return false;
    std::string why;
    if (answer == QMessageBox::Save && !m_host.Documents().Save(doc, &why)) {
        QMessageBox::warning(this, "Save", QString::fromStdString(why));
        return false;
    }
    return true;
}

void GeomMainWindow::closeEvent(QCloseEvent* event) {
    for (HostDoc doc : m_host.Documents().OpenDocuments()) {
        if (!AskToSave(doc)) return event->ignore();
    }
    event->accept();
}
