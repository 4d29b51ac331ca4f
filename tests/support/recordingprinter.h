#pragma once

#include "core/printerport.h"

#include <QStringList>
#include <optional>

// A default printer that records what is printed on it, or no default
// printer at all.
class RecordingPrinter : public PrinterPort
{
public:
    std::optional<int> width; // none: there is no default printer
    bool echo = false;        // print each call as it happens
    QStringList calls;        // every call, in order
    QImage lastImage;         // the picture of the last StretchDIBits
    bool documentOpen = false;

    int printableWidth() override;
    void startDoc(const QString& name) override;
    void startPage() override;
    void stretchDIBits(const QRect& dest, const QImage& image, const QRect& source) override;
    void endPage() override;
    void endDoc() override;
    void abortDoc() override;

private:
    void record(const QString& call);
};
