#include "canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
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

void Canvas::Rectangle(int x1, int y1, int x2, int y2)
{
    notifyShape("Rectangle", {x1, y1, x2, y2});
    raster::rectangle(image(), x1, y1, x2, y2, Pen.Width, toQRgb(Pen.Color), toQRgb(Brush.Color));
}

void Canvas::Ellipse(int x1, int y1, int x2, int y2)
{
    notifyShape("Ellipse", {x1, y1, x2, y2});
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
    raster::line(image(), penPos_, QPoint(x, y), Pen.Width, toQRgb(Pen.Color));
    penPos_ = QPoint(x, y);
}

void Canvas::TextOut(int x, int y, const QString& text)
{
    if (observer_)
        observer_->text(*this, x, y, text);
    const QFont qfont = qfontOf(Font);
    const QFontMetrics metrics(qfont);
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
    raster::copyRect(image(), dest.Left, dest.Top, dest.Right, dest.Bottom, source.image(), sourceRect.Left,
                     sourceRect.Top, sourceRect.Right, sourceRect.Bottom, CopyMode);
}
