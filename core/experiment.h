#pragma once

#include <array>
#include <cmath>
#include <cstdint>

class Canvas;

// The experiment state shared by every handler of the main window. Every
// value is zero until the window's creation handler sets the defaults.
struct Experiment
{
    double scale = 0;                       // pixels per model unit
    int emitterx = 0;                       // x of the emitting plate, pixels
    int collectorx = 0;                     // past this x an electron has reached the collecting plate
    int platetop = 0;                       // y of the plates' top edge, pixels
    int plateheight = 0;                    // model units
    std::array<int, 100> electronoffsets{}; // lanes, model units below platetop
    std::array<double, 4> workfunctions{};  // eV, indexed by the metal in use
    double photonenergy = 0;                // eV
    int currentflowing = 0;                 // 1 when the latest tick counted a photocurrent
    int meterreading = 0;                   // divisions the picture's meter shows: intensity x currentflowing
    int colourindex = 0;                    // input of the colour mapper
    Canvas* colourcanvas = nullptr;         // canvas whose pen and brush the colour mapper sets
};

// The state as the window's creation sets it: the picture at scale 1, the
// known metals.
void setStartState(Experiment& state);

// The 100 lanes, drawn from the program's generator.
void drawLanes(Experiment& state);

// The scale of the picture once the window is shown, and where the
// collecting plate then stands.
void setShownScale(Experiment& state);

// The work functions of the four metals, in eV.
constexpr std::array<double, 4> knownWorkFunctions = {1.50, 1.75, 2.10, 2.60};
// Those of the first three metals in unknown-metals mode; the fourth comes
// from the number the user types.
constexpr std::array<double, 3> hiddenWorkFunctions = {2.0, 1.3, 1.7};

// The retarding voltage in volts for a scroll-bar position.
inline double retardingVoltage(int position)
{
    return std::sqrt(position / 207.0);
}

// The deceleration term's coefficient, model units per tick squared, for a
// retarding-voltage position.
inline double retardingCoefficient(int position)
{
    return position * -0.005 / 800;
}

// What a photon leaves an electron of the metal in use, in eV; below zero
// no electron leaves. Raises std::out_of_range for a metal that is none.
inline double kineticEnergy(const Experiment& state, int metal)
{
    return state.photonenergy - state.workfunctions.at(metal);
}

// The colour mapper's input for a colour scroll-bar position.
inline int colourIndexAt(int position)
{
    return position + 128;
}

// The program's one pseudo-random generator: 32-bit linear congruential,
// seeded with 0 and never reseeded, so every run draws the same lanes.
class LaneGenerator
{
public:
    // A whole number from 0 to n - 1.
    int random(int n)
    {
        seed_ = seed_ * 134775813u + 1u;
        return static_cast<int>((static_cast<std::uint64_t>(seed_) * static_cast<std::uint32_t>(n)) >> 32);
    }

private:
    std::uint32_t seed_ = 0;
};
