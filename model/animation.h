#pragma once

class Controls;
struct Experiment;
struct Pictures;

// The apparatus and its animation: the redraw of plates, circuit, dial and
// meter, the light switch and the full view's tick.
class ApparatusAnimation
{
public:
    ApparatusAnimation(Controls& controls, Experiment& state, Pictures& pictures)
        : controls_(controls)
        , state_(state)
        , pictures_(pictures)
    {
    }

    void tubebtClick();
    void photonbtClick();
    void photonsTimer();

private:
    Controls& controls_;
    Experiment& state_;
    Pictures& pictures_;
};
