#include "notebooktablemodel.h"

#include <QCoreApplication>
#include <QLocale>

NotebookTableModel::NotebookTableModel(Notebook& notebook, QObject* parent)
    : QAbstractTableModel(parent)
    , notebook_(notebook)
{
    notebook_.addListener(this);
}

NotebookTableModel::~NotebookTableModel()
{
    notebook_.removeListener(this);
}

int NotebookTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(notebook_.rows().size());
}

int NotebookTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString NotebookTableModel::cellText(const Measurement& row, int column, const QLocale& locale)
{
    const auto fixed = [&](const std::optional<double>& value, int decimals) {
        return value ? locale.toString(*value, 'f', decimals) : QString();
    };
    switch (column) {
    case Metal:
        if (!row.unknown)
            return QString::number(row.metal);
        if (row.metal == 4)
            return QCoreApplication::translate("Notebook", "unknown 4, number %1").arg(row.metal4Number);
        return QCoreApplication::translate("Notebook", "unknown %1").arg(row.metal);
    case Wavelength:
        return row.wavelength ? QString::number(*row.wavelength) : QString();
    case Frequency:
        return fixed(row.frequency, 2);
    case Energy:
        return fixed(row.energy, 2);
    case Intensity:
        return QString::number(row.intensity);
    case Voltage:
        return locale.toString(row.voltage, 'f', 3);
    case Current:
        return QString::number(row.current);
    }
    return {};
}

QVariant NotebookTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole)
        return cellText(notebook_.rows()[index.row()], index.column(), QLocale());
    if (role == Qt::TextAlignmentRole && index.column() != Metal)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant NotebookTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    switch (section) {
    case Metal:
        return QCoreApplication::translate("Notebook", "Metal");
    case Wavelength:
        return QCoreApplication::translate("Notebook", "Wavelength (nm)");
    case Frequency:
        return QCoreApplication::translate("Notebook", "Frequency (10¹⁴ Hz)");
    case Energy:
        return QCoreApplication::translate("Notebook", "Energy (eV)");
    case Intensity:
        return QCoreApplication::translate("Notebook", "Intensity");
    case Voltage:
        return QCoreApplication::translate("Notebook", "Voltage (V)");
    case Current:
        return QCoreApplication::translate("Notebook", "Current");
    }
    return {};
}

void NotebookTableModel::aboutToChange(const Notebook::Change& change)
{
    switch (change.kind) {
    case Notebook::Change::Kind::Insert:
        return beginInsertRows({}, change.row, change.row);
    case Notebook::Change::Kind::Remove:
        return beginRemoveRows({}, change.row, change.row);
    case Notebook::Change::Kind::Reset:
        return beginResetModel();
    }
}

void NotebookTableModel::changed(const Notebook::Change& change)
{
    switch (change.kind) {
    case Notebook::Change::Kind::Insert:
        return endInsertRows();
    case Notebook::Change::Kind::Remove:
        return endRemoveRows();
    case Notebook::Change::Kind::Reset:
        return endResetModel();
    }
}
