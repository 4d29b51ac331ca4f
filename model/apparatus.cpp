#include "apparatus.h"

#include "experiment.h"
#include "formatting.h"

#include <QCoreApplication>
#include <cmath>
#include <numbers>

ApparatusGeometry apparatusGeometry(const Experiment& state, int height)
{
    ApparatusGeometry g;
    g.S = static_cast<int>(std::trunc(3 * state.scale));
    g.B = static_cast<int>(std::trunc(state.plateheight * state.scale + state.platetop));
    g.Y0 = static_cast<int>(std::trunc(state.plateheight * state.scale / 2 + state.platetop));
    g.XC = state.collectorx + g.S;
    g.XL = state.emitterx / 2;
    g.XR = state.collectorx + g.S + state.emitterx / 2;
    g.YW = height - 20;
    g.XD = (state.collectorx + state.emitterx) / 2;
    g.XDreal = (state.collectorx + state.emitterx) / 2.0;
    g.YD = height - 10;
    g.YM = g.B + 25;
    return g;
}

double dialAngle(int position, int maximum)
{
    return (position - maximum / 2.0) * (std::numbers::pi / 4) / (maximum / 2.0);
}

double meterAngle(int intensity, int currentflowing)
{
    return (intensity * currentflowing - 5) * (std::numbers::pi / 4) / 5;
}

double retardingVoltage(int position)
{
    return std::sqrt(position / 207.0);
}

QString voltageReading(int position)
{
    return QCoreApplication::translate("Apparatus", "V =%1 V").arg(formatFixed(retardingVoltage(position), 6, 3));
}
