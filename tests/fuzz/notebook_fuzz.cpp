// libFuzzer target for the notebook's file reader. Whatever the bytes, the
// reader either refuses them with a reason and no rows, or gives rows within
// the window's ranges that write back to a file that reads as the same
// rows. Built and run by scripts/fuzz notebook.

#include "notebook/csv.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const notebookcsv::Read read = notebookcsv::read(bytes);
    if (!read.ok()) {
        if (!read.rows.empty())
            std::abort();
        return 0;
    }
    for (const Measurement& row : read.rows) {
        const bool inRange = row.metal >= 1 && row.metal <= 4 && row.intensity >= 1 && row.intensity <= 10
            && (row.current == 0 || row.current == row.intensity) && std::isfinite(row.voltage)
            && (!row.unknown || (!row.frequency && !row.energy)) && (row.metal4Number.isEmpty() || (row.unknown && row.metal == 4));
        if (!inRange)
            std::abort();
    }
    // Written back with the decimals the window shows, and read again.
    const notebookcsv::Read again = notebookcsv::read(notebookcsv::write(read.rows));
    if (!again.ok() || again.rows.size() != read.rows.size())
        std::abort();
    if (notebookcsv::write(again.rows) != notebookcsv::write(read.rows))
        std::abort();
    return 0;
}
