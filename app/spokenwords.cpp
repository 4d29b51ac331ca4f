#include "spokenwords.h"

#include "core/controls.h"
#include "core/experiment.h"
#include "core/viewmode.h"
#include "light/spectrum.h"

#include <QCoreApplication>
#include <cmath>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("Speech", text);
}

} // namespace

ShownExperiment shownExperiment(const Controls& controls, const Experiment& state)
{
    ShownExperiment shown;
    shown.lightOn = isLightOn(controls);
    shown.zoomed = isZoomed(controls);
    shown.currentShown = shown.lightOn && !shown.zoomed && state.meterreading != 0;
    return shown;
}

QString changeSpoken(const ShownExperiment& before, const ShownExperiment& after)
{
    if (before.lightOn != after.lightOn)
        return after.lightOn ? tr("Light on") : tr("Light off");
    if (before.zoomed != after.zoomed)
        return after.zoomed ? tr("Zoomed in") : tr("Zoomed out");
    if (before.currentShown != after.currentShown)
        return after.currentShown ? tr("Current flowing") : tr("No current");
    return {};
}

QString spokenVoltage(int position, const QLocale& locale)
{
    return tr("%1 V").arg(locale.toString(retardingVoltage(position), 'f', 3));
}

QString spokenColour(const Controls& controls, const Experiment& state, const QLocale& locale)
{
    const double wavelength = wavelengthOf(controls.coloursb.value());
    if (!controls.wlb.isHidden())
        return tr("%1 nm").arg(static_cast<long long>(std::trunc(wavelength)));
    if (!controls.flb.isHidden())
        return tr("%1 × 10¹⁴ Hz").arg(locale.toString(3000 / wavelength, 'f', 2));
    if (!controls.elb.isHidden())
        return tr("%1 eV").arg(locale.toString(state.photonenergy, 'f', 2));
    return colourName(wavelength);
}

QString colourName(double wavelength)
{
    if (wavelength < 450)
        return tr("violet");
    if (wavelength < 495)
        return tr("blue");
    if (wavelength < 570)
        return tr("green");
    if (wavelength < 590)
        return tr("yellow");
    if (wavelength < 620)
        return tr("orange");
    return tr("red");
}
