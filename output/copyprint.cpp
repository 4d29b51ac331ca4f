// Copy and print the picture with the visible photon properties in it.

#include "copyprint.h"

#include "app/errorreport.h"
#include "app/imagecontrol.h"
#include "app/razorez.h"
#include "printerport.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMimeData>
#include <QThread>
#include <cmath>

namespace {

// The warning caught by failOnQtWarning's handler; calls do not nest.
struct WarningCapture
{
    QtMessageHandler previous = nullptr;
    const QThread* thread = nullptr;
    QString first;
};
WarningCapture* activeCapture = nullptr;

void captureWarning(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    WarningCapture* capture = activeCapture;
    if (capture && QThread::currentThread() == capture->thread
        && (type == QtWarningMsg || type == QtCriticalMsg) && capture->first.isNull())
        capture->first = text;
    if (capture && capture->previous)
        capture->previous(type, context, text);
}

} // namespace

void failOnQtWarning(const QString& message, const std::function<void()>& call)
{
    WarningCapture capture;
    capture.thread = QThread::currentThread();
    activeCapture = &capture;
    capture.previous = qInstallMessageHandler(captureWarning);
    struct Restore
    {
        WarningCapture& capture;
        ~Restore()
        {
            qInstallMessageHandler(capture.previous);
            activeCapture = nullptr;
        }
    } restore{capture};
    call();
    if (!capture.first.isNull())
        throw AppError(message);
}

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
    // A copy, so that the clipboard keeps this picture while the window
    // draws on.
    const QImage picture = tube->picture().copy();
    failOnQtWarning(QCoreApplication::translate("Output", "Cannot open clipboard"), [&picture] {
        QApplication::clipboard()->setImage(picture);
    });
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
