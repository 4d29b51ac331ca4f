#include "notebookwindow.h"

#include "screenreader/announcer.h"
#include "core/errors.h"
#include "core/texts.h"
#include "notebook/csv.h"
#include "notebook/graphs.h"
#include "notebook/notebookstore.h"
#include "notebook/notebooktext.h"
#include "notebook/results.h"
#include "notebook/resultstext.h"
#include "notebookcharts.h"
#include "notebooktablemodel.h"

#include <QAction>
#include <QActionEvent>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSplitter>
#include <QStandardPaths>
#include <QTableView>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

QPushButton* button(const char* caption, const char* name, QWidget* parent)
{
    auto* made = new QPushButton(notebookText(caption), parent);
    made->setObjectName(QString::fromLatin1(name));
    return made;
}

} // namespace

NotebookWindow::NotebookWindow(Notebook& notebook, Wiring wiring)
    : QWidget(nullptr, Qt::Window)
    , notebook_(notebook)
    , wiring_(std::move(wiring))
    , model_(new NotebookTableModel(notebook, this))
    , table_(new QTableView(this))
    , results_(new QPlainTextEdit(this))
    , charts_(new NotebookCharts(this))
    , lastRecorded_(new QLabel(this))
    , recordButton_(button("&Record", "record", this))
    , deleteButton_(button("&Delete Rows", "deleteRows", this))
    , undoButton_(button("&Undo Delete", "undoDelete", this))
    , clearButton_(button("C&lear…", "clear", this))
    , recordAsIGo_(new QCheckBox(notebookText("Record as I &go"), this))
{
    setObjectName(QStringLiteral("notebook"));
    setWindowTitle(notebookText("Notebook - %1").arg(texts::applicationTitle()));
    resize(1120, 640);
    QAction* record = wiring_.record;

    // Ctrl+R records here as in the main window: the same action.
    addAction(record);
    recordButton_->setAccessibleName(QString(record->text()).remove(u'&'));
    connect(recordButton_, &QPushButton::clicked, record, &QAction::trigger);
    recordButton_->setEnabled(record->isEnabled());
    recordAsIGo_->setObjectName(QStringLiteral("recordAsIGo"));
    connect(recordAsIGo_, &QCheckBox::toggled, this, [this](bool on) { wiring_.recordAsIGo(on); });

    const auto command = [this](QKeySequence key, void (NotebookWindow::*run)(), QWidget* where,
                                Qt::ShortcutContext context = Qt::WindowShortcut) {
        auto* action = new QAction(this);
        action->setShortcut(key);
        action->setShortcutContext(context);
        where->addAction(action);
        connect(action, &QAction::triggered, this, run);
    };
    command(QKeySequence::Delete, &NotebookWindow::deleteSelectedRows, table_, Qt::WidgetWithChildrenShortcut);
    command(QKeySequence::Undo, &NotebookWindow::undoDelete, this);
    command(QKeySequence::Print, &NotebookWindow::print, this);
    auto* copyAction = new QAction(this);
    copyAction->setShortcut(QKeySequence::Copy);
    addAction(copyAction);
    connect(copyAction, &QAction::triggered, this, &NotebookWindow::copy);

    QPushButton* copyButton = button("&Copy", "copy", this);
    QPushButton* saveButton = button("Save &As…", "saveAs", this);
    QPushButton* printButton = button("&Print…", "print", this);
    connect(deleteButton_, &QPushButton::clicked, this, &NotebookWindow::deleteSelectedRows);
    connect(undoButton_, &QPushButton::clicked, this, &NotebookWindow::undoDelete);
    connect(clearButton_, &QPushButton::clicked, this, &NotebookWindow::clearAll);
    connect(copyButton, &QPushButton::clicked, this, &NotebookWindow::copy);
    connect(saveButton, &QPushButton::clicked, this, &NotebookWindow::saveAs);
    connect(printButton, &QPushButton::clicked, this, &NotebookWindow::print);

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
    announcer_ = new Announcer(this);
    // Ctrl+C copies the notebook wherever the focus is in it.
    table_->installEventFilter(this);
    results_->installEventFilter(this);

    auto* tableLabel = new QLabel(notebookText("&Measurements:"), this);
    tableLabel->setBuddy(table_);
    auto* resultsLabel = new QLabel(notebookText("Re&sults:"), this);
    resultsLabel->setBuddy(results_);

    auto* buttons = new QHBoxLayout;
    for (QWidget* widget : std::initializer_list<QWidget*>{recordButton_, recordAsIGo_, deleteButton_, undoButton_,
                                                           clearButton_, copyButton, saveButton, printButton})
        buttons->addWidget(widget);
    buttons->addStretch();
    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(tableLabel);
    leftLayout->addWidget(table_, 3);
    leftLayout->addWidget(resultsLabel);
    leftLayout->addWidget(results_, 2);
    auto* split = new QSplitter(this);
    split->addWidget(left);
    split->addWidget(charts_);
    split->setChildrenCollapsible(false);
    split->setSizes({570, 530});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(split, 1);
    layout->addWidget(lastRecorded_);
    QWidget* order[] = {recordButton_, recordAsIGo_, deleteButton_, undoButton_, clearButton_, copyButton,
                        saveButton, printButton, table_, results_, charts_};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

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
    if (event->type() == QEvent::ActionChanged && event->action() == wiring_.record)
        recordButton_->setEnabled(wiring_.record->isEnabled());
    QWidget::actionEvent(event);
}

