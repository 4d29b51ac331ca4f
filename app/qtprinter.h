#pragma once

#include "core/printerport.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <functional>
#include <memory>

class QPrinter;

// The system's default printer through Qt's printing, without a dialog, at
// the printer's own resolution.
//
// A document is kept in memory from startDoc and goes to the printer whole
// at endDoc. Qt cannot abort a print job (QPrinter::abort() fails on the
// PDF and CUPS engines, and ending the painter then prints what was drawn),
// so holding the document back is what lets abortDoc drop it unprinted.
class QtPrinter : public PrinterPort
{
public:
    using Factory = std::function<std::unique_ptr<QPrinter>()>;

    // The default printer, looked up afresh for every document.
    QtPrinter();
    // Tests print through a printer of their own making.
    explicit QtPrinter(Factory makePrinter);
    ~QtPrinter() override;

    int printableWidth() override;
    void startDoc(const QString& name) override;
    void startPage() override;
    void stretchDIBits(const QRect& dest, const QImage& image, const QRect& source) override;
    void endPage() override;
    void endDoc() override;
    void abortDoc() override;

    // The default printer, or AppError when there is none usable.
    static std::unique_ptr<QPrinter> defaultPrinter();

private:
    struct Drawing
    {
        QRect dest;
        QImage image;
        QRect source;
    };

    QPrinter& printer();
    void discard();

    Factory makePrinter_;
    std::unique_ptr<QPrinter> printer_;
    bool documentOpen_ = false;
    QString documentName_;
    QList<QList<Drawing>> pages_;
};
