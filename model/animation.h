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

    // Electrons that reached the collecting plate on the latest tick, as
    // the picture drew them: 0 or 1, since the tick draws the stream only
    // up to the first electron that has left the space between the plates.
    int arrivals() const { return arrivals_; }

private:
    Controls& controls_;
    Experiment& state_;
    Pictures& pictures_;
    int arrivals_ = 0;
};
