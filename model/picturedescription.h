#pragma once

#include <QString>
#include <optional>

// What a screen reader is told about the picture: only what a sighted user
// can see in it or beside it.
struct PictureFacts
{
    bool lightOn = false;
    std::optional<int> wavelength; // nm, while the wavelength label shows
    bool zoomed = false;
    QString metal;                 // the chosen item's caption as read
    QString retardingVoltage;      // as the dial writes it, "0.000"
    bool electronsShown = false;
    bool electronsLeave = false;
    bool slowerMarked = false;
    bool currentFlowing = false;
};

QString pictureDescription(const PictureFacts& facts);
