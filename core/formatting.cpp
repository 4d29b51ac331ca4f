#include "formatting.h"

#include <cstdio>

QString formatFixed(double value, int width, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%*.*f", width, decimals, value);
    return QString::fromLatin1(text);
}
