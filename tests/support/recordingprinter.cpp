#include "recordingprinter.h"

#include "core/errors.h"
#include "core/texts.h"

#include <iostream>

void RecordingPrinter::record(const QString& call)
{
    calls << call;
    if (echo)
        std::cout << "printer: " << call.toStdString() << '\n';
}

int RecordingPrinter::printableWidth()
{
    if (!width)
        throw AppError(texts::noDefaultPrinter());
    return *width;
}

void RecordingPrinter::startDoc(const QString& name)
{
    documentOpen = true;
    record(QStringLiteral("StartDoc \"%1\"").arg(name));
}

void RecordingPrinter::startPage()
{
    record(QStringLiteral("StartPage"));
}

void RecordingPrinter::stretchDIBits(const QRect& dest, const QImage& image, const QRect& source)
{
    lastImage = image.copy();
    record(QStringLiteral("StretchDIBits %1 %2 %3 %4 from %5 %6 %7 %8")
               .arg(dest.x())
               .arg(dest.y())
               .arg(dest.width())
               .arg(dest.height())
               .arg(source.x())
               .arg(source.y())
               .arg(source.width())
               .arg(source.height()));
}

void RecordingPrinter::endPage()
{
    record(QStringLiteral("EndPage"));
}

void RecordingPrinter::endDoc()
{
    documentOpen = false;
    record(QStringLiteral("EndDoc"));
}

void RecordingPrinter::abortDoc()
{
    if (documentOpen)
        record(QStringLiteral("AbortDoc"));
    documentOpen = false;
}
