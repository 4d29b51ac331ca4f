#pragma once

#include <QImage>
#include <functional>

class Controls;
class PrinterPort;
struct Pictures;

// Copy and print: the picture, with the visible photon properties written
// into it, to the clipboard and to the default printer.
class CopyAndPrint
{
public:
    // Puts a bitmap on the clipboard; raises AppError where it cannot.
    using Clipboard = std::function<void(const QImage& picture)>;

    CopyAndPrint(const Controls& controls, Pictures& pictures, PrinterPort& printer, Clipboard clipboard)
        : controls_(controls)
        , pictures_(pictures)
        , printer_(printer)
        , clipboard_(std::move(clipboard))
    {
    }

    void Copy1Click();
    void Print1Click();

private:
    void writePhotonProperties();

    const Controls& controls_;
    Pictures& pictures_;
    PrinterPort& printer_;
    Clipboard clipboard_;
};

// The whole factor by which a picture `pictureWidth` wide is printed on a
// page `pageWidth` device pixels wide, keeping 300 pixels free.
int printFactor(int pageWidth, int pictureWidth);
