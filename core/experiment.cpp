#include "experiment.h"

void setStartState(Experiment& state)
{
    state.scale = 1.0;
    state.currentflowing = 0;
    state.workfunctions = knownWorkFunctions;
    state.emitterx = 40;
    state.platetop = 45;
    state.plateheight = 100;
    state.collectorx = state.emitterx + 195;
}

void drawLanes(Experiment& state)
{
    LaneGenerator lanes;
    for (int& lane : state.electronoffsets)
        lane = lanes.random(state.plateheight - 10) + 5;
}

void setShownScale(Experiment& state)
{
    state.scale = 2.5;
    state.collectorx = static_cast<int>(std::trunc(state.scale * 195.0)) + state.emitterx;
}
