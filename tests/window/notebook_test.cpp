// The notebook's window beside the main window: recording from either
// window's Ctrl+R, deleting and undoing from the keyboard, and the focus
// moving between the two without resetting the experiment.

#include "app/aboutbox.h"
#include "notebookwindow/notebookcharts.h"
#include "notebookwindow/notebookwindow.h"
#include "app/razorez.h"
#include "notebook/csv.h"
#include "support/recordingprinter.h"
#include "support/testwindow.h"

#include <QApplication>
#include <QChartView>
#include <QCheckBox>
#include <QFile>
#include <QTemporaryDir>
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
    EXPECT_TRUE(notebook->results()->toPlainText().contains(QStringLiteral("stopping voltage 0.95 ± 0.25 V")))
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

// Sweeping the voltage with "Record as I go" on fills the graph of current
// against voltage; "Save As…" writes the CSV whole, or says why not.
TEST(NotebookWindow, RecordAsIGoFillsTheCurrentGraphAndSaveAsWritesTheFile)
{
    RecordingPrinter printer;
    QStringList errors;
    const Seams seams = testSeams(printer, [&](const QString&, const QString& text) { errors << text; });
    const std::unique_ptr<Tphotofrm> window = startedWindow(seams);
    Tphotofrm& w = *window;
    w.ShowNotebook1Click();
    NotebookWindow& notebook = *w.notebookWindow();
    w.controls.photonbt.invoke();
    for (int tick = 0; tick < 1500; ++tick)
        w.controls.photons.tick();
    notebook.recordAsIGoBox()->setChecked(true);
    for (int position = 50; position <= 300; position += 50) {
        w.controls.retardsb.setValue(position);
        w.controls.photons.tick();
        EXPECT_EQ(w.notebook.rows().size(), static_cast<std::size_t>(position / 50 - 1)) << "a tick too early";
        w.controls.photons.tick();
        w.controls.photons.tick();
    }
    ASSERT_EQ(w.notebook.rows().size(), 6u);
    // The meter of the second tick: current up to 0.695 V, none from 0.851 V.
    EXPECT_EQ(w.notebook.rows()[2].current, 5);
    EXPECT_EQ(w.notebook.rows()[3].current, 0);
    EXPECT_EQ(notebook.charts()->views()[1]->accessibleDescription(),
              QStringLiteral("Photocurrent against retarding voltage: Metal 1 (1.50 eV), 5.86 × 10¹⁴ Hz, intensity 5, "
                             "6 points"));
    notebook.recordAsIGoBox()->setChecked(false);
    w.controls.retardsb.setValue(0);
    for (int tick = 0; tick < 5; ++tick)
        w.controls.photons.tick();
    EXPECT_EQ(w.notebook.rows().size(), 6u);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("lab.csv"));
    ASSERT_TRUE(notebook.exportTo(path));
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), notebookcsv::write(w.notebook.rows()));
    EXPECT_TRUE(errors.isEmpty());
    // Below a regular file nothing can be written: one message.
    EXPECT_FALSE(notebook.exportTo(path + QStringLiteral("/under-a-file.csv")));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("could not be saved"))) << errors[0].toStdString();
}
