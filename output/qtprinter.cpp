#include "qtprinter.h"

#include "app/errorreport.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

QString noDefaultPrinter()
{
    return QCoreApplication::translate("Output", "There is no default printer currently selected");
}

QString printerNotValid()
{
    return QCoreApplication::translate("Output", "Printer selected is not valid");
}

} // namespace

QtPrinter::QtPrinter()
    : QtPrinter(&QtPrinter::defaultPrinter)
{
}

QtPrinter::QtPrinter(Factory makePrinter)
    : makePrinter_(std::move(makePrinter))
{
}

QtPrinter::~QtPrinter() = default;

std::unique_ptr<QPrinter> QtPrinter::defaultPrinter()
{
    // Where queues exist but none is the default, Qt would silently take
    // the first one; there is no default printer then.
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        throw AppError(noDefaultPrinter());
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (!printer->isValid())
        throw AppError(printerNotValid());
    return printer;
}

QPrinter& QtPrinter::printer()
{
    if (!printer_)
        printer_ = makePrinter_();
    return *printer_;
}

int QtPrinter::printableWidth()
{
    // A new printer object for every command, so that a change of the
    // default printer between two prints is followed.
    printer_.reset();
    return printer().width();
}

void QtPrinter::startDoc(const QString& name)
{
    pages_.clear();
    printer();
    documentOpen_ = true;
    documentName_ = name;
}

void QtPrinter::startPage()
{
    pages_.append(QList<Drawing>());
}

void QtPrinter::stretchDIBits(const QRect& dest, const QImage& image, const QRect& source)
{
    if (pages_.isEmpty())
        startPage();
    // A zero-sized destination draws nothing, yet the page stays part of
    // the document.
    if (dest.isEmpty())
        return;
    // A deep copy: the picture is drawn on again before the document ends.
    pages_.last().append(Drawing{dest, image.copy(), source});
}

void QtPrinter::endPage()
{
}

void QtPrinter::endDoc()
{
    if (!documentOpen_)
        return;
    QPrinter& device = printer();
    device.setDocName(documentName_);
    QPainter painter;
    if (!painter.begin(&device)) {
        discard();
        throw AppError(printerNotValid());
    }
    for (qsizetype page = 0; page < pages_.size(); ++page) {
        if (page > 0)
            device.newPage();
        for (const Drawing& drawing : pages_[page])
            painter.drawImage(drawing.dest, drawing.image, drawing.source);
    }
    const bool ended = painter.end();
    const bool failed = !ended || device.printerState() == QPrinter::Error;
    discard();
    if (failed)
        throw AppError(printerNotValid());
}

void QtPrinter::abortDoc()
{
    discard();
}

void QtPrinter::discard()
{
    documentOpen_ = false;
    documentName_.clear();
    pages_.clear();
    printer_.reset();
}