bool NotebookWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy))
        return true;
    return QWidget::eventFilter(watched, event);
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
                    notebookText("Clear all %n measurements from the notebook? Undo Delete brings them back.",
                                 static_cast<int>(notebook_.rows().size())),
                    QMessageBox::Yes | QMessageBox::No, this);
    ask.setTextFormat(Qt::PlainText);
    ask.setDefaultButton(QMessageBox::No);
    if (ask.exec() == QMessageBox::Yes)
        notebook_.clear();
}

QString NotebookWindow::tabSeparated() const
{
    QStringList lines;
    QStringList cells;
    for (int column = 0; column < NotebookTableModel::ColumnCount; ++column)
        cells << model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    lines << cells.join(u'\t');
    const QLocale locale;
    for (const Measurement& row : notebook_.rows()) {
        cells.clear();
        for (int column = 0; column < NotebookTableModel::ColumnCount; ++column)
            cells << NotebookTableModel::cellText(row, column, locale);
        lines << cells.join(u'\t');
    }
    return lines.join(u'\n') + u'\n';
}

void NotebookWindow::copy() const
{
    auto* data = new QMimeData;
    data->setText(tabSeparated());
    data->setData(QStringLiteral("text/csv"), notebookcsv::write(notebook_.rows()));
    data->setImageData(charts_->picture());
    QApplication::clipboard()->setMimeData(data);
}

void NotebookWindow::saveAs()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(this, notebookText("Save the Notebook As"),
                                                      QDir(folder).filePath(QStringLiteral("notebook.csv")),
                                                      notebookText("CSV files (*.csv)"));
    if (!path.isEmpty())
        exportTo(path);
}

bool NotebookWindow::exportTo(const QString& path)
{
    const QString problem = writeNotebookFile(path, notebook_.rows());
    if (problem.isEmpty())
        return true;
    wiring_.showError(notebookText("The notebook could not be saved as %1 (%2); nothing was written there.")
                          .arg(QDir::toNativeSeparators(path), problem));
    return false;
}

void NotebookWindow::print()
{
    // The default printer, as the picture's print takes it.
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return wiring_.showError(errorReportText(texts::noDefaultPrinter()));
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    QString html = QStringLiteral("<h2>%1</h2><table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr>")
                       .arg(windowTitle().toHtmlEscaped());
    for (int column = 0; column < NotebookTableModel::ColumnCount; ++column)
        html += QStringLiteral("<th>%1</th>")
                    .arg(model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString().toHtmlEscaped());
    html += QStringLiteral("</tr>");
    const QLocale locale;
    for (const Measurement& row : notebook_.rows()) {
        html += QStringLiteral("<tr>");
        for (int column = 0; column < NotebookTableModel::ColumnCount; ++column)
            html += QStringLiteral("<td align=\"right\">%1</td>")
                        .arg(NotebookTableModel::cellText(row, column, locale).toHtmlEscaped());
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table><h3>%1</h3>").arg(notebookText("Results").toHtmlEscaped());
    for (const QString& line : results_->toPlainText().split(u'\n'))
        html += QStringLiteral("<p>%1</p>").arg(line.toHtmlEscaped());
    html += QStringLiteral("<p><img src=\"graphs\" width=\"560\"></p>");
    QTextDocument document;
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("graphs")), charts_->picture());
    document.setHtml(html);
    document.print(&printer);
}

// Told once for each row recorded, to the eye and to a screen reader.
void NotebookWindow::recorded(int row)
{
    lastRecorded_->setText(announcement(row + 1, notebook_.rows()[row], QLocale()));
    announcer_->announce(lastRecorded_->text());
    table_->scrollToBottom();
}

void NotebookWindow::edited()
{
    results_->setPlainText(resultsText(analyse(notebook_.rows()), QLocale()));
    charts_->show(graphsOf(notebook_.rows()));
    followState();
}

void NotebookWindow::followState()
{
    deleteButton_->setEnabled(!notebook_.rows().empty());
    undoButton_->setEnabled(notebook_.canUndo());
    clearButton_->setEnabled(!notebook_.rows().empty());
}
