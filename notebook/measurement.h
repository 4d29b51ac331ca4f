#pragma once

#include <QString>
#include <optional>

class Controls;
struct Experiment;

// One row of the notebook: what a student reads off the window at one
// moment and writes down. A reading that the window hid is empty.
struct Measurement
{
    int metal = 1;                   // the selected metal, 1 to 4
    bool unknown = false;            // recorded in unknown-metals mode
    QString metal4Number;            // the typed number, for unknown metal 4 only
    std::optional<int> wavelength;   // nm, as the wavelength label shows it
    std::optional<double> frequency; // 10^14 Hz, as the frequency label shows it
    std::optional<double> energy;    // eV, as the photon-energy label shows it
    int intensity = 5;               // 1 to 10
    double voltage = 0;              // V, as the dial's reading shows it
    int current = 0;                 // the meter's divisions: 0, or the intensity

    bool operator==(const Measurement&) const = default;
};

// The measurement that the window shows now, read from its controls and the
// experiment state: the labels' numbers exactly as they stand, nothing that
// is hidden.
Measurement readMeasurement(const Controls& controls, const Experiment& state);

// The first number in a caption ("lambda = 511 nm" gives 511), with a
// decimal point or comma; none where the caption has no number.
std::optional<double> numberIn(const QString& caption);
