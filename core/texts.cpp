#include "texts.h"

#include "formatting.h"

#include <cmath>

namespace texts {

QString applicationTitle()
{
    return QStringLiteral("Lumetra Photoelectric Effect");
}

QString controlsGroup()
{
    return QStringLiteral("Controls");
}

QString photonProperties()
{
    return QStringLiteral("Photon Properties");
}

QString retardingVoltage()
{
    return QStringLiteral("Retarding Voltage");
}

QString intensity()
{
    return QStringLiteral("Intensity");
}

QString photonEnergy()
{
    return QStringLiteral("Photon Energy");
}

QString lightOn()
{
    return QStringLiteral("Light &On");
}

QString lightOff()
{
    return QStringLiteral("Light &Off");
}

QString zoomIn()
{
    return QStringLiteral("&Zoom In");
}

QString zoomOut()
{
    return QStringLiteral("&Zoom Out");
}

QString slowerPhotoelectrons()
{
    return QStringLiteral("Slower Photoelectrons");
}

QString metal()
{
    return QStringLiteral("Metal");
}

// The third caption ends with a blank until unknown-metals mode first
// rewrites the captions.
QStringList knownMetalCaptions()
{
    return {QStringLiteral("&1 (1.50 eV)"), QStringLiteral("&2 (1.75 eV)"), QStringLiteral("&3 (2.10 eV) "),
            QStringLiteral("&4 (2.60 eV)")};
}

QString knownMetalCaption(int metal, double workFunction)
{
    return QStringLiteral("&%1 (%2 eV)").arg(metal + 1).arg(formatFixed(workFunction, 4, 2));
}

QString unknownMetalCaption(int metal)
{
    return QStringLiteral("&%1").arg(metal + 1);
}

QString unknownMetals()
{
    return QStringLiteral(" &Unknown Metals");
}

QString fileMenu()
{
    return QStringLiteral("&File");
}

QString copy()
{
    return QStringLiteral("&Copy");
}

QString print()
{
    return QStringLiteral("&Print");
}

QString exit()
{
    return QStringLiteral("E&xit");
}

QString optionsMenu()
{
    return QStringLiteral("&Options");
}

QString showWavelength()
{
    return QStringLiteral("Show &Wavelength");
}

QString showFrequency()
{
    return QStringLiteral("Show &Frequency");
}

QString showEnergy()
{
    return QStringLiteral("Show &Energy(eV)");
}

QString showPhotoelectrons()
{
    return QStringLiteral("Show &Photoelectrons");
}

QString helpMenu()
{
    return QStringLiteral("&Help");
}

QString about()
{
    return QStringLiteral("&About");
}

QString photocurrent()
{
    return QStringLiteral("Photocurrent");
}

QString voltageReading(double volts)
{
    return QStringLiteral("V =") + formatFixed(volts, 6, 3) + QStringLiteral(" V");
}

QString wavelengthReading(double wavelength)
{
    return QStringLiteral("lambda = %1 nm").arg(static_cast<long long>(std::trunc(wavelength)));
}

QString energyReading(double energy)
{
    return QStringLiteral("Energy = ") + formatFixed(energy, 5, 2) + QStringLiteral(" eV");
}

QString frequencyReading(double wavelength)
{
    return QStringLiteral("\u0192 = ") + formatFixed(3000 / wavelength, 4, 2) + QStringLiteral("e14 Hz");
}

QString notAValidNumber(const QString& text)
{
    return QStringLiteral("'%1' is not a valid floating point value").arg(text);
}

QString invalidFloatingPointOperation()
{
    return QStringLiteral("Invalid floating point operation");
}

QString cannotOpenClipboard()
{
    return QStringLiteral("Cannot open clipboard");
}

QString noDefaultPrinter()
{
    return QStringLiteral("There is no default printer currently selected");
}

QString printerNotValid()
{
    return QStringLiteral("Printer selected is not valid");
}

} // namespace texts
