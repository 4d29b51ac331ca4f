#pragma once

#include "results.h"

#include <QLocale>
#include <QString>

// The notebook's words for what it holds, with numbers in the user's
// locale: a metal's name, a recorded row as a screen reader announces it,
// and the results as readable text.
QString metalName(const MetalKey& metal, const QLocale& locale);
QString announcement(int number, const Measurement& row, const QLocale& locale);
QString resultsText(const std::vector<MetalResults>& results, const QLocale& locale);

// A number as "6.60 × 10⁻³⁴" with the given significant digits.
QString scientific(double value, int digits, const QLocale& locale);
