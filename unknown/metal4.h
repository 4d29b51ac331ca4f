#pragma once

#include <QChar>
#include <QString>
#include <cstdint>

// The integer part, truncated toward zero, of the number that the whole
// text holds: optional blanks, an optional sign, digits with an optional
// fraction after `decimalSeparator`, an optional exponent ("E" or "e",
// optional sign, digits), optional blanks. The integer part is taken from
// the decimal digits themselves, so no rounding can change it.
// Raises AppError "'<text>' is not a valid floating point value" for
// anything else, the empty text included, and "Invalid floating point
// operation" when the integer part does not fit a signed 64-bit integer.
std::int64_t integerPartOfText(const QString& text, QChar decimalSeparator);

// Metal 4's work function in eV from the text of its box: 1.0 + 0.06 × r,
// where r is the low 32 bits of the integer part, as a signed value,
// rem 20 (the remainder has the sign of the number). Raises the errors of
// integerPartOfText.
double metal4FromText(const QString& text, QChar decimalSeparator);
