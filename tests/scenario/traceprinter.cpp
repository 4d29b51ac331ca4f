#include "traceprinter.h"

#include "output.h"

#include <cstring>

namespace {

QString rect(const TRect& r)
{
    return QStringLiteral("%1 %2 %3 %4").arg(r.Left).arg(r.Top).arg(r.Right).arg(r.Bottom);
}

} // namespace

void TracePrinter::shape(const Canvas& canvas, const char* operation, std::span<const int> coordinates)
{
    if (!on)
        return;
    QString line = canvas.name() + QStringLiteral(": ") + QString::fromLatin1(operation);
    for (int c : coordinates)
        line += u' ' + QString::number(c);
    if (std::strcmp(operation, "LineTo") == 0)
        line += QStringLiteral(" pen=") + out::pen(canvas);
    else if (std::strcmp(operation, "MoveTo") != 0)
        line += QStringLiteral(" pen=") + out::pen(canvas) + QStringLiteral(" brush=") + out::brush(canvas);
    out::line(line);
}

void TracePrinter::text(const Canvas& canvas, int x, int y, const QString& text)
{
    if (on)
        out::line(QStringLiteral("%1: TextOut %2 %3 %4 font=%5 brush=%6")
                      .arg(canvas.name())
                      .arg(x)
                      .arg(y)
                      .arg(out::quoted(text), out::font(canvas), out::brush(canvas)));
}

void TracePrinter::copy(const Canvas& canvas, const TRect& dest, const Canvas& source, const TRect& sourceRect)
{
    if (on)
        out::line(QStringLiteral("%1: CopyRect %2 %3 %4 mode=%5")
                      .arg(canvas.name(), rect(dest), source.name(), rect(sourceRect), out::copyMode(canvas)));
}
