#include "qtprinter.h"

#include "app/errorreport.h"

#include <QPrinter>
#include <QPrinterInfo>

QtPrinter::QtPrinter() = default;

QtPrinter::~QtPrinter()
{
    abortDoc();
}

// A new printer object for every command, so that a change of the default
// printer between two prints is followed.
QPrinter& QtPrinter::printer()
{
    if (!printer_) {
        // Where queues exist but none is the default, Qt would silently take
        // the first one; there is no default printer then.
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            throw AppError(QStringLiteral("There is no default printer currently selected"));
        printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        if (!printer_->isValid()) {
            printer_.reset();
            throw AppError(QStringLiteral("Printer selected is not valid"));
        }
    }
    return *printer_;
}

int QtPrinter::printableWidth()
{
    printer_.reset();
    return printer().width();
}

void QtPrinter::startDoc(const QString& name)
{
    printer().setDocName(name);
    if (!painter_.begin(&printer())) {
        printer_.reset();
        throw AppError(QStringLiteral("Printer selected is not valid"));
    }
}

void QtPrinter::startPage()
{
    // The document's first page is open as soon as the document is.
}

void QtPrinter::stretchDIBits(const QRect& dest, const QImage& image, const QRect& source)
{
    if (dest.isEmpty())
        return;
    painter_.drawImage(dest, image, source);
}

void QtPrinter::endPage()
{
}

void QtPrinter::endDoc()
{
    if (painter_.isActive())
        painter_.end();
    printer_.reset();
}

void QtPrinter::abortDoc()
{
    if (painter_.isActive()) {
        printer_->abort();
        painter_.end();
    }
    printer_.reset();
}
