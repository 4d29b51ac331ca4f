#pragma once

#include "measurement.h"

#include <QString>
#include <optional>
#include <vector>

// The elementary charge, C, and Planck's constant as the notebook compares
// it, J s.
constexpr double elementaryCharge = 1.602176634e-19;
constexpr double acceptedPlanckConstant = 6.626e-34;

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
};

// The least-squares line V = slope * f - workFunction through a known
// metal's stopping voltages against frequency.
struct LineFit
{
    double slope = 0;        // V per 10^14 Hz
    double workFunction = 0; // eV
    int points = 0;

    double planckJouleSeconds() const { return slope * 1e-14 * elementaryCharge; }
    double planckElectronVoltSeconds() const { return slope * 1e-14; }
};

struct MetalResults
{
    MetalKey metal;
    std::vector<ColourResult> colours; // by frequency, then the wavelength-only ones by falling wavelength
    std::optional<LineFit> fit;        // known metals with stopping voltages at two frequencies or more
};

// What the rows give, metal by metal: known metals first, by number, then
// the unknown ones. Rows that show no colour at all are left out.
std::vector<MetalResults> analyse(const std::vector<Measurement>& rows);

// The fit of known metal 1 to 4 among the results, if it has one.
std::optional<LineFit> fitOfKnownMetal(const std::vector<MetalResults>& results, int metal);

// The difference of a value from the accepted one, in per cent.
double percentFrom(double value, double accepted);
