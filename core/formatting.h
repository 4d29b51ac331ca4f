#pragma once

#include <QString>

// A real number in fixed notation with the given decimals, right-aligned
// with leading blanks in a field of at least `width` characters.
QString formatFixed(double value, int width, int decimals);
