#include "apparatus.h"

#include "core/experiment.h"

#include <cmath>
#include <numbers>

ApparatusGeometry apparatusGeometry(const Experiment& state, int height)
{
    ApparatusGeometry geometry;
    geometry.electronSize = static_cast<int>(std::trunc(3 * state.scale));
    geometry.plateBottom = static_cast<int>(std::trunc(state.plateheight * state.scale + state.platetop));
    geometry.plateMiddle = static_cast<int>(std::trunc(state.plateheight * state.scale / 2 + state.platetop));
    geometry.collectorPlateX = state.collectorx + geometry.electronSize;
    geometry.leftWireX = state.emitterx / 2;
    geometry.rightWireX = state.collectorx + geometry.electronSize + state.emitterx / 2;
    geometry.bottomWireY = height - 20;
    geometry.dialX = (state.collectorx + state.emitterx) / 2;
    geometry.dialXExact = (state.collectorx + state.emitterx) / 2.0;
    geometry.dialPivotY = height - 10;
    geometry.meterY = geometry.plateBottom + 25;
    return geometry;
}

double dialAngle(int position, int maximum)
{
    return (position - maximum / 2.0) * (std::numbers::pi / 4) / (maximum / 2.0);
}

double meterAngle(int intensity, int currentflowing)
{
    return (intensity * currentflowing - 5) * (std::numbers::pi / 4) / 5;
}
