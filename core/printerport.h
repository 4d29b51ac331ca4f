#pragma once

#include <QImage>
#include <QRect>
#include <QString>

// The default printer, as the print command uses it. Every call may raise
// AppError with the platform's message.
class PrinterPort
{
public:
    virtual ~PrinterPort() = default;
    // The printable page width in device pixels; raises "There is no
    // default printer currently selected" when there is none.
    virtual int printableWidth() = 0;
    virtual void startDoc(const QString& name) = 0;
    virtual void startPage() = 0;
    virtual void stretchDIBits(const QRect& dest, const QImage& image, const QRect& source) = 0;
    virtual void endPage() = 0;
    virtual void endDoc() = 0;
    // Ends a document that an error interrupted, so none stays half open.
    virtual void abortDoc() = 0;
};
