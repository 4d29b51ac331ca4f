#include "spectrum.h"

Colour colourOfIndex(int index)
{
    if (index < 256)
        return index & 0xFF;
    if (index < 512)
        return (((index - 256) * 256) & 0xFF00) + 0xFF;
    if (index < 768)
        return ((767 - index) & 0xFF) + 0xFF00;
    if (index < 1024)
        return (((index - 768) * 65536) & 0xFF0000) + 0xFF00;
    if (index < 1280)
        return (((1279 - index) * 256) & 0xFF00) + 0xFF0000;
    return ((1535 - index) * 65536) & 0xFF0000;
}

double wavelengthOf(int position)
{
    return (1408 - position) / 4.38 + 350;
}

double photonEnergyOf(double wavelength)
{
    return 1.989e-16 / (1.6e-19 * wavelength);
}

Colour maskGrey(int intensity)
{
    return static_cast<Colour>((intensity + 5) * 0x111111);
}
