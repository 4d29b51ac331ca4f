#include "notebookwindow.h"

#include "core/texts.h"
#include "notebook/results.h"
#include "notebook/resultstext.h"
#include "notebooktablemodel.h"

#include <QAction>
#include <QActionEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QString notebookText(const char* text)
{
    return QCoreApplication::translate("Notebook", text);
}

} // namespace

NotebookWindow::NotebookWindow(Notebook& notebook, QAction* record)
    : QWidget(nullptr, Qt::Window)
    , notebook_(notebook)
    , record_(record)
    , model_(new NotebookTableModel(notebook, this))
    , table_(new QTableView(this))
    , results_(new QPlainTextEdit(this))
    , lastRecorded_(new QLabel(this))
    , recordButton_(new QPushButton(notebookText("&Record"), this))
    , deleteButton_(new QPushButton(notebookText("&Delete Rows"), this))
    , undoButton_(new QPushButton(notebookText("&Undo Delete"), this))
    , clearButton_(new QPushButton(notebookText("C&lear…"), this))
{
    setObjectName(QStringLiteral("notebook"));
    recordButton_->setObjectName(QStringLiteral("record"));
    deleteButton_->setObjectName(QStringLiteral("deleteRows"));
    undoButton_->setObjectName(QStringLiteral("undoDelete"));
    clearButton_->setObjectName(QStringLiteral("clear"));
    setWindowTitle(notebookText("Notebook - %1").arg(texts::applicationTitle()));
    resize(720, 600);

    // Ctrl+R records here as in the main window: the same action.
    addAction(record);
    recordButton_->setAccessibleName(QString(record->text()).remove(u'&'));
    connect(recordButton_, &QPushButton::clicked, record, &QAction::trigger);
    recordButton_->setEnabled(record->isEnabled());

    auto* deleteRows = new QAction(this);
    deleteRows->setShortcut(QKeySequence::Delete);
    deleteRows->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    table_->addAction(deleteRows);
    connect(deleteRows, &QAction::triggered, this, &NotebookWindow::deleteSelectedRows);
    auto* undo = new QAction(this);
    undo->setShortcut(QKeySequence::Undo);
    addAction(undo);
    connect(undo, &QAction::triggered, this, &NotebookWindow::undoDelete);
    connect(deleteButton_, &QPushButton::clicked, this, &NotebookWindow::deleteSelectedRows);
    connect(undoButton_, &QPushButton::clicked, this, &NotebookWindow::undoDelete);
    connect(clearButton_, &QPushButton::clicked, this, &NotebookWindow::clearAll);

    table_->setModel(model_);
    table_->setObjectName(QStringLiteral("measurements"));
    table_->setAccessibleName(notebookText("Measurements"));
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setTabKeyNavigation(false);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);

    results_->setObjectName(QStringLiteral("results"));
    results_->setAccessibleName(notebookText("Results"));
    results_->setReadOnly(true);
    results_->setTabChangesFocus(true);
    results_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    lastRecorded_->setObjectName(QStringLiteral("lastRecorded"));

    auto* tableLabel = new QLabel(notebookText("&Measurements:"), this);
    tableLabel->setBuddy(table_);
    auto* resultsLabel = new QLabel(notebookText("Re&sults:"), this);
    resultsLabel->setBuddy(results_);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {recordButton_, deleteButton_, undoButton_, clearButton_})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(tableLabel);
    layout->addWidget(table_, 3);
    layout->addWidget(resultsLabel);
    layout->addWidget(results_, 2);
    layout->addWidget(lastRecorded_);
    setTabOrder(recordButton_, deleteButton_);
    setTabOrder(deleteButton_, undoButton_);
    setTabOrder(undoButton_, clearButton_);
    setTabOrder(clearButton_, table_);
    setTabOrder(table_, results_);

    notebook_.addListener(this);
    edited();
}

NotebookWindow::~NotebookWindow()
{
    notebook_.removeListener(this);
}

// The main window sets the action with its signals blocked; the event that
// tells the widgets it belongs to still comes.
void NotebookWindow::actionEvent(QActionEvent* event)
{
    if (event->type() == QEvent::ActionChanged && event->action() == record_)
        recordButton_->setEnabled(record_->isEnabled());
    QWidget::actionEvent(event);
}

void NotebookWindow::deleteSelectedRows()
{
    std::vector<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows())
        rows.push_back(index.row());
    if (rows.empty() && table_->currentIndex().isValid())
        rows.push_back(table_->currentIndex().row());
    notebook_.remove(rows);
}

void NotebookWindow::undoDelete()
{
    notebook_.undo();
}

void NotebookWindow::clearAll()
{
    if (notebook_.rows().empty())
        return;
    QMessageBox ask(QMessageBox::Question, windowTitle(),
                    notebookText("Clear all %1 measurements from the notebook? Undo Delete brings them back.")
                        .arg(notebook_.rows().size()),
                    QMessageBox::Yes | QMessageBox::No, this);
    ask.setTextFormat(Qt::PlainText);
    ask.setDefaultButton(QMessageBox::No);
    if (ask.exec() == QMessageBox::Yes)
        notebook_.clear();
}

// Told once for each row recorded, to the eye and to a screen reader.
void NotebookWindow::recorded(int row)
{
    lastRecorded_->setText(announcement(row + 1, notebook_.rows()[row], QLocale()));
    table_->scrollToBottom();
}

void NotebookWindow::edited()
{
    results_->setPlainText(resultsText(analyse(notebook_.rows()), QLocale()));
    followState();
}

void NotebookWindow::followState()
{
    deleteButton_->setEnabled(!notebook_.rows().empty());
    undoButton_->setEnabled(notebook_.canUndo());
    clearButton_->setEnabled(!notebook_.rows().empty());
}
