#include "canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <vector>

namespace {

// Fonts are sized in points for a 96 pixels-per-inch surface, rounded as
// the platform's font mapper does.
int pixelSizeOf(int points)
{
    return (points * 96 + 36) / 72;
}

QFont qfontOf(const Canvas::FontState& font)
{
    QFont qfont(font.Name);
    qfont.setPixelSize(pixelSizeOf(font.Size));
    qfont.setBold(font.Bold);
    qfont.setStyleStrategy(QFont::NoAntialias);
    return qfont;
}

} // namespace

Canvas::Canvas(QString name, std::function<QSize()> bitmapSize)
    : name_(std::move(name))
    , bitmapSize_(std::move(bitmapSize))
{
}

QImage& Canvas::image()
{
    if (image_.isNull()) {
        image_ = QImage(bitmapSize_(), QImage::Format_RGB32);
        image_.fill(Qt::white);
    }
    return image_;
}

void Canvas::notifyShape(const char* operation, std::initializer_list<int> coordinates)
{
    if (observer_)
        observer_->shape(*this, operation, std::span<const int>(coordinates.begin(), coordinates.size()));
}

// Marks the box x1..x2-1, y1..y2-1, widened by the pen, as painted.
void Canvas::touch(int x1, int y1, int x2, int y2)
{
    const int margin = Pen.Width;
    painted_ |= QRect(QPoint(std::min(x1, x2) - margin, std::min(y1, y2) - margin),
                      QPoint(std::max(x1, x2) + margin, std::max(y1, y2) + margin));
}

void Canvas::Rectangle(int x1, int y1, int x2, int y2)
{
    notifyShape("Rectangle", {x1, y1, x2, y2});
    touch(x1, y1, x2, y2);
    raster::rectangle(image(), x1, y1, x2, y2, Pen.Width, toQRgb(Pen.Color), toQRgb(Brush.Color));
}

void Canvas::Ellipse(int x1, int y1, int x2, int y2)
{
    notifyShape("Ellipse", {x1, y1, x2, y2});
    touch(x1, y1, x2, y2);
    raster::ellipse(image(), x1, y1, x2, y2, Pen.Width, toQRgb(Pen.Color), toQRgb(Brush.Color));
}

void Canvas::Polygon(std::span<const QPoint> points)
{
    if (observer_) {
        std::vector<int> coordinates;
        for (const QPoint& p : points) {
            coordinates.push_back(p.x());
            coordinates.push_back(p.y());
        }
        observer_->shape(*this, "Polygon", coordinates);
    }
    for (const QPoint& p : points)
        touch(p.x(), p.y(), p.x(), p.y());
    raster::polygon(image(), points, Pen.Width, toQRgb(Pen.Color), toQRgb(Brush.Color));
}

void Canvas::MoveTo(int x, int y)
{
    notifyShape("MoveTo", {x, y});
    penPos_ = QPoint(x, y);
}

void Canvas::LineTo(int x, int y)
{
    notifyShape("LineTo", {x, y});
    touch(penPos_.x(), penPos_.y(), x, y);
    raster::line(image(), penPos_, QPoint(x, y), Pen.Width, toQRgb(Pen.Color));
    penPos_ = QPoint(x, y);
}

void Canvas::TextOut(int x, int y, const QString& text)
{
    if (observer_)
        observer_->text(*this, x, y, text);
    const QFont qfont = qfontOf(Font);
    const QFontMetrics metrics(qfont);
    touch(x, y, x + metrics.horizontalAdvance(text) + metrics.maxWidth(), y + 2 * metrics.height());
    QPainter painter(&image());
    painter.fillRect(x, y, metrics.horizontalAdvance(text), metrics.height(), QColor(toQRgb(Brush.Color)));
    painter.setFont(qfont);
    painter.setPen(QColor(toQRgb(Font.Color)));
    painter.drawText(x, y + metrics.ascent(), text);
}

void Canvas::CopyRect(const TRect& dest, Canvas& source, const TRect& sourceRect)
{
    if (observer_)
        observer_->copy(*this, dest, source, sourceRect);
    QRect d(QPoint(dest.Left, dest.Top), QPoint(dest.Right - 1, dest.Bottom - 1));
    QRect s(QPoint(sourceRect.Left, sourceRect.Top), QPoint(sourceRect.Right - 1, sourceRect.Bottom - 1));
    // ANDing white changes nothing: where the source is untouched, only
    // its painted part needs combining.
    if (CopyMode == RasterOp::SRCAND && d.size() == s.size() && &source != this) {
        const QPoint offset = d.topLeft() - s.topLeft();
        s &= source.painted_;
        d = s.translated(offset);
        if (s.isEmpty())
            return;
    }
    touch(d.left(), d.top(), d.right() + 1, d.bottom() + 1);
    raster::copyRect(image(), d.left(), d.top(), d.right() + 1, d.bottom() + 1, source.image(), s.left(), s.top(),
                     s.right() + 1, s.bottom() + 1, CopyMode);
}
