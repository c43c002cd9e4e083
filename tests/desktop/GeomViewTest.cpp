// geomview driven as a user drives it, on Qt's offscreen platform: the mouse on the toolbar, in the dialog
// and on the page, the keyboard in the dialog's fields; then the file it saves.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QSettings>
#include <QTest>
#include <QTimer>

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

TEST(GeomView, AJourneyWithTheMouseAndTheKeyboard) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "geomview_tests";
    static char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    TestFolder folder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(folder.Path()));
    const std::string file = folder.Path("in.pdf");
    WriteFile(file, ReadFile(GEOM_SAMPLES_DIR "/sample.pdf"));

    std::ostringstream out;
    Host host(HostConfig{}, out);
    host.LoadPlugins(GEOM_BIN_DIR);
    host.FinishStartup();
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
    host.Quit();
    // The same journey through geomhost's script gives the same boxes on every page.
    WriteFile(folder.Path("script.pdf"), ReadFile(GEOM_SAMPLES_DIR "/sample.pdf"));
    WriteFile(folder.Path("journey.script"),
              "button ORBA:EXGM_GeomToolButton\ntype #1002 5x0\npress #1001\ntype #1002 500\npress #1001\n"
              "drag 18 300 38 300\nsave\n");
    ASSERT_EQ(RunCommand(GEOM_BIN_DIR "/geomhost --no-debugger --open " + Quoted(folder.Path("script.pdf")) +
                         " --script " + Quoted(folder.Path("journey.script")))
                  .status,
              0);
    const auto boxesOf = [](const std::string& path) {
        return RunCommand("pdfinfo -box -f 1 -l 2 " + Quoted(path) + " | grep Box").output;
    };
    const std::string boxes = boxesOf(file);
    EXPECT_NE(boxes.find("Page    1 TrimBox:      56.00    36.00   536.00   756.00"), std::string::npos) << boxes;
    EXPECT_EQ(boxes, boxesOf(folder.Path("script.pdf")));
}

}  // namespace
