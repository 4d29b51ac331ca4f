// The main window driven the way the program drives it: programmatic
// changes, events through Qt's signals, errors escaping a handler, and the
// focus moving between the program's windows.

#include "app/aboutbox.h"
#include "app/radiogroup.h"
#include "app/razorez.h"
#include "core/errors.h"
#include "render/canvas.h"
#include "support/drawingcounter.h"
#include "support/recordingprinter.h"
#include "support/testwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QWindow>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

struct Report
{
    QString caption;
    QString text;
};

void pump()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

void press(QWidget* widget, Qt::Key key, const QString& text = QString())
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &event);
}

class WindowTest : public testing::Test
{
protected:
    WindowTest()
    {
        Seams seams = testSeams(printer, [this](const QString& caption, const QString& text) {
            reports.push_back({caption, text});
        });
        seams.screenSize = [this] {
            ++screenQueries;
            return QSize(1024, 768);
        };
        seams.runModal = [this](QDialog& dialog) { runModal(dialog); };
        seams.drawingObserver = &drawing;
        window = std::make_unique<Tphotofrm>(seams);
        window->aboutboxp = new Taboutboxp(window.get());
    }

    // What the event loop does when it first shows the window, without a
    // display.
    void startOffscreen()
    {
        window->FormResize();
        window->FormActivate();
        drawing.reset();
    }

    DrawingCounter drawing;
    RecordingPrinter printer;
    int screenQueries = 0;
    std::vector<Report> reports;
    std::function<void(QDialog&)> runModal = [](QDialog&) {};
    std::unique_ptr<Tphotofrm> window;
};

TEST_F(WindowTest, InvokingTheDisabledExitButtonClosesTheWindow)
{
    startOffscreen();
    window->controls.BitBtn1.setEnabled(false);
    ASSERT_FALSE(window->widgets.BitBtn1->isEnabled());
    window->controls.BitBtn1.invoke();
    EXPECT_TRUE(window->closed());
}

TEST_F(WindowTest, AnErrorInAnEventReachesTheErrorReportAndTheProgramGoesOn)
{
    startOffscreen();
    Tphotofrm& w = *window;
    w.controls.unknownrb.setChecked(true);
    const QString caption = QStringLiteral("Lumetra Photoelectric Effect");

    // Keystrokes reach the change handler through the edit box's own
    // signal; each is a change of its own.
    w.widgets.wfeb->end(false);
    press(w.widgets.wfeb, Qt::Key_Backspace);
    press(w.widgets.wfeb, Qt::Key_7, QStringLiteral("7"));
    press(w.widgets.wfeb, Qt::Key_A, QStringLiteral("a"));
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0].caption, caption);
    EXPECT_EQ(reports[0].text, QStringLiteral("'' is not a valid floating point value."));
    EXPECT_EQ(reports[1].caption, caption);
    EXPECT_EQ(reports[1].text, QStringLiteral("'7a' is not a valid floating point value."));
    EXPECT_NEAR(w.state.workfunctions[3], 1.42, 1e-12) << "the value of '7' is kept";

    // The following events are handled as usual.
    press(w.widgets.wfeb, Qt::Key_Backspace);
    EXPECT_EQ(reports.size(), 2u);
    // A key typed in the middle stays where the user typed it.
    w.widgets.wfeb->setCursorPosition(0);
    press(w.widgets.wfeb, Qt::Key_1, QStringLiteral("1"));
    EXPECT_EQ(w.widgets.wfeb->text(), QStringLiteral("17"));
    EXPECT_EQ(w.widgets.wfeb->cursorPosition(), 1);
    EXPECT_NEAR(w.state.workfunctions[3], 2.02, 1e-12);
    w.widgets.coloursb->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(w.widgets.coloursb->value(), 701);
    EXPECT_EQ(drawing.tubeRedraws, 1);
    EXPECT_TRUE(w.widgets.unknownrb->isChecked());
}

TEST_F(WindowTest, PanelsAndGroupsShowTheirOwnColoursUnshaded)
{
    const QImage panel = window->widgets.photopl->grab().toImage();
    const auto at = [&](int x, int y) { return panel.pixel(x, y) & 0xFFFFFF; };
    EXPECT_EQ(at(20, 300), 0xFEFDC7u) << "pale yellow panel";
    EXPECT_EQ(at(32 + 6, 200), 0x000080u) << "navy frame between the bevels";
    // Inside the "Photon Properties" box, below the labels' ends.
    EXPECT_EQ(at(32 + 576 + 120, 8 + 160 + 70), 0xFFFFFFu);
    // Inside the "Controls" group, between the scroll bars and the frame.
    EXPECT_EQ(at(8 + 160, 412 + 125), 0xA9966Du);

    // The unknown-metals check box stands in front of the radio group's
    // top edge: no line of the etched frame shows through its caption.
    const int frameY = 412 + 32 + QFontMetrics(window->widgets.metalused->font()).height() / 2 - 1;
    int framePixels = 0;
    for (int y : {frameY, frameY + 1})
        for (int x = 8 + 568 + 22; x < 8 + 568 + 129; ++x)
            framePixels += at(x, y) == 0x808080u || at(x, y) == 0xFFFFFFu;
    EXPECT_EQ(framePixels, 0);
}

