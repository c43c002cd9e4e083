// geomview driven as a user drives it, on Qt's offscreen platform: the mouse on the toolbar, in the dialog
// and on the page, the keyboard in the dialog's fields; then the file it saves.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <sstream>

#include "TestPdf.h"
#include "desktop/GeomDesktop.h"
#include "desktop/GeomMainWindow.h"
#include "desktop/GeomPageView.h"
#include "desktop/GeomWindowView.h"
#include "host/core/Host.h"
#include "win32sub/Desktop.h"

namespace {

// Where the user clicks a control of the dialog: its middle, in the dialog window's own pixels.
QPoint MiddleOf(GeomWindowView& dialog, int id) {
    WINSUB_WINDOWINFO window{}, control{};
    WinSub_GetWindowInfo(dialog.Window(), &window);
    WinSub_GetWindowInfo(GetDlgItem(dialog.Window(), id), &control);
    return {(control.screen.left + control.screen.right) / 2 - window.screen.left,
            (control.screen.top + control.screen.bottom) / 2 - window.screen.top};
}

std::string FieldText(GeomWindowView& dialog, int id) {
    wchar_t text[64] = {};
    GetDlgItemTextW(dialog.Window(), id, text, 64);
    return QString::fromWCharArray(text).toStdString();
}

// Answers the next message box with the button of that text, once it shows; what it said is kept in `said`.
void AnswerNextBox(const QString& button, QString& said) {
    QTimer::singleShot(0, [button, &said] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return AnswerNextBox(button, said);
        said = box->text();
        for (QAbstractButton* candidate : box->buttons()) {
            if (candidate->text().remove('&') == button) return candidate->click();
        }
    });
}

// A drag on the page: the moves and the release wait in the queue, so the tool finds them as it polls.
void Drag(QWidget& page, QPoint from, QPoint to) {
    for (int step = 1; step <= 4; ++step) {
        const QPointF at = from + (to - from) * step / 4;
        QCoreApplication::postEvent(&page, new QMouseEvent(QEvent::MouseMove, at, page.mapToGlobal(at), Qt::NoButton,
                                                           Qt::LeftButton, Qt::NoModifier));
    }
    QCoreApplication::postEvent(&page, new QMouseEvent(QEvent::MouseButtonRelease, to, page.mapToGlobal(QPointF(to)),
                                                       Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    QTest::mousePress(&page, Qt::LeftButton, {}, from);
}

// Keys pressed in the dialog: Tab until the control has the focus, as the user looks for it.
void TabTo(GeomWindowView& dialog, int id) {
    for (int i = 0; i < 20 && GetFocus() != GetDlgItem(dialog.Window(), id); ++i) QTest::keyClick(&dialog, Qt::Key_Tab);
    ASSERT_EQ(GetFocus(), GetDlgItem(dialog.Window(), id)) << "control #" << id << " is never reached with Tab";
}

void PressTimes(QWidget& widget, Qt::Key key, int times) {
    for (int i = 0; i < times; ++i) QTest::keyClick(&widget, key);
}

// Through the menu bar with the mouse: each menu of the path opened in turn, then its last item clicked.
void ChooseFromMenus(QMainWindow& window, const QStringList& path) {
    QWidget* menu = window.menuBar();
    for (const QString& title : path) {
        QAction* chosen = nullptr;
        for (QAction* action : menu->actions()) {
            if (action->text() == title) chosen = action;
        }
        ASSERT_NE(chosen, nullptr) << title.toStdString();
        const QRect place = menu == window.menuBar() ? window.menuBar()->actionGeometry(chosen)
                                                     : static_cast<QMenu*>(menu)->actionGeometry(chosen);
        QTest::mouseMove(menu, place.center());
        QTest::mouseClick(menu, Qt::LeftButton, {}, place.center());
        if (chosen->menu() == nullptr) return;
        menu = chosen->menu();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu)) << title.toStdString();
    }
}

