#include "textstamps.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace {

constexpr std::size_t maximumStamps = 32;

// Fonts are sized in points for a 96 pixels-per-inch surface, rounded as
// the platform's font mapper does.
int pixelSizeOf(int points)
{
    return (points * 96 + 36) / 72;
}

TextStamps::Stamp render(const TextStamps::Style& style, const QString& text)
{
    QFont font(style.fontName);
    font.setPixelSize(pixelSizeOf(style.pointSize));
    font.setBold(style.bold);
    font.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics metrics(font);
    // Room for glyphs that reach outside their advance or below the box.
    const int margin = metrics.height();
    const int width = metrics.horizontalAdvance(text);
    QImage image(width + 2 * margin, 3 * margin, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.fillRect(margin, margin, width, metrics.height(), QColor(toQRgb(style.background)));
    painter.setFont(font);
    painter.setPen(QColor(toQRgb(style.textColour)));
    painter.drawText(margin, margin + metrics.ascent(), text);
    return {image, margin};
}

} // namespace

const TextStamps::Stamp& TextStamps::stamp(const Style& style, const QString& text)
{
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [&](const Entry& entry) { return entry.text == text && entry.style == style; });
    if (found != entries_.end())
        return found->stamp;
    // The voltage reading changes with the scroll bar: forget old texts.
    if (entries_.size() >= maximumStamps)
        entries_.erase(entries_.begin());
    entries_.push_back({style, text, render(style, text)});
    return entries_.back().stamp;
}

void stampText(QImage& picture, const TextStamps::Stamp& stamp, int x, int y)
{
    const int left = x - stamp.margin;
    const int top = y - stamp.margin;
    const int fromX = std::max(0, -left);
    const int toX = std::min(stamp.image.width(), picture.width() - left);
    const int fromY = std::max(0, -top);
    const int toY = std::min(stamp.image.height(), picture.height() - top);
    for (int row = fromY; row < toY; ++row) {
        const auto* source = reinterpret_cast<const QRgb*>(stamp.image.constScanLine(row));
        auto* dest = reinterpret_cast<QRgb*>(picture.scanLine(top + row));
        for (int column = fromX; column < toX; ++column)
            if (qAlpha(source[column]) == 255)
                dest[left + column] = source[column];
    }
}
