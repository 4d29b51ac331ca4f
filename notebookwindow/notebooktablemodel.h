#pragma once

#include "notebook/notebook.h"

#include <QAbstractTableModel>

// The notebook's rows as a table: one column a reading, an empty cell for
// what the window hid, numbers in the user's locale.
class NotebookTableModel : public QAbstractTableModel, private Notebook::Listener
{
public:
    enum Column { Metal, Wavelength, Frequency, Energy, Intensity, Voltage, Current, ColumnCount };

    explicit NotebookTableModel(Notebook& notebook, QObject* parent = nullptr);
    ~NotebookTableModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // A cell's text as the table shows it.
    static QString cellText(const Measurement& row, int column, const QLocale& locale);

private:
    void aboutToChange(const Notebook::Change& change) override;
    void changed(const Notebook::Change& change) override;

    Notebook& notebook_;
};
