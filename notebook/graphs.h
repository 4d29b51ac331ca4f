#pragma once

#include "results.h"

#include <QString>
#include <optional>
#include <vector>

// What the notebook's three graphs plot, from the rows alone. A condition
// is a metal and a colour; its points keep one colour (`conditionIndex`)
// across the graphs.
struct GraphPoint
{
    double x = 0;
    double y = 0;
    bool operator==(const GraphPoint&) const = default;
};

struct Condition
{
    MetalKey metal;
    std::optional<double> frequency; // 10^14 Hz; otherwise the colour is known by its wavelength
    std::optional<int> wavelength;   // nm, as first shown with it
    bool operator==(const Condition&) const = default;
};

// Stopping voltage against frequency: a metal's points, its line where the
// notebook has a fit, and its colours known by wavelength alone, which are
// plotted against the wavelength and never on a line; each point with its
// error bar, and the lines through every bar.
struct StoppingSeries
{
    MetalKey metal;
    std::vector<GraphPoint> byFrequency;  // (10^14 Hz, V)
    std::vector<GraphPoint> byWavelength; // (nm, V)
    std::optional<LineFit> fit;
    std::optional<LinesThroughBars> lines;
    // Each point's error bar, V either side, in the order of the points.
    std::vector<double> byFrequencyErrors;
    std::vector<double> byWavelengthErrors;
};

// Photocurrent against the retarding voltage (one condition at one
// intensity), or against the intensity (one condition at one voltage): two
// points at least.
struct CurrentSeries
{
    int conditionIndex = 0;
    double setting = 0; // the intensity, or the voltage in V, that the series holds
    std::vector<GraphPoint> points;
};

struct Graphs
{
    std::vector<Condition> conditions; // in the order the rows first show them
    std::vector<StoppingSeries> stopping;
    std::vector<CurrentSeries> currentAgainstVoltage;   // points by rising voltage
    std::vector<CurrentSeries> currentAgainstIntensity; // points by rising intensity
};

Graphs graphsOf(const std::vector<Measurement>& rows);
