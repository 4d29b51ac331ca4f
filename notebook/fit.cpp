#include "fit.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace {

// Readings have a millivolt's precision; a line this close to a bar's end
// passes through it.
constexpr double tolerance = 1e-9;

int frequencyCount(const std::vector<ErrorBar>& bars)
{
    std::set<double> frequencies;
    for (const ErrorBar& bar : bars)
        frequencies.insert(bar.frequency);
    return static_cast<int>(frequencies.size());
}

bool passesThrough(const Line& line, const ErrorBar& bar)
{
    const double v = line.slope * bar.frequency - line.workFunction;
    return v >= bar.low - tolerance && v <= bar.high + tolerance;
}

// The corners of the region of lines through every bar. Each corner is a
// line through two bars' ends at different frequencies; with bars at two
// frequencies or more the region is bounded, so it is empty exactly when it
// has no corner. A few colours make a few hundred candidates.
std::vector<Line> corners(const std::vector<ErrorBar>& bars)
{
    std::vector<std::pair<double, double>> ends;
    for (const ErrorBar& bar : bars) {
        ends.emplace_back(bar.frequency, bar.low);
        ends.emplace_back(bar.frequency, bar.high);
    }
    std::vector<Line> found;
    for (std::size_t i = 0; i < ends.size(); ++i)
        for (std::size_t j = i + 1; j < ends.size(); ++j) {
            const auto [f1, v1] = ends[i];
            const auto [f2, v2] = ends[j];
            if (f1 == f2)
                continue;
            const double slope = (v2 - v1) / (f2 - f1);
            const Line line{slope, slope * f1 - v1};
            if (std::all_of(bars.begin(), bars.end(), [&](const ErrorBar& bar) { return passesThrough(line, bar); }))
                found.push_back(line);
        }
    return found;
}

bool consistent(const std::vector<ErrorBar>& bars)
{
    if (frequencyCount(bars) < 2) {
        // Bars at one frequency: a line crosses them all where they overlap.
        for (const ErrorBar& a : bars)
            for (const ErrorBar& b : bars)
                if (a.high < b.low - tolerance)
                    return false;
        return true;
    }
    return !corners(bars).empty();
}

// No line crosses every bar, so three of them at most already disagree
// (Helly's theorem for the plane of slopes and work functions): the first
// two, else the first three, in the bars' order.
std::vector<std::size_t> disagreeing(const std::vector<ErrorBar>& bars)
{
    const std::size_t n = bars.size();
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j)
            if (!consistent({bars[i], bars[j]}))
                return {i, j};
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j)
            for (std::size_t k = j + 1; k < n; ++k)
                if (!consistent({bars[i], bars[j], bars[k]}))
                    return {i, j, k};
    return {};
}

} // namespace

std::optional<double> LineFit::thresholdFrequency() const
{
    if (slope <= 0 || workFunction <= 0)
        return std::nullopt;
    return workFunction / slope;
}

std::optional<LineFit> leastSquares(const std::vector<ErrorBar>& bars)
{
    const int frequencies = frequencyCount(bars);
    if (frequencies < 2)
        return std::nullopt;
    const double n = static_cast<double>(bars.size());
    double meanF = 0;
    double meanV = 0;
    for (const ErrorBar& bar : bars) {
        meanF += bar.frequency;
        meanV += bar.middle();
    }
    meanF /= n;
    meanV /= n;
    double sff = 0;
    double sfv = 0;
    double sumSquaresF = 0;
    for (const ErrorBar& bar : bars) {
        sff += (bar.frequency - meanF) * (bar.frequency - meanF);
        sfv += (bar.frequency - meanF) * (bar.middle() - meanV);
        sumSquaresF += bar.frequency * bar.frequency;
    }
    LineFit fit;
    fit.slope = sfv / sff;
    fit.workFunction = fit.slope * meanF - meanV;
    fit.points = static_cast<int>(bars.size());
    if (frequencies >= 3) {
        double residuals = 0;
        for (const ErrorBar& bar : bars) {
            const double r = bar.middle() - (fit.slope * bar.frequency - fit.workFunction);
            residuals += r * r;
        }
        const double slopeError = std::sqrt(residuals / (n - 2) / sff);
        fit.errors = StandardErrors{slopeError, slopeError * std::sqrt(sumSquaresF / n)};
    }
    return fit;
}

std::optional<LinesThroughBars> linesThroughBars(const std::vector<ErrorBar>& bars)
{
    if (frequencyCount(bars) < 2)
        return std::nullopt;
    LinesThroughBars lines;
    const std::vector<Line> found = corners(bars);
    if (found.empty()) {
        lines.disagreeing = disagreeing(bars);
        return lines;
    }
    lines.consistent = true;
    const auto bySlope = [](const Line& a, const Line& b) { return a.slope < b.slope; };
    const auto byWork = [](const Line& a, const Line& b) { return a.workFunction < b.workFunction; };
    const auto [shallowest, steepest] = std::minmax_element(found.begin(), found.end(), bySlope);
    const auto [leastWork, greatestWork] = std::minmax_element(found.begin(), found.end(), byWork);
    lines.shallowest = *shallowest;
    lines.steepest = *steepest;
    lines.slopeMin = shallowest->slope;
    lines.slopeMax = steepest->slope;
    lines.workFunctionMin = leastWork->workFunction;
    lines.workFunctionMax = greatestWork->workFunction;
    // W / s is extreme at a corner too, where s and W keep their sign.
    if (lines.slopeMin > 0 && lines.workFunctionMin > 0) {
        const auto byThreshold = [](const Line& a, const Line& b) {
            return a.workFunction / a.slope < b.workFunction / b.slope;
        };
        const auto [lowest, highest] = std::minmax_element(found.begin(), found.end(), byThreshold);
        lines.thresholdMin = lowest->workFunction / lowest->slope;
        lines.thresholdMax = highest->workFunction / highest->slope;
    }
    return lines;
}

double cutOffWavelength(double frequency)
{
    return lightSpeedNmTimes1e14Hz / frequency;
}
