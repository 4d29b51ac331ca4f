#pragma once

struct Experiment;

// Where the apparatus is drawn, in pixels of the picture, from the state.
struct ApparatusGeometry
{
    int electronSize;    // also how far right of `collectorx` the collecting plate is drawn
    int plateBottom;     // y of the plates' bottom ends
    int plateMiddle;     // y of the plates' middle, where the wires join them
    int collectorPlateX; // x of the drawn collecting plate
    int leftWireX;       // x of the wire left of the emitting plate
    int rightWireX;      // x of the wire right of the collecting plate, and of the meter's centre
    int bottomWireY;     // y of the wire along the bottom
    int dialX;           // x of the voltage dial's centre
    double dialXExact;   // the same, unrounded
    int dialPivotY;      // y of the dial needle's pivot
    int meterY;          // y of the meter's centre
};

ApparatusGeometry apparatusGeometry(const Experiment& state, int height);

// The dial needle's angle in radians: -pi/4 at 0, upright at half the range.
double dialAngle(int position, int maximum);

// The meter needle's angle in radians: -pi/4 at rest.
double meterAngle(int intensity, int currentflowing);
