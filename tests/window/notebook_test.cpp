// The notebook's window beside the main window: recording from either
// window's Ctrl+R, deleting and undoing from the keyboard, and the focus
// moving between the two without resetting the experiment.

#include "app/aboutbox.h"
#include "app/notebookwindow.h"
#include "app/razorez.h"
#include "support/recordingprinter.h"
#include "support/testwindow.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

void pump()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

void activate(QWidget& window)
{
    window.activateWindow();
    pump();
    ASSERT_EQ(QGuiApplication::focusWindow(), window.windowHandle());
}

} // namespace

TEST(NotebookWindow, ACompanionWindowThatRecordsAndNeverResetsTheExperiment)
{
    RecordingPrinter printer;
    Seams seams = testSeams(printer, [](const QString&, const QString&) {});
    seams.runModal = [](QDialog& dialog) {
        dialog.show();
        dialog.activateWindow();
        pump();
        dialog.hide();
    };
    Tphotofrm w(seams);
    w.aboutboxp = new Taboutboxp(&w);
    w.show();
    activate(w);
    EXPECT_FALSE(w.widgets.Record1->isEnabled()) << "the light is off";

    w.widgets.photonbt->click();
    w.controls.retardsb.setValue(100);
    for (int tick = 0; tick < 400; ++tick)
        w.controls.photons.tick();
    ASSERT_TRUE(w.widgets.Record1->isEnabled());
    // Ctrl+R in the main window opens the notebook beside it (the off-screen
    // platform gives a new window the focus, a window manager does not).
    QTest::keyClick(&w, Qt::Key_R, Qt::ControlModifier);
    pump();
    NotebookWindow* notebook = w.notebookWindow();
    ASSERT_NE(notebook, nullptr);
    EXPECT_TRUE(notebook->isVisible());
    ASSERT_EQ(w.notebook.rows().size(), 1u);
    EXPECT_EQ(notebook->lastRecorded()->text(), QStringLiteral("Measurement 1: 511 nm, 0.695 V, current 5"));

    // In the notebook: its own Ctrl+R, Delete on the table, Ctrl+Z.
    activate(*notebook);
    EXPECT_TRUE(w.controls.photons.isEnabled()) << "switching to the notebook reset the experiment";
    EXPECT_EQ(w.widgets.retardsb->value(), 100);
    w.controls.retardsb.setValue(300);
    w.controls.photons.tick();
    w.controls.photons.tick();
    QTest::keyClick(notebook, Qt::Key_R, Qt::ControlModifier);
    ASSERT_EQ(w.notebook.rows().size(), 2u);
    EXPECT_EQ(notebook->lastRecorded()->text(), QStringLiteral("Measurement 2: 511 nm, 1.204 V, no current"));
    EXPECT_TRUE(notebook->results()->toPlainText().contains(QStringLiteral("stopping voltage 0.950 V")))
        << notebook->results()->toPlainText().toStdString();
    notebook->table()->setFocus();
    notebook->table()->selectRow(0);
    QTest::keyClick(notebook->table(), Qt::Key_Delete);
    ASSERT_EQ(w.notebook.rows().size(), 1u);
    EXPECT_EQ(w.notebook.rows()[0].voltage, 1.204);
    QTest::keyClick(notebook, Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(w.notebook.rows().size(), 2u);
    EXPECT_EQ(w.notebook.rows()[0].voltage, 0.695);

    activate(w);
    EXPECT_TRUE(w.controls.photons.isEnabled()) << "coming back from the notebook reset the experiment";
    EXPECT_EQ(w.widgets.retardsb->value(), 300);

    // Closing the About dialog still resets it, and recording stops with the light.
    w.widgets.About1->trigger();
    pump();
    EXPECT_FALSE(w.controls.photons.isEnabled());
    EXPECT_EQ(w.widgets.retardsb->value(), 0);
    EXPECT_FALSE(w.widgets.Record1->isEnabled());
    EXPECT_FALSE(notebook->recordButton()->isEnabled());
    EXPECT_EQ(w.notebook.rows().size(), 2u);

    // Closing the main window closes the notebook too.
    w.close();
    pump();
    EXPECT_FALSE(notebook->isVisible());
}
