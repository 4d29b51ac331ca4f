#pragma once

#include "notebook/notebook.h"

#include <QWidget>

class NotebookTableModel;
class QAction;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableView;

// The notebook's window, beside the main window: the record button, the
// table of measurements, and the results below. It only shows the notebook
// and takes the student's edits; recording is the main window's action,
// shared here with its shortcut.
class NotebookWindow : public QWidget, private Notebook::Listener
{
public:
    NotebookWindow(Notebook& notebook, QAction* record);
    ~NotebookWindow() override;

    QTableView* table() const { return table_; }
    QPlainTextEdit* results() const { return results_; }
    QLabel* lastRecorded() const { return lastRecorded_; }
    QPushButton* recordButton() const { return recordButton_; }
    QPushButton* deleteButton() const { return deleteButton_; }
    QPushButton* undoButton() const { return undoButton_; }
    QPushButton* clearButton() const { return clearButton_; }

    void deleteSelectedRows();
    void undoDelete();
    // Asks first; clearing can be undone too.
    void clearAll();

protected:
    void actionEvent(QActionEvent* event) override;

private:
    void recorded(int row) override;
    void edited() override;
    void followState();

    Notebook& notebook_;
    QAction* record_;
    NotebookTableModel* model_;
    QTableView* table_;
    QPlainTextEdit* results_;
    QLabel* lastRecorded_;
    QPushButton* recordButton_;
    QPushButton* deleteButton_;
    QPushButton* undoButton_;
    QPushButton* clearButton_;
};
