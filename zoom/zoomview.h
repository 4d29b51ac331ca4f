#pragma once

class Controls;
struct Experiment;
struct Pictures;

// The zoomed view of the emitting plate: switching to it and back, its
// redraw and its animation.
class ZoomedView
{
public:
    ZoomedView(Controls& controls, Experiment& state, Pictures& pictures)
        : controls_(controls)
        , state_(state)
        , pictures_(pictures)
    {
    }

    void ZoombtClick();
    void zoomtubebtClick();
    void zoomtimerTimer();

private:
    Controls& controls_;
    Experiment& state_;
    Pictures& pictures_;
};
