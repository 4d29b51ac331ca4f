// libFuzzer target for metal 4's number parser. The bytes are read as UTF-8
// and parsed with both decimal separators; an AppError is the parser's
// ordinary answer to a bad text. Anything else escaping, or a sanitizer
// report, is a finding. Built and run by scripts/fuzz metal4.

#include "core/errors.h"
#include "unknown/metal4.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const QChar separator : {QChar(u'.'), QChar(u',')}) {
        try {
            const double value = metal4FromText(text, separator);
            // 1.0 + 0.06 r with r from -19 to 19.
            if (!(value > -0.15 && value < 2.15))
                std::abort();
        } catch (const AppError&) {
        }
    }
    return 0;
}
