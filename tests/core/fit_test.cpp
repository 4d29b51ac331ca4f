// The uncertainties of a stopping-voltage lab without a window: the lines
// through every error bar, the least-squares standard errors and the
// results' words for them.

#include "notebook/fit.h"
#include "notebook/results.h"
#include "notebook/resultstext.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <cmath>

namespace {

Measurement reading(double frequency, double voltage, int current)
{
    Measurement row;
    row.wavelength = static_cast<int>(std::round(lightSpeedNmTimes1e14Hz / frequency));
    row.frequency = frequency;
    row.voltage = voltage;
    row.current = current;
    return row;
}

} // namespace

TEST(NotebookFit, TheLinesThroughEveryErrorBar)
{
    struct Case
    {
        const char* what;
        std::vector<ErrorBar> bars;
        bool consistent;
        double slopeMin, slopeMax, workMin, workMax;
        std::vector<std::size_t> disagreeing;
    };
    const std::vector<Case> cases = {
        // Each corner is a line through two bars' ends.
        {"two bars", {{5, 0.4, 0.6}, {6, 0.8, 1.0}}, true, 0.2, 0.6, 0.4, 2.6, {}},
        {"a bar of zero width", {{5, 0.5, 0.5}, {6, 0.8, 1.0}}, true, 0.3, 0.5, 1.0, 2.0, {}},
        {"zero-width bars on one line, ends included", {{5, 0.5, 0.5}, {6, 0.9, 0.9}, {7, 1.3, 1.3}}, true, 0.4, 0.4,
         1.5, 1.5, {}},
        {"ends included: the extreme lines touch the middle bar's end", {{5, 0.4, 0.5}, {6, 0.8, 0.9}, {7, 1.3, 1.4}},
         true, 0.4, 0.5, 1.5, 2.1, {}},
        {"equal frequencies: their bars' overlap counts", {{5, 0.4, 0.6}, {5, 0.5, 0.7}, {6, 0.9, 1.0}}, true, 0.3, 0.5,
         0.9, 2.0, {}},
        {"equal frequencies that do not overlap", {{5, 0.4, 0.5}, {5, 0.6, 0.7}, {6, 0.9, 1.0}}, false, 0, 0, 0, 0,
         {0, 1}},
        {"bars that no line crosses: the first three that disagree",
         {{4, 0.0, 0.02}, {5, 0.40, 0.42}, {6, 0.80, 0.82}, {7, 1.40, 1.42}},
         false, 0, 0, 0, 0, {0, 1, 3}},
        {"a zero-width bar off the line", {{5, 0.5, 0.5}, {6, 0.9, 0.9}, {7, 1.31, 1.31}}, false, 0, 0, 0, 0, {0, 1, 2}},
    };
    for (const Case& test : cases) {
        const std::optional<LinesThroughBars> lines = linesThroughBars(test.bars);
        ASSERT_TRUE(lines) << test.what;
        EXPECT_EQ(lines->consistent, test.consistent) << test.what;
        EXPECT_EQ(lines->disagreeing, test.disagreeing) << test.what;
        if (!test.consistent)
            continue;
        EXPECT_NEAR(lines->slopeMin, test.slopeMin, 1e-9) << test.what;
        EXPECT_NEAR(lines->slopeMax, test.slopeMax, 1e-9) << test.what;
        EXPECT_NEAR(lines->workFunctionMin, test.workMin, 1e-9) << test.what;
        EXPECT_NEAR(lines->workFunctionMax, test.workMax, 1e-9) << test.what;
        EXPECT_DOUBLE_EQ(lines->steepest.slope, lines->slopeMax) << test.what;
        EXPECT_DOUBLE_EQ(lines->shallowest.slope, lines->slopeMin) << test.what;
        for (const Line& line : {lines->steepest, lines->shallowest})
            for (const ErrorBar& bar : test.bars) {
                const double v = line.slope * bar.frequency - line.workFunction;
                EXPECT_TRUE(v >= bar.low - 1e-9 && v <= bar.high + 1e-9) << test.what;
            }
    }
    // Two bars: thresholds W / s from 0.4 / 0.2 to 2.6 / 0.6.
    const std::optional<LinesThroughBars> two = linesThroughBars(cases[0].bars);
    EXPECT_NEAR(*two->thresholdMin, 2.0, 1e-9);
    EXPECT_NEAR(*two->thresholdMax, 2.6 / 0.6, 1e-9);
    // Lines of no positive slope have no threshold.
    EXPECT_FALSE(linesThroughBars({{5, 0.4, 0.6}, {6, 0.3, 0.7}})->thresholdMin);
    // One frequency, however many bars, makes no line.
    EXPECT_FALSE(linesThroughBars({{5, 0.4, 0.6}, {5, 0.5, 0.7}}));
    EXPECT_FALSE(linesThroughBars({}));
}

