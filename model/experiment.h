#pragma once

#include <array>
#include <cstdint>

class Canvas;

// The experiment state shared by every handler of the main window. Every
// value is zero until the window's creation handler sets the defaults.
struct Experiment
{
    double scale = 0;        // pixels per model unit
    int emitterx = 0;        // x of the emitting plate, pixels
    int collectorx = 0;      // past this x an electron has reached the collecting plate
    int platetop = 0;        // y of the plates' top edge, pixels
    int plateheight = 0;     // model units
    std::array<int, 100> electronoffsets{}; // lanes, model units below platetop
    std::array<double, 4> workfunctions{};  // eV, indexed by the metal in use
    double photonenergy = 0; // eV
    int currentflowing = 0;  // 1 when the latest tick counted a photocurrent
    int colourindex = 0;     // input of the colour mapper
    Canvas* colourcanvas = nullptr; // canvas whose pen and brush the colour mapper sets
};

constexpr std::array<double, 4> knownWorkFunctions = {1.50, 1.75, 2.10, 2.60};

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
