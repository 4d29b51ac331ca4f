#include "resultstext.h"

#include "core/experiment.h"
#include "notebooktext.h"

#include <QStringList>
#include <cmath>

namespace {

QString fixed(double value, int decimals, const QLocale& locale)
{
    return locale.toString(value, 'f', decimals);
}

QString volts(double value, const QLocale& locale)
{
    return QStringLiteral("%1 V").arg(fixed(value, 3, locale));
}

QString superscript(int exponent)
{
    static const QString digits = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QString text = exponent < 0 ? QStringLiteral("⁻") : QString();
    for (const QChar digit : QString::number(std::abs(exponent)))
        text += digits[digit.digitValue()];
    return text;
}

QString colourName(const ColourResult& colour, const QLocale& locale)
{
    if (!colour.frequency)
        return QStringLiteral("%1 nm").arg(*colour.wavelength);
    const QString frequency = QStringLiteral("%1 × 10¹⁴ Hz").arg(fixed(*colour.frequency, 2, locale));
    return colour.wavelength ? QStringLiteral("%1 (%2 nm)").arg(frequency).arg(*colour.wavelength) : frequency;
}

QString stoppingText(const ColourResult& colour, const QLocale& locale)
{
    switch (colour.stopping) {
    case ColourResult::Stopping::Found:
        return notebookText("stopping voltage %1, between %2 with a current and %3 without")
            .arg(volts(colour.stoppingVoltage, locale), volts(*colour.highestWithCurrent, locale),
                 volts(*colour.lowestWithout, locale));
    case ColourResult::Stopping::NoCurrent:
        return notebookText("no stopping voltage yet: no reading with a current");
    case ColourResult::Stopping::NoneWithout:
        return notebookText("no stopping voltage yet: no reading without a current");
    case ColourResult::Stopping::Contradicting:
        return notebookText("no stopping voltage: the readings contradict each other, a current at %1 but none at %2")
            .arg(volts(*colour.highestWithCurrent, locale), volts(*colour.lowestWithout, locale));
    }
    return {};
}

QString percent(double value, double accepted, const QLocale& locale)
{
    const double difference = percentFrom(value, accepted);
    const QString sign = difference >= 0 ? QStringLiteral("+") : QString();
    return QStringLiteral("%1 %").arg(sign + fixed(difference, 1, locale));
}

QString fitText(const LineFit& fit, int metal, const QLocale& locale)
{
    const double accepted = knownWorkFunctions[metal - 1];
    return notebookText("Fit through %1 stopping voltages: Planck's constant h = %2 J s = %3 eV s (accepted %4 J s, %5); "
              "work function W = %6 eV (accepted %7 eV, %8).")
        .arg(fit.points)
        .arg(scientific(fit.planckJouleSeconds(), 3, locale), scientific(fit.planckElectronVoltSeconds(), 3, locale),
             scientific(acceptedPlanckConstant, 4, locale),
             percent(fit.planckJouleSeconds(), acceptedPlanckConstant, locale), fixed(fit.workFunction, 2, locale),
             fixed(accepted, 2, locale), percent(fit.workFunction, accepted, locale));
}

} // namespace

QString scientific(double value, int digits, const QLocale& locale)
{
    if (value == 0 || !std::isfinite(value))
        return locale.toString(value);
    int exponent = static_cast<int>(std::floor(std::log10(std::abs(value))));
    double mantissa = value / std::pow(10.0, exponent);
    // Rounding may carry the mantissa to 10.
    if (std::abs(std::round(mantissa * std::pow(10.0, digits - 1))) >= std::pow(10.0, digits)) {
        mantissa /= 10;
        ++exponent;
    }
    return QStringLiteral("%1 × 10%2").arg(fixed(mantissa, digits - 1, locale), superscript(exponent));
}

QString metalName(const MetalKey& metal, const QLocale& locale)
{
    if (!metal.unknown)
        return notebookText("Metal %1 (%2 eV)").arg(metal.metal).arg(fixed(knownWorkFunctions[metal.metal - 1], 2, locale));
    if (metal.metal == 4)
        return notebookText("Unknown metal 4, number %1").arg(metal.metal4Number);
    return notebookText("Unknown metal %1").arg(metal.metal);
}

QString announcement(int number, const Measurement& row, const QLocale& locale)
{
    QStringList parts;
    if (row.wavelength)
        parts << QStringLiteral("%1 nm").arg(*row.wavelength);
    else if (row.frequency)
        parts << QStringLiteral("%1 × 10¹⁴ Hz").arg(fixed(*row.frequency, 2, locale));
    parts << volts(row.voltage, locale);
    parts << (row.current > 0 ? notebookText("current %1").arg(row.current) : notebookText("no current"));
    return notebookText("Measurement %1: %2").arg(number).arg(parts.join(QStringLiteral(", ")));
}

QString resultsText(const std::vector<MetalResults>& results, const QLocale& locale)
{
    if (results.empty())
        return notebookText("No results yet. Switch the light on, choose a colour and record measurements at several retarding "
                  "voltages: with a current and without one. The stopping voltage lies between them.");
    QStringList lines;
    for (const MetalResults& metal : results) {
        if (!lines.isEmpty())
            lines << QString();
        lines << metalName(metal.metal, locale);
        for (const ColourResult& colour : metal.colours)
            lines << QStringLiteral("%1: %2.").arg(colourName(colour, locale), stoppingText(colour, locale));
        if (metal.metal.unknown)
            continue;
        if (metal.fit)
            lines << fitText(*metal.fit, metal.metal.metal, locale);
        else
            lines << notebookText("Planck's constant and the work function need stopping voltages at two frequencies or more.");
    }
    return lines.join(u'\n');
}