TEST(NotebookFit, StandardErrorsFromThreeFrequenciesOn)
{
    struct Case
    {
        const char* what;
        std::vector<ErrorBar> bars;
        bool hasFit;
        bool hasErrors;
        double slope, workFunction, slopeError, workError;
    };
    const std::vector<Case> cases = {
        // Residuals 1/60, -1/30, 1/60 V: Σr² = 1/600 on one degree of freedom.
        {"three points", {{5, 0.5, 0.5}, {6, 0.9, 0.9}, {7, 1.4, 1.4}}, true, true, 0.45, 2.7 - 2.8 / 3,
         std::sqrt(1.0 / 1200), std::sqrt(1.0 / 1200 * 110 / 3)},
        {"the bars' middles", {{5, 0.4, 0.6}, {6, 0.8, 1.0}, {7, 1.2, 1.6}}, true, true, 0.45, 2.7 - 2.8 / 3,
         std::sqrt(1.0 / 1200), std::sqrt(1.0 / 1200 * 110 / 3)},
        {"on one line", {{5, 0.5, 0.5}, {6, 0.9, 0.9}, {7, 1.3, 1.3}, {8, 1.7, 1.7}}, true, true, 0.4, 1.5, 0, 0},
        {"two points: a line, no standard error", {{5, 0.4, 0.6}, {6, 0.8, 1.0}}, true, false, 0.4, 1.5, 0, 0},
        {"three points at two frequencies", {{5, 0.4, 0.4}, {5, 0.6, 0.6}, {6, 0.9, 0.9}}, true, false, 0.4, 1.5, 0,
         0},
        {"one frequency", {{5, 0.4, 0.6}, {5, 0.8, 1.0}}, false, false, 0, 0, 0, 0},
    };
    for (const Case& test : cases) {
        const std::optional<LineFit> fit = leastSquares(test.bars);
        ASSERT_EQ(fit.has_value(), test.hasFit) << test.what;
        if (!fit)
            continue;
        EXPECT_NEAR(fit->slope, test.slope, 1e-12) << test.what;
        EXPECT_NEAR(fit->workFunction, test.workFunction, 1e-12) << test.what;
        ASSERT_EQ(fit->errors.has_value(), test.hasErrors) << test.what;
        if (fit->errors) {
            EXPECT_NEAR(fit->errors->slope, test.slopeError, 1e-7) << test.what;
            EXPECT_NEAR(fit->errors->workFunction, test.workError, 1e-7) << test.what;
        }
    }
    const LineFit line{0.4, 1.5, 2, std::nullopt};
    EXPECT_NEAR(*line.thresholdFrequency(), 3.75, 1e-12);
    EXPECT_NEAR(cutOffWavelength(3.75), 799.45, 0.01);
    const LineFit below{0.4, -0.1, 2, std::nullopt};
    EXPECT_FALSE(below.thresholdFrequency());
}

