#include "csv.h"

#include "notebooktext.h"

#include <QStringList>
#include <QStringView>
#include <cmath>

namespace notebookcsv {

const char* const header = "metal,unknown,metal4_number,wavelength_nm,frequency_1e14_Hz,photon_energy_eV,intensity,"
                           "retarding_voltage_V,photocurrent";

namespace {

QString cell(const QString& text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

template <typename T>
QString number(const std::optional<T>& value, int decimals)
{
    return value ? QString::number(*value, 'f', decimals) : QString();
}

} // namespace

QByteArray write(const std::vector<Measurement>& rows)
{
    QString text = QString::fromLatin1(header) + QStringLiteral("\r\n");
    for (const Measurement& row : rows) {
        const QStringList cells = {
            QString::number(row.metal),
            QString::number(row.unknown ? 1 : 0),
            cell(row.metal4Number),
            row.wavelength ? QString::number(*row.wavelength) : QString(),
            number(row.frequency, 2),
            number(row.energy, 2),
            QString::number(row.intensity),
            QString::number(row.voltage, 'f', 3),
            QString::number(row.current),
        };
        text += cells.join(u',') + QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

namespace {

// Splits RFC 4180 text into records of cells. Quoted cells may hold commas,
// quotes (doubled) and line ends; lines end in CRLF or LF alone.
struct Records
{
    std::vector<QStringList> records;
    std::vector<int> lines; // where each record starts, from 1
    QString problem;
};

Records split(QStringView text)
{
    Records out;
    QStringList record;
    QString cell;
    bool quoted = false;
    bool afterQuote = false;
    bool inRecord = false;
    int line = 1;
    int recordLine = 1;
    auto endCell = [&] {
        record << cell;
        cell.clear();
        afterQuote = false;
    };
    auto endRecord = [&] {
        endCell();
        out.records.push_back(record);
        out.lines.push_back(recordLine);
        record.clear();
        inRecord = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!inRecord) {
            inRecord = true;
            recordLine = line;
        }
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < text.size() && text[i + 1] == u'"') {
                    cell += u'"';
                    ++i;
                } else {
                    quoted = false;
                    afterQuote = true;
                }
            } else {
                if (c == u'\n')
                    ++line;
                cell += c;
            }
            continue;
        }
        if (c == u',') {
            endCell();
        } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            continue;
        } else if (c == u'\n') {
            endRecord();
            ++line;
        } else if (c == u'"' && cell.isEmpty() && !afterQuote) {
            quoted = true;
        } else if (afterQuote || c == u'"' || c == u'\r') {
            out.problem = notebookText("line %1: a stray quote or line end").arg(line);
            return out;
        } else {
            cell += c;
        }
    }
    if (quoted) {
        out.problem = notebookText("line %1: a quote that never closes").arg(recordLine);
        return out;
    }
    if (inRecord)
        endRecord();
    return out;
}

bool wholeNumber(const QString& text, int lowest, int highest, int& value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok && !text.startsWith(u'+') && value >= lowest && value <= highest;
}

bool realNumber(const QString& text, double lowest, double highest, double& value)
{
    bool ok = false;
    value = text.toDouble(&ok);
    return ok && std::isfinite(value) && value >= lowest && value <= highest;
}

// The bounds of what the window can show, with room to spare.
QString readRow(const QStringList& cells, Measurement& row)
{
    const auto outOfRange = [&](int column) {
        return notebookText("%1 \"%2\" is out of range")
            .arg(QString::fromLatin1(header).split(u',')[column], cells[column]);
    };
    int flag = 0;
    if (!wholeNumber(cells[0], 1, 4, row.metal))
        return outOfRange(0);
    if (!wholeNumber(cells[1], 0, 1, flag))
        return outOfRange(1);
    row.unknown = flag == 1;
    row.metal4Number = cells[2];
    if (!row.metal4Number.isEmpty() && !(row.unknown && row.metal == 4))
        return outOfRange(2);
    int wavelength = 0;
    if (!cells[3].isEmpty()) {
        if (!wholeNumber(cells[3], 300, 800, wavelength))
            return outOfRange(3);
        row.wavelength = wavelength;
    }
    // Unknown metals hide the frequency and the photon energy.
    double value = 0;
    for (const auto& [column, reading, lowest, highest] :
         {std::tuple{4, &row.frequency, 3.0, 10.0}, std::tuple{5, &row.energy, 1.0, 4.0}}) {
        if (cells[column].isEmpty())
            continue;
        if (row.unknown || !realNumber(cells[column], lowest, highest, value))
            return outOfRange(column);
        *reading = value;
    }
    if (!wholeNumber(cells[6], 1, 10, row.intensity))
        return outOfRange(6);
    if (!realNumber(cells[7], 0, 4, row.voltage))
        return outOfRange(7);
    if (!wholeNumber(cells[8], 0, 10, row.current) || (row.current != 0 && row.current != row.intensity))
        return outOfRange(8);
    return {};
}

} // namespace

Read read(const QByteArray& bytes)
{
    Read result;
    QByteArray body = bytes;
    if (body.startsWith("\xEF\xBB\xBF"))
        body.remove(0, 3);
    const QString text = QString::fromUtf8(body);
    if (text.toUtf8() != body || text.contains(QChar(0))) {
        result.problem = notebookText("it is not UTF-8 text");
        return result;
    }
    const Records records = split(text);
    if (!records.problem.isEmpty()) {
        result.problem = records.problem;
        return result;
    }
    if (records.records.empty() || records.records[0].join(u',') != QString::fromLatin1(header)) {
        result.problem = notebookText("its first line is not the notebook's header");
        return result;
    }
    for (std::size_t i = 1; i < records.records.size(); ++i) {
        const QStringList& cells = records.records[i];
        const int line = records.lines[i];
        if (cells.size() == 1 && cells[0].isEmpty())
            continue; // a blank line
        // A file with a fault gives no rows at all, whatever came before it.
        if (cells.size() != 9)
            return {{}, notebookText("line %1 has %n cells, not 9", static_cast<int>(cells.size())).arg(line)};
        Measurement row;
        if (const QString fault = readRow(cells, row); !fault.isEmpty())
            return {{}, notebookText("line %1: %2").arg(line).arg(fault)};
        result.rows.push_back(row);
    }
    return result;
}

} // namespace notebookcsv
