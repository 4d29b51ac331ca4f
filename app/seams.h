#pragma once

#include "clipboard.h"

#include <QChar>
#include <QImage>
#include <QSize>
#include <QString>
#include <functional>

class CanvasObserver;
class ClickSound;
class PrinterPort;
class QDialog;

// What the main window takes from the platform. The program uses the real
// desktop; tests and the scenario runner stand in for it.
struct Seams
{
    std::function<QSize()> screenSize; // the whole primary screen, pixels
    std::function<void(const QString& caption, const QString& text)> showError;
    std::function<void(QDialog& dialog)> runModal;
    std::function<void(const QImage& picture)> copyToClipboard = ::copyToClipboard;
    PrinterPort* printer = nullptr; // the default printer's port
    QChar decimalSeparator = u'.';  // of the user's regional settings
    CanvasObserver* drawingObserver = nullptr;
    ClickSound* clicks = nullptr;                 // none: silent
    std::function<void(bool on)> rememberSound;   // none: the choice is not kept
    // Whether the program may place and activate its own windows: a Wayland
    // compositor does both itself.
    bool placesWindows = true;
};

// The desktop's own screen, message box, modal loop and regional settings,
// with the given printer and clicks; Sound is remembered in the user's
// settings.
Seams desktopSeams(PrinterPort& printer, ClickSound& clicks);
