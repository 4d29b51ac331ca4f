#include "formatting.h"

#include <bit>
#include <cstdint>
#include <cstdio>

QString formatFixed(double value, int width, int decimals)
{
    // The apparatus shows the same voltage every tick; formatting it anew
    // cost more than drawing the unchanged text. Compared bit for bit, as
    // -0 prints differently from 0.
    struct Last
    {
        std::uint64_t bits = 0;
        int width = -1;
        int decimals = -1;
        QString text;
    };
    thread_local Last last;
    const auto bits = std::bit_cast<std::uint64_t>(value);
    if (bits == last.bits && width == last.width && decimals == last.decimals)
        return last.text;
    char text[64];
    std::snprintf(text, sizeof text, "%*.*f", width, decimals, value);
    last = {bits, width, decimals, QString::fromLatin1(text)};
    return last.text;
}
