#pragma once

#include <QChar>
#include <QString>

// The whole text as a real number: optional blanks, an optional sign,
// digits with an optional fraction after `decimalSeparator`, an optional
// exponent, optional blanks. Raises AppError "'<text>' is not a valid
// floating point value" for anything else, the empty text included.
double textToFloat(const QString& text, QChar decimalSeparator);

// Metal 4's work function in eV from the text of its box: 1.0 + 0.06 × r,
// where r is the number's integer part, taken modulo 2^32 as a signed
// value, rem 20. Raises AppError "Invalid floating point operation" when
// the integer part does not fit a signed 64-bit integer.
double metal4FromText(const QString& text, QChar decimalSeparator);
