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
            .arg(withUncertainty(colour.stoppingVoltage, colour.errorBar().halfWidth(), locale) + QStringLiteral(" V"),
                 volts(*colour.highestWithCurrent, locale),
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

// The decimal place, as a power of ten, to which an uncertainty is given:
// two significant figures where they start with 1 or 2, otherwise one.
int uncertaintyPlace(double uncertainty)
{
    int place = static_cast<int>(std::floor(std::log10(uncertainty))) - 1;
    // 0.096 is 0.10 to two figures, and 0.29 stays 0.29; 0.3 and up take one.
    if (std::round(uncertainty / std::pow(10.0, place)) >= 30)
        ++place;
    return place;
}

QString roundedTo(double value, int place, const QLocale& locale)
{
    return fixed(std::round(value / std::pow(10.0, place)) * std::pow(10.0, place), std::max(0, -place), locale);
}

int exponentOf(double value)
{
    return value == 0 ? 0 : static_cast<int>(std::floor(std::log10(std::abs(value))));
}

// "6.45 to 6.78", to the place that half the range would be given to.
QString range(double low, double high, const QLocale& locale)
{
    const int place = high > low ? uncertaintyPlace((high - low) / 2) : exponentOf(high) - 2;
    return notebookText("%1 to %2").arg(roundedTo(low, place, locale), roundedTo(high, place, locale));
}

QString scientificRange(double low, double high, const QLocale& locale)
{
    const int exponent = exponentOf(high);
    const double unit = std::pow(10.0, exponent);
    return QStringLiteral("%1 × 10%2").arg(range(low / unit, high / unit, locale), superscript(exponent));
}

// Planck's constant with the standard error where there is one, in J s or
// in eV s.
QString planck(const LineFit& fit, double scale, const QLocale& locale)
{
    const double value = fit.slope * scale;
    return fit.errors ? scientificWithUncertainty(value, fit.errors->slope * scale, locale) : scientific(value, 3, locale);
}

QString fitText(const LineFit& fit, int metal, const QLocale& locale)
{
    const double accepted = knownWorkFunctions[metal - 1];
    QString text = notebookText("Fit through %1 stopping voltages: Planck's constant h = %2 J s = %3 eV s (accepted %4 J s, %5); "
              "work function W = %6 eV (accepted %7 eV, %8).")
        .arg(fit.points)
        .arg(planckText(fit, locale), planck(fit, 1e-14, locale),
             scientific(acceptedPlanckConstant, 4, locale),
             percent(fit.planckJouleSeconds(), acceptedPlanckConstant, locale), workFunctionText(fit, locale),
             fixed(accepted, 2, locale), percent(fit.workFunction, accepted, locale));
    if (fit.errors)
        return text + u' ' + notebookText("The uncertainties are the least-squares standard errors, with %1 − 2 degrees of freedom.")
                                 .arg(fit.points);
    return text + u' ' + notebookText("Standard errors need stopping voltages at three frequencies or more.");
}

QString linesText(const MetalResults& metal, const QLocale& locale)
{
    const LinesThroughBars& lines = *metal.lines;
    if (!lines.consistent) {
        QStringList colours;
        for (const std::size_t bar : lines.disagreeing)
            colours << colourName(metal.colours[metal.fitted[bar]], locale);
        return notebookText("No straight line passes through every error bar: the bars of %1 disagree.")
            .arg(locale.createSeparatedList(colours));
    }
    return notebookText("Lines through every error bar: h from %1 J s, W from %2 eV.")
        .arg(planckRange(lines, locale), workFunctionRange(lines, locale));
}

QString thresholdText(const MetalResults& metal, const QLocale& locale)
{
    const std::optional<double> threshold = metal.fit->thresholdFrequency();
    if (!threshold)
        return {};
    const QString frequency = fixed(*threshold, 2, locale);
    const QString wavelength = fixed(cutOffWavelength(*threshold), 0, locale);
    if (!metal.lines->thresholdMin)
        return notebookText("Threshold frequency f₀ = W/h = %1 × 10¹⁴ Hz; cut-off wavelength c/f₀ = %2 nm.")
            .arg(frequency, wavelength);
    const double low = *metal.lines->thresholdMin;
    const double high = *metal.lines->thresholdMax;
    return notebookText("Threshold frequency f₀ = W/h = %1 × 10¹⁴ Hz (lines %2 × 10¹⁴ Hz); "
                        "cut-off wavelength c/f₀ = %3 nm (lines %4 nm).")
        .arg(frequency, range(low, high, locale), wavelength,
             range(cutOffWavelength(high), cutOffWavelength(low), locale));
}

enum class Within { Unknown, Yes, No };

Within within(bool known, double accepted, double low, double high)
{
    return !known ? Within::Unknown : accepted >= low && accepted <= high ? Within::Yes : Within::No;
}

// Whether an accepted value lies within the lines' range and within two
// standard errors of the least-squares value, as far as either is known.
QString acceptedText(const QString& name, Within lines, Within twoErrors)
{
    QStringList where;
    if (lines != Within::Unknown)
        where << (lines == Within::Yes ? notebookText("within the range of lines")
                                       : notebookText("outside the range of lines"));
    if (twoErrors != Within::Unknown)
        where << (twoErrors == Within::Yes ? notebookText("within two standard errors")
                                           : notebookText("beyond two standard errors"));
    if (where.isEmpty())
        return {};
    const QString lies = where.size() == 2 ? notebookText("%1 and %2").arg(where[0], where[1]) : where[0];
    return notebookText("The accepted %1 lies %2.").arg(name, lies);
}

QStringList uncertaintyText(const MetalResults& metal, const QLocale& locale)
{
    const LineFit& fit = *metal.fit;
    const LinesThroughBars& lines = *metal.lines;
    const bool errors = fit.errors.has_value();
    const StandardErrors error = fit.errors.value_or(StandardErrors{});
    const double slope = acceptedPlanckConstant / (1e-14 * elementaryCharge);
    const double work = knownWorkFunctions[metal.metal.metal - 1];
    QStringList texts{
        linesText(metal, locale), thresholdText(metal, locale),
        acceptedText(QStringLiteral("h"), within(lines.consistent, slope, lines.slopeMin, lines.slopeMax),
                     within(errors, slope, fit.slope - 2 * error.slope, fit.slope + 2 * error.slope)),
        acceptedText(QStringLiteral("W"), within(lines.consistent, work, lines.workFunctionMin, lines.workFunctionMax),
                     within(errors, work, fit.workFunction - 2 * error.workFunction,
                            fit.workFunction + 2 * error.workFunction))};
    texts.removeAll(QString());
    return texts;
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

QString withUncertainty(double value, double uncertainty, const QLocale& locale)
{
    // Points exactly on a line have no error beyond the value's fourth figure.
    const int finest = exponentOf(value) - 3;
    const int place = uncertainty > 0 ? std::max(uncertaintyPlace(uncertainty), finest) : finest;
    return QStringLiteral("%1 ± %2").arg(roundedTo(value, place, locale), roundedTo(uncertainty, place, locale));
}

QString scientificWithUncertainty(double value, double uncertainty, const QLocale& locale)
{
    const int exponent = exponentOf(value);
    const double unit = std::pow(10.0, exponent);
    return QStringLiteral("(%1) × 10%2").arg(withUncertainty(value / unit, uncertainty / unit, locale), superscript(exponent));
}

QString planckText(const LineFit& fit, const QLocale& locale)
{
    return planck(fit, 1e-14 * elementaryCharge, locale);
}

QString workFunctionText(const LineFit& fit, const QLocale& locale)
{
    return fit.errors ? withUncertainty(fit.workFunction, fit.errors->workFunction, locale)
                      : fixed(fit.workFunction, 2, locale);
}

QString planckRange(const LinesThroughBars& lines, const QLocale& locale)
{
    const double joules = 1e-14 * elementaryCharge;
    return scientificRange(lines.slopeMin * joules, lines.slopeMax * joules, locale);
}

QString workFunctionRange(const LinesThroughBars& lines, const QLocale& locale)
{
    return range(lines.workFunctionMin, lines.workFunctionMax, locale);
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
            lines << fitText(*metal.fit, metal.metal.metal, locale) << uncertaintyText(metal, locale);
        else
            lines << notebookText("Planck's constant and the work function need stopping voltages at two frequencies or more.");
    }
    return lines.join(u'\n');
}
