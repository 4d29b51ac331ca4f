// Copy and print the picture with the visible photon properties in it.

#include "copyprint.h"

#include "core/controls.h"
#include "core/printerport.h"
#include "render/pictures.h"

#include <cmath>

int printFactor(int pageWidth, int pictureWidth)
{
    return static_cast<int>(std::trunc(static_cast<double>(pageWidth - 300) / pictureWidth));
}

// Writes the texts of the visible photon-property labels into the picture
// where they stand on screen; the font and brush stay set on the canvas.
void CopyAndPrint::writePhotonProperties()
{
    const Controls& controls = controls_;
    Canvas& canvas = pictures_.tube;
    canvas.Brush.Color = colours::white;
    canvas.Font.Color = colours::black;
    canvas.Font.Name = QStringLiteral("arial");
    canvas.Font.Size = 10;
    canvas.Font.Bold = true;
    const int x = 2 * controls.wlb.x() + controls.variablepl.x() - controls.tube.x();
    for (const Control* label : {&controls.wlb, &controls.flb, &controls.elb}) {
        if (!label->isHidden())
            canvas.TextOut(x, label->y() + controls.wlb.y() + controls.variablepl.y() - controls.tube.y(),
                           label->caption());
    }
}

void CopyAndPrint::Copy1Click()
{
    writePhotonProperties();
    // A copy, so that the clipboard keeps this picture while the window
    // draws on.
    clipboard_(pictures_.tube.image().copy());
}

void CopyAndPrint::Print1Click()
{
    PrinterPort& printer = printer_;
    const int factor = printFactor(printer.printableWidth(), controls_.tube.width());
    printer.startDoc(QString());
    try {
        printer.startPage();
        writePhotonProperties();
        const QImage& picture = pictures_.tube.image();
        printer.stretchDIBits(QRect(0, 300, picture.width() * factor, picture.height() * factor), picture,
                              picture.rect());
        printer.endPage();
        printer.endDoc();
    } catch (...) {
        printer.abortDoc();
        throw;
    }
}
