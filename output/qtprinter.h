#pragma once

#include "printerport.h"

#include <QPainter>
#include <memory>

class QPrinter;

// The system's default printer through Qt's printing, without a dialog, at
// the printer's own resolution.
class QtPrinter : public PrinterPort
{
public:
    QtPrinter();
    ~QtPrinter() override;

    int printableWidth() override;
    void startDoc(const QString& name) override;
    void startPage() override;
    void stretchDIBits(const QRect& dest, const QImage& image, const QRect& source) override;
    void endPage() override;
    void endDoc() override;
    void abortDoc() override;

private:
    QPrinter& printer();

    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
};
