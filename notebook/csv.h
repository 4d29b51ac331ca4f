#pragma once

#include "measurement.h"

#include <QByteArray>
#include <QString>
#include <vector>

// The notebook's file format: RFC 4180 CSV in UTF-8, one row a measurement
// under a fixed header, numbers with a decimal point as the window shows
// them, an empty cell for a reading that was hidden.
namespace notebookcsv {

extern const char* const header;

QByteArray write(const std::vector<Measurement>& rows);

// The rows of a file, or why it is not a notebook: `problem` names the
// first fault ("line 3: intensity 11 is out of range").
struct Read
{
    std::vector<Measurement> rows;
    QString problem;
    bool ok() const { return problem.isEmpty(); }
};
Read read(const QByteArray& bytes);

} // namespace notebookcsv
