#include "output.h"

#include "render/canvas.h"

#include <cstdio>
#include <iostream>

namespace out {

QString quoted(const QString& text)
{
    QString escaped = text;
    escaped.replace(u'\\', QStringLiteral("\\\\"));
    escaped.replace(u'"', QStringLiteral("\\\""));
    return u'"' + escaped + u'"';
}

QString colour(Colour colour)
{
    return QStringLiteral("%1").arg(colour & 0xFFFFFF, 6, 16, QChar(u'0')).toUpper();
}

QString real(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.6f", value);
    return QString::fromLatin1(text);
}

QString boolean(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QString pen(const Canvas& canvas)
{
    return colour(canvas.Pen.Color) + u'/' + QString::number(canvas.Pen.Width);
}

QString brush(const Canvas& canvas)
{
    return colour(canvas.Brush.Color);
}

QString font(const Canvas& canvas)
{
    const Canvas::FontState& f = canvas.Font;
    return quoted(f.Name) + u'/' + QString::number(f.Size) + u'/'
        + (f.Bold ? QStringLiteral("bold") : QStringLiteral("regular")) + u'/' + colour(f.Color);
}

QString copyMode(const Canvas& canvas)
{
    return canvas.CopyMode == RasterOp::SRCAND ? QStringLiteral("SRCAND") : QStringLiteral("SRCCOPY");
}

void line(const QString& text)
{
    std::cout << text.toStdString() << '\n';
}

} // namespace out
