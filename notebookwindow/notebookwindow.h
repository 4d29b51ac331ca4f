#pragma once

#include "notebook/notebook.h"

#include <QWidget>
#include <functional>

class NotebookCharts;
class NotebookTableModel;
class QAction;
class QCheckBox;
class Announcer;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableView;

// The notebook's window, beside the main window: the buttons, the table of
// measurements and the results on the left, the graphs on the right. It
// shows the notebook and takes the student's edits; recording is the main
// window's action, shared here with its shortcut.
class NotebookWindow : public QWidget, private Notebook::Listener
{
public:
    struct Wiring
    {
        QAction* record;                               // the main window's Record Measurement
        std::function<void(bool)> recordAsIGo;         // records each change of a control, or stops
        std::function<void(const QString&)> showError; // the application's error report
    };

    NotebookWindow(Notebook& notebook, Wiring wiring);
    ~NotebookWindow() override;

    QTableView* table() const { return table_; }
    QPlainTextEdit* results() const { return results_; }
    NotebookCharts* charts() const { return charts_; }
    QLabel* lastRecorded() const { return lastRecorded_; }
    QPushButton* recordButton() const { return recordButton_; }
    QCheckBox* recordAsIGoBox() const { return recordAsIGo_; }

    void deleteSelectedRows();
    void undoDelete();
    // Asks first; clearing can be undone too.
    void clearAll();
    // The table as tab-separated text in the user's locale, the rows as CSV,
    // and the graphs as a picture.
    void copy() const;
    void saveAs();
    // Writes the notebook's CSV there, whole or not at all; false after the
    // error has been reported.
    bool exportTo(const QString& path);
    // The table, the results and the graphs on the default printer.
    void print();

    // The table as tab-separated text, numbers with the locale's separator.
    QString tabSeparated() const;

protected:
    void actionEvent(QActionEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void recorded(int row) override;
    void edited() override;
    void followState();

    Notebook& notebook_;
    Wiring wiring_;
    NotebookTableModel* model_;
    QTableView* table_;
    QPlainTextEdit* results_;
    NotebookCharts* charts_;
    QLabel* lastRecorded_;
    Announcer* announcer_;
    QPushButton* recordButton_;
    QPushButton* deleteButton_;
    QPushButton* undoButton_;
    QPushButton* clearButton_;
    QCheckBox* recordAsIGo_;
};