// The boxes of every page, as a reader sees them.
std::string BoxesOf(const std::string& path) {
    return RunCommand("pdfinfo -box -f 1 -l 2 " + Quoted(path) + " | grep Box").output;
}

// A user's session: the sample opened in geomview's main window, on the offscreen platform.
class GeomView : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    GeomView() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(folder.Path()));
        WriteFile(file, ReadFile(GEOM_SAMPLES_DIR "/sample.pdf"));
        host.LoadPlugins(GEOM_BIN_DIR);
        host.FinishStartup();
    }
    ~GeomView() override { host.Quit(); }

    // The same journey run by geomhost on a copy of the sample: the boxes it saves in `saved` must be those
    // geomview saved.
    void ExpectTheBoxesOfTheScript(const std::string& script, const char* saved = "script.pdf") {
        WriteFile(folder.Path("script.pdf"), ReadFile(GEOM_SAMPLES_DIR "/sample.pdf"));
        WriteFile(folder.Path("journey.script"), script);
        const CommandResult run =
            RunCommand(GEOM_BIN_DIR "/geomhost --no-debugger --open " + Quoted(folder.Path("script.pdf")) +
                       " --script " + Quoted(folder.Path("journey.script")));
        ASSERT_EQ(run.status, 0) << run.output;
        EXPECT_EQ(BoxesOf(file), BoxesOf(folder.Path(saved)));
    }

    static inline int argc = 1;
    static inline char name[] = "geomview_tests";
    static inline char* argv[] = {name, nullptr};
    QApplication application{argc, argv};
    TestFolder folder;
    const std::string file = folder.Path("in.pdf");
    static inline HostConfig s_config{};
    std::ostringstream out;
    Host host{s_config, out};
};

// A host whose first write of a page box fails.
class GeomViewFailingWrite : public GeomView {
protected:
    static void SetUpTestSuite() {
        GeomView::SetUpTestSuite();
        s_config.failBoxWrite = 1;
    }
    static void TearDownTestSuite() { s_config = {}; }
};

