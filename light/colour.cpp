#include "colour.h"

#include "model/formatting.h"

#include <QCoreApplication>
#include <cmath>

TColor colourOfIndex(int a)
{
    if (a < 256)
        return a & 0xFF;
    if (a < 512)
        return (((a - 256) * 256) & 0xFF00) + 0xFF;
    if (a < 768)
        return ((767 - a) & 0xFF) + 0xFF00;
    if (a < 1024)
        return (((a - 768) * 65536) & 0xFF0000) + 0xFF00;
    if (a < 1280)
        return (((1279 - a) * 256) & 0xFF00) + 0xFF0000;
    return ((1535 - a) * 65536) & 0xFF0000;
}

double wavelengthOf(int position)
{
    return (1408 - position) / 4.38 + 350;
}

double photonEnergyOf(double wavelength)
{
    return 1.989e-16 / (1.6e-19 * wavelength);
}

QString wavelengthText(double wavelength)
{
    return QCoreApplication::translate("Light", "lambda = %1 nm").arg(static_cast<long long>(std::trunc(wavelength)));
}

QString energyText(double energy)
{
    return QCoreApplication::translate("Light", "Energy = %1 eV").arg(formatFixed(energy, 5, 2));
}

QString frequencyText(double wavelength)
{
    return QCoreApplication::translate("Light", "\u0192 = %1e14 Hz").arg(formatFixed(3000 / wavelength, 4, 2));
}

TColor maskGrey(int intensity)
{
    return static_cast<TColor>((intensity + 5) * 0x111111);
}