// Activation follows the focus: the window becomes the program's active
// window when shown, and again when it takes the focus back from another
// window of the program.
TEST_F(WindowTest, ActivationFollowsTheFocusBetweenTheProgramsWindows)
{
    Tphotofrm& w = *window;
    // Colour 700 already, so that activation at rest draws nothing: each
    // sizing queries the screen and redraws once, each activation only
    // queries the screen.
    w.controls.coloursb.setValue(700);
    drawing.reset();
    screenQueries = 0;
    w.show();
    w.activateWindow();
    pump();
    ASSERT_EQ(QGuiApplication::focusWindow(), w.windowHandle());
    EXPECT_EQ(screenQueries - drawing.tubeRedraws, 1) << "activations when first shown";
    EXPECT_DOUBLE_EQ(w.state.scale, 2.5);
    // The off-screen platform frames a window with 2 pixels on every side:
    // the outer size is still 800 x 600, centred; the panel overhangs the
    // 796-pixel-wide client area by 5 pixels, split with truncation.
    EXPECT_EQ(w.frameGeometry(), QRect(112, 84, 800, 600));
    EXPECT_EQ(w.widgets.photopl->x(), -2);

    // The About dialog takes the focus, then gives it back.
    w.controls.retardsb.setValue(100);
    w.aboutboxp->show();
    w.aboutboxp->activateWindow();
    pump();
    ASSERT_EQ(QGuiApplication::focusWindow(), w.aboutboxp->windowHandle());
    EXPECT_EQ(w.widgets.retardsb->value(), 100);
    w.aboutboxp->hide();
    w.activateWindow();
    pump();
    EXPECT_EQ(w.widgets.retardsb->value(), 0);

    // Another program takes the focus (no window of ours has it) and gives
    // it back: the platform reports this as below.
    w.controls.retardsb.setValue(100);
    emit qGuiApp->focusWindowChanged(nullptr);
    emit qGuiApp->focusWindowChanged(w.windowHandle());
    EXPECT_EQ(w.widgets.retardsb->value(), 100);

    // A menu that was open, and the error report's message box, leave the
    // main window the active one.
    w.widgets.PopupMenu1->popup(w.mapToGlobal(QPoint(100, 100)));
    pump();
    ASSERT_EQ(QGuiApplication::focusWindow(), w.widgets.PopupMenu1->windowHandle());
    w.widgets.PopupMenu1->hide();
    w.activateWindow();
    pump();
    EXPECT_EQ(w.widgets.retardsb->value(), 100) << "a menu reset the controls";

    QMessageBox box(QMessageBox::Critical, QStringLiteral("Lumetra Photoelectric Effect"), QStringLiteral("x."),
                    QMessageBox::Ok, &w);
    box.show();
    box.activateWindow();
    pump();
    ASSERT_EQ(QGuiApplication::focusWindow(), box.windowHandle());
    box.hide();
    w.activateWindow();
    pump();
    EXPECT_EQ(w.widgets.retardsb->value(), 100) << "the error report reset the controls";

    // Help > About with the light on: the dialog runs modally and the
    // window takes the focus back when it closes.
    runModal = [](QDialog& dialog) {
        dialog.show();
        dialog.activateWindow();
        pump();
        dialog.hide();
    };
    w.widgets.photonbt->click();
    ASSERT_TRUE(w.controls.photons.isEnabled());
    w.widgets.About1->trigger();
    pump();
    EXPECT_FALSE(w.controls.photons.isEnabled());
    EXPECT_EQ(w.widgets.photonbt->text(), QStringLiteral("Light &On"));
    EXPECT_EQ(w.widgets.retardsb->value(), 0);
}

// Through the window: the regional separator reaches the parser, and an
// error goes to the error report while metal 4 keeps its value.
TEST(Metal4, ErrorsReachTheReportThroughTheWindow)
{
    RecordingPrinter printer;
    QStringList reports;
    Seams seams = testSeams(printer,
                            [&](const QString& caption, const QString& text) { reports << caption + u'|' + text; });
    seams.decimalSeparator = u',';
    const auto window = startedWindow(seams);

    window->guarded([&] { window->controls.unknownrb.setChecked(true); });
    window->guarded([&] { window->controls.wfeb.setText(QStringLiteral("7,9")); });
    EXPECT_NEAR(window->state.workfunctions[3], 1.42, 1e-12);
    window->guarded([&] { window->controls.wfeb.setText(QStringLiteral("7.9")); });
    EXPECT_NEAR(window->state.workfunctions[3], 1.42, 1e-12);
    EXPECT_EQ(reports,
              QStringList{QStringLiteral("Lumetra Photoelectric Effect|'7.9' is not a valid floating point value.")});
}

} // namespace