TEST_F(GeomView, AJourneyWithTheMouseAndTheKeyboard) {
    {
        GeomMainWindow window(host);
        window.show();
        ASSERT_TRUE(window.OpenFile(QString::fromStdString(file)));

        // The geometry tool, from the flyout of the trim tool's button, opens its dialog on the TrimBox of page 1.
        QAction* trim = window.findChild<QAction*>("ORBA:EXGM_TrimToolButton");
        QAction* geometry = window.findChild<QAction*>("ORBA:EXGM_GeomToolButton");
        ASSERT_TRUE(trim != nullptr && trim->menu() != nullptr && geometry != nullptr);
        trim->menu()->popup(window.mapToGlobal(QPoint(0, 0)));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(trim->menu()));
        QTest::mouseClick(trim->menu(), Qt::LeftButton, {}, trim->menu()->actionGeometry(geometry).center());
        GeomWindowView* dialog = window.Desktop().ViewOf("Page Geometry");
        ASSERT_NE(dialog, nullptr) << out.str();
        EXPECT_EQ(FieldText(*dialog, 1002), "540.00");

        // The width typed with the keyboard, applied with the mouse; a typing mistake first, which the plug-in's
        // alert shows in a message box.
        QTest::mouseClick(dialog, Qt::LeftButton, {}, MiddleOf(*dialog, 1002));
        for (int i = 0; i < 6; ++i) QTest::keyClick(dialog, Qt::Key_Backspace);
        QTest::keyClicks(dialog, "5x0");
        QString said;
        AnswerNextBox("OK", said);
        QTest::mouseClick(dialog, Qt::LeftButton, {}, MiddleOf(*dialog, 1001));
        EXPECT_EQ(said.simplified().toStdString(), "The following field does not contain a valid number: Width");
        QTest::mouseClick(dialog, Qt::LeftButton, {}, MiddleOf(*dialog, 1002));
        for (int i = 0; i < 3; ++i) QTest::keyClick(dialog, Qt::Key_Backspace);
        QTest::keyClicks(dialog, "500");
        EXPECT_EQ(FieldText(*dialog, 1002), "500");
        QTest::mouseClick(dialog, Qt::LeftButton, {}, MiddleOf(*dialog, 1001));

        // The TrimBox's left edge, at pixel 18 of the view, dragged 20 pixels to the right; the dialog follows,
        // and the box is drawn where it went (the sample's own drawing of its boxes stays where it was).
        EXPECT_EQ(window.PageView().Picture().pixel(38, 300), qRgb(255, 255, 255));
        Drag(window.PageView(), {18, 300}, {38, 300});
        EXPECT_EQ(FieldText(*dialog, 1002), "480.00");
        EXPECT_EQ(window.PageView().Picture().pixel(38, 300), qRgb(0, 0, 255));
        // The tool's cursors by zone: its own over an edge and inside the box, differently drawn; the arrow
        // away from the box.
        const auto cursorAt = [&window](QPoint at) {
            QTest::mouseMove(&window.PageView(), at);
            return window.PageView().cursor();
        };
        const QCursor edge = cursorAt({38, 300}), inside = cursorAt({300, 300}), away = cursorAt({5, 5});
        EXPECT_EQ(edge.shape(), Qt::BitmapCursor);
        EXPECT_EQ(inside.shape(), Qt::BitmapCursor);
        EXPECT_NE(edge.pixmap().toImage(), inside.pixmap().toImage());
        EXPECT_EQ(away.shape(), Qt::ArrowCursor);

        if (const QByteArray shot = qgetenv("GEOMVIEW_SCREENSHOT"); !shot.isEmpty()) {
            const QPixmap main = window.grab(), side = dialog->grab();
            QImage both(main.width() + side.width() + 8, main.height(), QImage::Format_RGB32);
            both.fill(Qt::white);
            QPainter(&both).drawPixmap(0, 0, main);
            QPainter(&both).drawPixmap(main.width() + 8, 0, side);
            both.save(QString::fromLocal8Bit(shot));
        }
        // Closing with the change unsaved asks first; Cancel keeps the window and the file as they were.
        const std::string before = ReadFile(file);
        AnswerNextBox("Cancel", said);
        EXPECT_FALSE(window.close());
        EXPECT_NE(said.indexOf("Save the changes"), -1);
        EXPECT_EQ(ReadFile(file), before);
        ASSERT_TRUE(window.SaveFile());
        EXPECT_TRUE(window.close()) << "nothing left to save: no question";
    }
    ExpectTheBoxesOfTheScript(
        "button ORBA:EXGM_GeomToolButton\ntype #1002 5x0\npress #1001\ntype #1002 500\npress #1001\n"
        "drag 18 300 38 300\nsave\n");
    EXPECT_NE(BoxesOf(file).find("Page    1 TrimBox:      56.00    36.00   536.00   756.00"), std::string::npos);
}

