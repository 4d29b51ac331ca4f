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
// A value with its uncertainty as a lab report gives them, "1.49 ± 0.05":
// the uncertainty to two significant figures where they start with 1 or 2,
// otherwise to one, and the value rounded to the same place; and the same
// as "(6.60 ± 0.13) × 10⁻³⁴".
QString withUncertainty(double value, double uncertainty, const QLocale& locale);
QString scientificWithUncertainty(double value, double uncertainty, const QLocale& locale);

// A fit's Planck's constant in J s, "(6.60 ± 0.13) × 10⁻³⁴" with its standard
// error or "6.60 × 10⁻³⁴" without, and its work function in eV likewise; and
// their ranges through every error bar, "6.45 to 6.78 × 10⁻³⁴" and "1.42 to 1.57".
QString planckText(const LineFit& fit, const QLocale& locale);
QString workFunctionText(const LineFit& fit, const QLocale& locale);
QString planckRange(const LinesThroughBars& lines, const QLocale& locale);
QString workFunctionRange(const LinesThroughBars& lines, const QLocale& locale);
