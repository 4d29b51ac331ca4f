#pragma once

#include "fit.h"
#include "measurement.h"

#include <QString>
#include <optional>
#include <vector>

// The metal a row was taken with: a known one, or an unknown one; unknown
// metal 4 also by its typed number, since each number makes another metal.
struct MetalKey
{
    int metal = 1;
    bool unknown = false;
    QString metal4Number;

    bool operator==(const MetalKey&) const = default;
    bool operator<(const MetalKey& other) const;
};

// One colour's readings with one metal, and the stopping voltage they
// bracket. A colour is its frequency where that was shown, otherwise its
// wavelength.
struct ColourResult
{
    enum class Stopping {
        Found,           // the midpoint of the bracket
        NoCurrent,       // no reading with a current yet
        NoneWithout,     // no reading without a current yet
        Contradicting,   // a current at or above a voltage that gave none
    };

    std::optional<double> frequency; // 10^14 Hz, for a colour known by it
    std::optional<int> wavelength;   // nm, as shown with the colour's first reading
    int readings = 0;
    std::optional<double> highestWithCurrent; // V
    std::optional<double> lowestWithout;      // V
    Stopping stopping = Stopping::NoCurrent;
    double stoppingVoltage = 0; // V, when found

    // The bracket of a found stopping voltage, at the frequency as shown.
    ErrorBar errorBar() const { return {frequency.value_or(0), *highestWithCurrent, *lowestWithout}; }
};

struct MetalResults
{
    MetalKey metal;
    std::vector<ColourResult> colours; // by frequency, then the wavelength-only ones by falling wavelength
    std::optional<LineFit> fit;        // known metals with stopping voltages at two frequencies or more
    std::optional<LinesThroughBars> lines; // as the fit, through the error bars of the colours known by frequency
    std::vector<std::size_t> fitted;       // the colours those bars belong to, in order
};

// What the rows give, metal by metal: known metals first, by number, then
// the unknown ones. Rows that show no colour at all are left out.
std::vector<MetalResults> analyse(const std::vector<Measurement>& rows);

// Known metal 1 to 4 among the results, if it has any, and its fit.
const MetalResults* knownMetal(const std::vector<MetalResults>& results, int metal);
std::optional<LineFit> fitOfKnownMetal(const std::vector<MetalResults>& results, int metal);

// The difference of a value from the accepted one, in per cent.
double percentFrom(double value, double accepted);
