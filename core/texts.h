#pragma once

#include <QString>
#include <QStringList>

// Every text that the experiment shows a user, in one place: captions,
// readings and error messages. The window's own texts (the About box, the
// names read to screen-reader users) stay with the window.
namespace texts {

QString applicationTitle();

// Captions of the controls and menus.
QString controlsGroup();
QString photonProperties();
QString retardingVoltage();
QString intensity();
QString photonEnergy();
QString lightOn();
QString lightOff();
QString zoomIn();
QString zoomOut();
QString slowerPhotoelectrons();
QString metal();
QStringList knownMetalCaptions(); // as laid out at start
QString knownMetalCaption(int metal, double workFunction);
QString unknownMetalCaption(int metal);
QString unknownMetals();
QString fileMenu();
QString copy();
QString print();
QString exit();
QString optionsMenu();
QString showWavelength();
QString showFrequency();
QString showEnergy();
QString showPhotoelectrons();
QString sound();
QString notebookMenu();
QString showNotebook();
QString recordMeasurement();
QString helpMenu();
QString about();

// What the picture and the "Photon Properties" box show.
QString photocurrent();
QString voltageReading(double volts);
QString wavelengthReading(double wavelength);
QString energyReading(double energy);
QString frequencyReading(double wavelength);

// Error messages.
QString notAValidNumber(const QString& text);
QString invalidFloatingPointOperation();
QString cannotOpenClipboard();
QString noDefaultPrinter();
QString printerNotValid();

} // namespace texts
