#pragma once

// The zoomed view draws the emitting plate close up; its electrons leave in
// six directions, one per tick, and travel three times as far across.

// The angle in radians at which the electron of emission tick `emitted`
// leaves.
double zoomedDirection(int emitted);

struct ZoomedElectron
{
    int x;
    int dy;
};

// Where an electron of emission tick `emitted` is drawn `age` ticks later, with
// kinetic energy `ke` (eV) against the retarding setting `position`.
ZoomedElectron zoomedElectron(int emitted, int age, double ke, int position, double scale, int emitterx);