TEST(NotebookFit, ValuesWithTheirUncertaintiesAsALabReportGivesThem)
{
    const QLocale english(QLocale::English);
    struct Case
    {
        double value, uncertainty;
        const char* text;
    };
    const Case cases[] = {
        {1.4921, 0.0473, "1.49 ± 0.05"},   {1.4921, 0.0153, "1.492 ± 0.015"}, {1.4921, 0.0296, "1.49 ± 0.03"},
        {0.3505, 0.0025, "0.3505 ± 0.0025"}, {0.351, 0.003, "0.351 ± 0.003"},   {6.6023, 0.0961, "6.60 ± 0.10"},
        {123.4, 17, "123 ± 17"},             {1234, 470, "1,200 ± 500"}, {6.56892419, 1e-17, "6.569 ± 0.000"},
    };
    for (const Case& test : cases)
        EXPECT_EQ(withUncertainty(test.value, test.uncertainty, english), QString::fromUtf8(test.text)) << test.text;
    EXPECT_EQ(scientificWithUncertainty(6.6023e-34, 0.1312e-34, english), QStringLiteral("(6.60 ± 0.13) × 10⁻³⁴"));
    EXPECT_EQ(withUncertainty(1.4921, 0.0473, QLocale(QLocale::German)), QStringLiteral("1,49 ± 0,05"));
}

TEST(NotebookFit, TheResultsReadLikeALabReport)
{
    // Metal 1 (1.50 eV) bracketed about V = 0.41 f − 1.48 at three
    // frequencies, and an unknown metal with the same readings.
    std::vector<Measurement> rows;
    for (const auto& [f, low, high] : {std::tuple{5.0, 0.55, 0.60}, {6.0, 0.96, 1.00}, {7.0, 1.37, 1.42}}) {
        rows.push_back(reading(f, low, 5));
        rows.push_back(reading(f, high, 0));
    }
    for (Measurement row : std::vector<Measurement>(rows)) {
        row.unknown = true;
        rows.push_back(row);
    }
    const QString text = resultsText(analyse(rows), QLocale(QLocale::English));
    const QStringList lines = text.split(u'\n');
    ASSERT_GE(lines.size(), 10) << text.toStdString();
    EXPECT_EQ(lines[1].toStdString(), std::string("5.00 × 10¹⁴ Hz (600 nm): stopping voltage 0.575 ± 0.025 V, between 0.550 V with "
                                       "a current and 0.600 V without."));
    EXPECT_EQ(lines[4].toStdString(),
              std::string("Fit through 3 stopping voltages: Planck's constant h = (6.57 ± 0.05) × 10⁻³⁴ J s = (4.100 ± 0.029) "
                          "× 10⁻¹⁵ eV s (accepted 6.626 × 10⁻³⁴ J s, -0.9 %); work function W = 1.477 ± 0.017 eV (accepted "
                          "1.50 eV, -1.6 %). The uncertainties are the least-squares standard errors, with 3 − 2 degrees "
                          "of freedom."));
    EXPECT_EQ(lines[5].toStdString(), std::string("Lines through every error bar: h from 6.2 to 7.0 × 10⁻³⁴ J s, W from 1.33 to 1.62 eV."));
    EXPECT_EQ(lines[6].toStdString(), std::string("Threshold frequency f₀ = W/h = 3.60 × 10¹⁴ Hz (lines 3.44 to 3.74 × "
                                                  "10¹⁴ Hz); cut-off wavelength c/f₀ = 832 nm (lines 800 to 870 nm)."));
    EXPECT_EQ(lines[7].toStdString(), std::string("The accepted h lies within the range of lines and within two standard errors."));
    EXPECT_EQ(lines[8].toStdString(), std::string("The accepted W lies within the range of lines and within two standard errors."));
    const QString unknown = text.section(QStringLiteral("Unknown metal 1"), 1);
    EXPECT_FALSE(unknown.contains(QStringLiteral("Fit")) || unknown.contains(QStringLiteral("Lines")))
        << "the puzzle stays a puzzle: " << text.toStdString();

    // A bar that no line crosses with the others is named, never hidden.
    rows.push_back(reading(8.0, 2.50, 5));
    rows.push_back(reading(8.0, 2.51, 0));
    const QString disagreeing = resultsText(analyse(rows), QLocale(QLocale::English));
    EXPECT_TRUE(disagreeing.contains(QStringLiteral(
        "No straight line passes through every error bar: the bars of 5.00 × 10¹⁴ Hz (600 nm), 6.00 × 10¹⁴ Hz (500 nm), "
        "and 8.00 × 10¹⁴ Hz (375 nm) disagree.")))
        << disagreeing.toStdString();
}
