#pragma once

// Where the clicks of electrons reaching the collector go. The program
// plays them on the desktop's sound server; tests and the scenario runner
// have none, or count them.
class ClickSound
{
public:
    virtual ~ClickSound() = default;
    // Sound was switched on or off: a player may take or give back its
    // device here, so that nothing of it is held while the sound is off.
    virtual void setOn(bool on) = 0;
    // One tick of the full view: `clicks` clicks at once, then silence
    // until the next tick.
    virtual void tick(int clicks) = 0;
};
