#pragma once

#include "notebook.h"

#include <QString>
#include <functional>

// Writes the rows to the file at `path` whole or not at all: why not, or
// nothing.
QString writeNotebookFile(const QString& path, const std::vector<Measurement>& rows);

// Keeps a notebook in its file: reads it once at start and writes it whole
// after every edit, atomically, so that a crash leaves the old file or the
// new one. A file that cannot be read is moved aside untouched; every
// failure is reported once, and the notebook goes on in memory.
class NotebookStore : public Notebook::Listener
{
public:
    using Report = std::function<void(const QString& message)>;

    NotebookStore(Notebook& notebook, QString path, Report report);
    ~NotebookStore() override;
    NotebookStore(const NotebookStore&) = delete;
    NotebookStore& operator=(const NotebookStore&) = delete;

    // notebook.csv in the user's data folder: $XDG_DATA_HOME/lumetra/, or
    // ~/.local/share/lumetra/.
    static QString standardPath();

    // Fills the notebook from the file, if there is one.
    void load();
    const QString& path() const { return path_; }

    void edited() override;

private:
    void moveAside(const QString& problem);
    QString write() const;

    Notebook& notebook_;
    QString path_;
    Report report_;
    bool mayWrite_ = true; // not over a file that could be neither read nor moved aside
    bool failing_ = false; // the last write failed, and that was reported
};
