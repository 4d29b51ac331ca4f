// Copy and print the picture with the visible photon properties in it.

#include "app/imagecontrol.h"
#include "app/razorez.h"
#include "printerport.h"

#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QLabel>
#include <cmath>

int printFactor(int pageWidth, int pictureWidth)
{
    return static_cast<int>(std::trunc(static_cast<double>(pageWidth - 300) / pictureWidth));
}

// Writes the texts of the visible photon-property labels into the picture
// where they stand on screen; the font and brush stay set on the canvas.
void Tphotofrm::writePhotonProperties()
{
    Canvas& canvas = tube->canvas();
    canvas.Brush.Color = clWhite;
    canvas.Font.Color = clBlack;
    canvas.Font.Name = QStringLiteral("arial");
    canvas.Font.Size = 10;
    canvas.Font.Bold = true;
    const int x = 2 * wlb->x() + variablepl->x() - tube->x();
    for (QLabel* label : {wlb, flb, elb}) {
        if (!label->isHidden())
            canvas.TextOut(x, label->y() + wlb->y() + variablepl->y() - tube->y(), label->text());
    }
}

void Tphotofrm::Copy1Click()
{
    writePhotonProperties();
    QApplication::clipboard()->setImage(tube->picture());
}

void Tphotofrm::Print1Click()
{
    PrinterPort& printer = *seams().printer;
    const int k = printFactor(printer.printableWidth(), tube->width());
    printer.startDoc(QString());
    try {
        printer.startPage();
        writePhotonProperties();
        const QImage& picture = tube->picture();
        printer.stretchDIBits(QRect(0, 300, picture.width() * k, picture.height() * k), picture, picture.rect());
        printer.endPage();
        printer.endDoc();
    } catch (...) {
        printer.abortDoc();
        throw;
    }
}
