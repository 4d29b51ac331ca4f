#pragma once

struct Experiment;

// Where the apparatus is drawn, in pixels of the picture, from the state.
struct ApparatusGeometry
{
    int S;        // electron size and offset of the drawn collecting plate
    int B;        // bottom of the plates
    int Y0;       // middle of the plates
    int XC;       // collecting plate
    int XL;       // left wire
    int XR;       // right wire and meter centre
    int YW;       // bottom wire
    int XD;       // dial centre
    double XDreal; // dial centre, unrounded
    int YD;       // dial pivot
    int YM;       // meter centre
};

ApparatusGeometry apparatusGeometry(const Experiment& state, int height);

// The dial needle's angle in radians: -pi/4 at 0, upright at half the range.
double dialAngle(int position, int maximum);

// The meter needle's angle in radians: -pi/4 at rest.
double meterAngle(int intensity, int currentflowing);
