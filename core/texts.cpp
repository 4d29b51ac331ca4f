#include "texts.h"

#include "formatting.h"

#include <QCoreApplication>
#include <cmath>

namespace texts {

QString applicationTitle()
{
    return QCoreApplication::translate("Window", "Lumetra Photoelectric Effect");
}

QString controlsGroup()
{
    return QCoreApplication::translate("Window", "Controls");
}

QString photonProperties()
{
    return QCoreApplication::translate("Window", "Photon Properties");
}

QString retardingVoltage()
{
    return QCoreApplication::translate("Window", "Retarding Voltage");
}

QString intensity()
{
    return QCoreApplication::translate("Window", "Intensity");
}

QString photonEnergy()
{
    return QCoreApplication::translate("Window", "Photon Energy");
}

QString lightOn()
{
    return QCoreApplication::translate("Window", "Light &On");
}

QString lightOff()
{
    return QCoreApplication::translate("Window", "Light &Off");
}

QString zoomIn()
{
    return QCoreApplication::translate("Window", "&Zoom In");
}

QString zoomOut()
{
    return QCoreApplication::translate("Window", "&Zoom Out");
}

QString slowerPhotoelectrons()
{
    return QCoreApplication::translate("Window", "Slower Photoelectrons");
}

QString metal()
{
    return QCoreApplication::translate("Window", "Metal");
}

// The third caption ends with a blank until unknown-metals mode first
// rewrites the captions.
QStringList knownMetalCaptions()
{
    return {
        QCoreApplication::translate("Window", "&1 (1.50 eV)"), QCoreApplication::translate("Window", "&2 (1.75 eV)"),
        QCoreApplication::translate("Window", "&3 (2.10 eV) "), QCoreApplication::translate("Window", "&4 (2.60 eV)")};
}

QString knownMetalCaption(int metal, double workFunction)
{
    return QCoreApplication::translate("Window", "&%1 (%2 eV)").arg(metal + 1).arg(formatFixed(workFunction, 4, 2));
}

QString unknownMetalCaption(int metal)
{
    return QCoreApplication::translate("Window", "&%1").arg(metal + 1);
}

QString unknownMetals()
{
    return QCoreApplication::translate("Window", " &Unknown Metals");
}

QString fileMenu()
{
    return QCoreApplication::translate("Window", "&File");
}

QString copy()
{
    return QCoreApplication::translate("Window", "&Copy");
}

QString print()
{
    return QCoreApplication::translate("Window", "&Print");
}

QString exit()
{
    return QCoreApplication::translate("Window", "E&xit");
}

QString optionsMenu()
{
    return QCoreApplication::translate("Window", "&Options");
}

QString showWavelength()
{
    return QCoreApplication::translate("Window", "Show &Wavelength");
}

QString showFrequency()
{
    return QCoreApplication::translate("Window", "Show &Frequency");
}

QString showEnergy()
{
    return QCoreApplication::translate("Window", "Show &Energy(eV)");
}

QString showPhotoelectrons()
{
    return QCoreApplication::translate("Window", "Show &Photoelectrons");
}

QString sound()
{
    return QCoreApplication::translate("Window", "&Sound");
}

QString notebookMenu()
{
    return QCoreApplication::translate("Window", "&Notebook");
}

QString showNotebook()
{
    return QCoreApplication::translate("Window", "&Show Notebook");
}

QString recordMeasurement()
{
    return QCoreApplication::translate("Window", "&Record Measurement");
}

QString helpMenu()
{
    return QCoreApplication::translate("Window", "&Help");
}

QString about()
{
    return QCoreApplication::translate("Window", "&About");
}

QString photocurrent()
{
    return QCoreApplication::translate("Apparatus", "Photocurrent");
}

QString voltageReading(double volts)
{
    return QCoreApplication::translate("Apparatus", "V =%1 V").arg(formatFixed(volts, 6, 3));
}

QString wavelengthReading(double wavelength)
{
    return QCoreApplication::translate("Light", "lambda = %1 nm").arg(static_cast<long long>(std::trunc(wavelength)));
}

QString energyReading(double energy)
{
    return QCoreApplication::translate("Light", "Energy = %1 eV").arg(formatFixed(energy, 5, 2));
}

QString frequencyReading(double wavelength)
{
    return QCoreApplication::translate("Light", "\u0192 = %1e14 Hz").arg(formatFixed(3000 / wavelength, 4, 2));
}

QString notAValidNumber(const QString& text)
{
    return QCoreApplication::translate("UnknownMetals", "'%1' is not a valid floating point value").arg(text);
}

QString invalidFloatingPointOperation()
{
    return QCoreApplication::translate("UnknownMetals", "Invalid floating point operation");
}

QString cannotOpenClipboard()
{
    return QCoreApplication::translate("Output", "Cannot open clipboard");
}

QString noDefaultPrinter()
{
    return QCoreApplication::translate("Output", "There is no default printer currently selected");
}

QString printerNotValid()
{
    return QCoreApplication::translate("Output", "Printer selected is not valid");
}

} // namespace texts
