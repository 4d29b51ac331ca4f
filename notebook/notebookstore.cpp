#include "notebookstore.h"

#include "csv.h"
#include "notebooktext.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// Far more rows than a class takes in a term; a larger file is not a notebook.
constexpr qint64 largestFile = 16 * 1024 * 1024;

QString folderProblem(const QString& folder)
{
    return notebookText("the folder %1 cannot be made").arg(QDir::toNativeSeparators(folder));
}

QString cannotSave(const QString& path, const QString& problem)
{
    return notebookText("The notebook cannot be saved to %1 (%2). Its measurements are kept in memory while Lumetra runs.")
        .arg(QDir::toNativeSeparators(path), problem);
}

} // namespace

NotebookStore::NotebookStore(Notebook& notebook, QString path, Report report)
    : notebook_(notebook)
    , path_(std::move(path))
    , report_(std::move(report))
{
    notebook_.addListener(this);
}

NotebookStore::~NotebookStore()
{
    notebook_.removeListener(this);
}

QString NotebookStore::standardPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/lumetra/notebook.csv");
}

void NotebookStore::load()
{
    // A folder that cannot be made is told at once, before any data is taken.
    const QString folder = QFileInfo(path_).absolutePath();
    if (!QDir().mkpath(folder)) {
        failing_ = true;
        report_(cannotSave(path_, folderProblem(folder)));
        return;
    }
    QFile file(path_);
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly))
        return moveAside(file.errorString());
    if (file.size() > largestFile)
        return moveAside(notebookText("it is larger than 16 MB"));
    const notebookcsv::Read read = notebookcsv::read(file.readAll());
    if (file.error() != QFileDevice::NoError)
        return moveAside(file.errorString());
    if (!read.ok())
        return moveAside(read.problem);
    // Replacing tells this store of an edit: the file is written back as read.
    mayWrite_ = false;
    notebook_.replace(read.rows);
    mayWrite_ = true;
}

void NotebookStore::moveAside(const QString& problem)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddTHH-mm-ss"));
    QString aside = path_ + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = path_ + QStringLiteral(".damaged-") + stamp + QStringLiteral("-%1").arg(n);
    if (QFile::rename(path_, aside)) {
        report_(notebookText("The notebook file %1 could not be read (%2). It has been moved, unchanged, to %3, and the "
                   "notebook starts empty.")
                    .arg(QDir::toNativeSeparators(path_), problem, QDir::toNativeSeparators(aside)));
        return;
    }
    mayWrite_ = false;
    report_(notebookText("The notebook file %1 could not be read (%2), nor moved aside. It is left as it is; the "
               "measurements of this session are kept in memory only.")
                .arg(QDir::toNativeSeparators(path_), problem));
}

void NotebookStore::edited()
{
    if (!mayWrite_)
        return;
    const QString problem = write();
    if (problem.isEmpty()) {
        failing_ = false;
        return;
    }
    if (failing_)
        return;
    failing_ = true;
    report_(cannotSave(path_, problem));
}

// Why the file could not be written, or nothing.
QString NotebookStore::write() const
{
    const QString folder = QFileInfo(path_).absolutePath();
    if (!QDir().mkpath(folder))
        return folderProblem(folder);
    return writeNotebookFile(path_, notebook_.rows());
}

QString writeNotebookFile(const QString& path, const std::vector<Measurement>& rows)
{
    // Unbuffered: a write that stops short (a full disk) says so here, where
    // a buffered one would be cut short unseen at commit.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    const QByteArray bytes = notebookcsv::write(rows);
    if (file.write(bytes) != bytes.size()) {
        const QString problem = file.errorString();
        file.cancelWriting();
        return problem;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}