// The sample's tour, the dialogs worked with the keyboard only, then the Trim Box dialog: geomview saves the
// boxes that geomhost saves for the same tour.
TEST_F(GeomView, TheTourWithTheKeyboardGivesTheToursFile) {
    {
        GeomMainWindow window(host);
        window.show();
        QApplication::setActiveWindow(&window);
        const auto* item = window.menuBar()->findChild<QAction*>("ORBA_EXGM_Geometry:ORBA:EXGM_GeometryToolButton");
        ASSERT_NE(item, nullptr);
        EXPECT_FALSE(item->isEnabled()) << "no document, nothing to edit";
        ASSERT_TRUE(window.OpenFile(QString::fromStdString(file)));

        // The geometry tool from its menu, with the mouse.
        ChooseFromMenus(window, {"Advanced", "Orba Tools", "Edit Page Geometry"});
        GeomWindowView* dialog = window.Desktop().ViewOf("Page Geometry");
        ASSERT_NE(dialog, nullptr) << out.str();

        // The BleedBox as coordinates in inches, a quarter inch outside the TrimBox, to the even pages.
        TabTo(*dialog, 1006);
        PressTimes(*dialog, Qt::Key_Down, 2);
        TabTo(*dialog, 1009);
        PressTimes(*dialog, Qt::Key_Down, 1);
        TabTo(*dialog, 1008);
        PressTimes(*dialog, Qt::Key_Down, 1);
        for (const auto& [id, typed] : {std::pair{1004, "0.25"}, {1005, "0.25"}, {1002, "8.25"}, {1003, "10.75"}}) {
            TabTo(*dialog, id);
            QTest::keyClicks(dialog, typed);
        }
        TabTo(*dialog, 1007);
        PressTimes(*dialog, Qt::Key_Down, 2);
        QTest::keyClick(dialog, Qt::Key_Return);

        // Page 2 at half size, the TrimBox again, and its right edge dragged up with the mouse.
        QTest::keyClick(&window, Qt::Key_PageDown);
        for (int i = 0; i < 3; ++i) QTest::keyClick(&window, Qt::Key_Minus, Qt::ControlModifier);
        TabTo(*dialog, 1006);
        PressTimes(*dialog, Qt::Key_Up, 2);
        Drag(window.PageView(), {150, 421}, {150, 401});
        EXPECT_EQ(FieldText(*dialog, 1002), "11.139") << out.str();
        QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);

        // The Trim Box dialog from the toolbar: the TrimBox of every page 5 millimetres off the MediaBox.
        auto* trim = window.findChild<QAction*>("ORBA:EXGM_TrimToolButton");
        ASSERT_NE(trim, nullptr);
        QWidget* button = nullptr;
        for (QToolBar* toolbar : window.findChildren<QToolBar*>()) {
            if (QWidget* shown = toolbar->widgetForAction(trim)) button = shown;
        }
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, 4));
        GeomWindowView* trimDialog = window.Desktop().ViewOf("Trim Box");
        ASSERT_NE(trimDialog, nullptr) << out.str();
        TabTo(*trimDialog, 1008);
        PressTimes(*trimDialog, Qt::Key_Down, 3);
        TabTo(*trimDialog, 1004);
        QTest::keyClicks(trimDialog, "5");
        TabTo(*trimDialog, 1007);
        PressTimes(*trimDialog, Qt::Key_Down, 1);
        QTest::keyClick(trimDialog, Qt::Key_Return);
        QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
        EXPECT_TRUE(window.close()) << "everything saved: no question";
    }
    ExpectTheBoxesOfTheScript(ReadFile(GEOM_SAMPLES_DIR "/tour.script") +
                                  "button ORBA:EXGM_TrimToolButton\nchoose #1008 Millimeters\ntype #1004 5\n"
                                  "choose #1007 \"To All Pages\"\npress #1001\nsave\n",
                              "sample-edited.pdf");
}

// A write the host refuses during Apply: the user is told why in a message box.
TEST_F(GeomViewFailingWrite, IsToldInAMessageBox) {
    GeomMainWindow window(host);
    window.show();
    ASSERT_TRUE(window.OpenFile(QString::fromStdString(file)));
    window.findChild<QAction*>("ORBA:EXGM_GeomToolButton")->trigger();
    GeomWindowView* dialog = window.Desktop().ViewOf("Page Geometry");
    ASSERT_NE(dialog, nullptr);
    TabTo(*dialog, 1004);
    QTest::keyClicks(dialog, "-40");
    QString said;
    AnswerNextBox("OK", said);
    QTest::keyClick(dialog, Qt::Key_Return);
    EXPECT_EQ(said.toStdString(), "The page box could not be written.");
}

}  // namespace
