#pragma once

#include <optional>
#include <vector>

// The elementary charge, C, and Planck's constant as the notebook compares
// it, J s.
constexpr double elementaryCharge = 1.602176634e-19;
constexpr double acceptedPlanckConstant = 6.626e-34;
// The speed of light in nm × 10^14 Hz, for the cut-off wavelength.
constexpr double lightSpeedNmTimes1e14Hz = 2997.92458;

// A stopping voltage as its bracket gives it: somewhere from `low` to
// `high`, ends included, at a frequency taken as exact.
struct ErrorBar
{
    double frequency = 0; // 10^14 Hz
    double low = 0;       // V
    double high = 0;      // V

    double middle() const { return (low + high) / 2; }
    double halfWidth() const { return (high - low) / 2; }
};

// The standard errors of a least-squares line, with n − 2 degrees of freedom.
struct StandardErrors
{
    double slope = 0;        // V per 10^14 Hz
    double workFunction = 0; // eV
};

// The least-squares line V = slope * f - workFunction through the middles of
// the bars, against frequency.
struct LineFit
{
    double slope = 0;        // V per 10^14 Hz
    double workFunction = 0; // eV
    int points = 0;
    std::optional<StandardErrors> errors; // from three frequencies on

    double planckJouleSeconds() const { return slope * 1e-14 * elementaryCharge; }
    double planckElectronVoltSeconds() const { return slope * 1e-14; }
    // Where the line meets the frequency axis, 10^14 Hz; none for a line
    // that meets it at no positive frequency.
    std::optional<double> thresholdFrequency() const;
};

// A line V = slope * f - workFunction.
struct Line
{
    double slope = 0;
    double workFunction = 0;
};

// All straight lines that pass through every bar: the least and greatest
// slope and work function among them, the steepest and the shallowest, and
// their thresholds. Where no line passes, `disagreeing` names the fewest bars
// that no line crosses together (three at most, or two at one frequency).
struct LinesThroughBars
{
    bool consistent = false;
    double slopeMin = 0, slopeMax = 0;               // V per 10^14 Hz
    double workFunctionMin = 0, workFunctionMax = 0; // eV
    Line steepest, shallowest;
    // The range of the lines' thresholds, where every line has one.
    std::optional<double> thresholdMin, thresholdMax; // 10^14 Hz
    std::vector<std::size_t> disagreeing;             // indices into the bars, in rising order
};

// Both need bars at two different frequencies at least; none otherwise.
std::optional<LineFit> leastSquares(const std::vector<ErrorBar>& bars);
std::optional<LinesThroughBars> linesThroughBars(const std::vector<ErrorBar>& bars);

// The cut-off wavelength c / f, nm, of a frequency in 10^14 Hz.
double cutOffWavelength(double frequency);
