#pragma once

// Photoelectrons are not stored: each is known by the tick that emitted it,
// and its place is computed afresh from its age on every tick.

// Ticks between two emissions at an intensity.
inline int emissionPeriod(int intensityMax, int intensity)
{
    return intensityMax + 2 - intensity;
}

// An electron's x in pixels, `age` ticks after it left the emitting plate
// with kinetic energy `ke` (eV), against the retarding setting `position`.
int electronX(int position, double ke, int age, double scale, int emitterx);

// Whether an electron at `x` now, `age` ticks old, has passed the collector
// since the last tick drew it between the plates: it reached the collector
// on this tick.
bool reachedCollectorNow(int x, int position, double ke, int age, double scale, int emitterx, int collectorx);

// The tick counter after one more full-view tick.
inline int nextTick(int tag)
{
    const int n = tag + 1;
    return n > 32000 ? 10000 : n;
}
