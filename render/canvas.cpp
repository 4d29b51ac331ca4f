#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>
#include <vector>

Canvas::Canvas(QString name, std::function<QSize()> bitmapSize)
    : name_(std::move(name))
    , bitmapSize_(std::move(bitmapSize))
{
}

QImage& Canvas::bitmap()
{
    if (image_.isNull()) {
        image_ = QImage(bitmapSize_(), QImage::Format_RGB32);
        image_.fill(Qt::white);
        painted_ = PaintedBands(image_.size());
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
    touchExactly(QRect(QPoint(std::min(x1, x2) - margin, std::min(y1, y2) - margin),
                       QPoint(std::max(x1, x2) + margin, std::max(y1, y2) + margin)));
}

// Marks exactly `box` as painted: for copies and texts, which use no pen.
void Canvas::touchExactly(const QRect& box)
{
    bitmap();
    painted_.add(box);
    markChanged(box);
    if (lastClear_) {
        // Many small shapes are cheaper merged than listed.
        if (drawnSinceClear_.size() >= 512)
            drawnSinceClear_ = {
                std::accumulate(drawnSinceClear_.begin(), drawnSinceClear_.end(), box, std::bit_or<QRect>())};
        else
            drawnSinceClear_.push_back(box);
    }
}

// Marks a polygon's outline and fill band by band: the columns that its
// edges, widened by the pen, reach within the rows of each band. The beam
// covers less than half of its bounding box.
void Canvas::touchPolygon(std::span<const QPoint> points)
{
    if (points.empty())
        return;
    const int margin = Pen.Width;
    int top = points.front().y();
    int bottom = top;
    for (const QPoint& p : points) {
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    const int height = bitmap().height();
    const int firstRow = std::max(top - margin, 0) / PaintedBands::bandRows * PaintedBands::bandRows;
    for (int row = firstRow; row <= std::min(bottom + margin, height - 1); row += PaintedBands::bandRows) {
        const double low = row - margin;
        const double high = row + PaintedBands::bandRows - 1 + margin;
        double left = INFINITY;
        double right = -INFINITY;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const QPoint& a = points[i];
            const QPoint& b = points[(i + 1) % points.size()];
            const double ya = a.y();
            const double yb = b.y();
            if (std::max(ya, yb) < low || std::min(ya, yb) > high)
                continue;
            if (ya == yb) {
                left = std::min({left, double(a.x()), double(b.x())});
                right = std::max({right, double(a.x()), double(b.x())});
                continue;
            }
            for (const double y : {std::clamp(low, std::min(ya, yb), std::max(ya, yb)),
                                   std::clamp(high, std::min(ya, yb), std::max(ya, yb))}) {
                const double x = a.x() + (b.x() - a.x()) * (y - ya) / (yb - ya);
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
        if (left <= right) {
            const auto clampInt = [](double v) { return static_cast<int>(std::clamp(v, -1e9, 1e9)); };
            touch(clampInt(std::floor(left)), row, clampInt(std::ceil(right)), row + PaintedBands::bandRows - 1);
        }
    }
}

// A rectangle over the whole picture with a one-pixel pen, the animation's
// clear: repeated with the same colours, only what was drawn since the last
// one needs repainting, and the frame, to give the very same pixels.
bool Canvas::clearsWholePicture(int x1, int y1, int x2, int y2)
{
    QImage& picture = bitmap();
    if (x1 != 0 || y1 != 0 || x2 != picture.width() || y2 != picture.height() || Pen.Width != 1)
        return false;
    const QRgb pen = toQRgb(Pen.Color);
    const QRgb brush = toQRgb(Brush.Color);
    if (lastClear_ && lastClear_->pen == Pen.Color && lastClear_->brush == Brush.Color) {
        const QRect inside = picture.rect().adjusted(1, 1, -1, -1);
        for (const QRect& drawn : drawnSinceClear_) {
            const QRect r = drawn & inside;
            if (!r.isEmpty())
                raster::fillRect(picture, r.left(), r.top(), r.right() + 1, r.bottom() + 1, brush);
            markChanged(drawn);
        }
        raster::fillRect(picture, 0, 0, x2, 1, pen);
        raster::fillRect(picture, 0, y2 - 1, x2, y2, pen);
        raster::fillRect(picture, 0, 0, 1, y2, pen);
        raster::fillRect(picture, x2 - 1, 0, x2, y2, pen);
    } else {
        raster::rectangle(picture, x1, y1, x2, y2, 1, pen, brush);
        allChanged_ = true;
    }
    painted_.add(picture.rect());
    lastClear_ = Clear{Pen.Color, Brush.Color};
    drawnSinceClear_.clear();
    return true;
}

void Canvas::markChanged(const QRect& rect)
{
    if (allChanged_)
        return;
    if (changed_.size() >= 2048) {
        allChanged_ = true;
        changed_.clear();
        return;
    }
    changed_.push_back(rect);
}

namespace {
constexpr int joinGap = 16;
}

// Adds a run to a band's ordered runs, joining it with those that it
// overlaps or that lie within the join gap; a band holds a few runs, so this
// costs less than sorting every run of every band.
void Canvas::addRun(std::vector<ChangedRun>& runs, ChangedRun run)
{
    auto first = std::lower_bound(runs.begin(), runs.end(), run.left - joinGap,
                                  [](const ChangedRun& existing, int left) { return existing.right < left; });
    auto last = first;
    for (; last != runs.end() && last->left <= run.right + joinGap; ++last) {
        run.left = std::min(run.left, last->left);
        run.right = std::max(run.right, last->right);
    }
    if (first == last) {
        runs.insert(first, run);
    } else {
        *first = run;
        runs.erase(first + 1, last);
    }
}

// Merges the changed rectangles into bands of eight rows, joining runs that
// lie close together: a few dozen rectangles for the screen to update.
std::vector<QRect> Canvas::takeChanged()
{
    constexpr int bandRows = PaintedBands::bandRows;
    const QRect bounds = bitmap().rect();
    std::vector<QRect> rects;
    if (allChanged_) {
        rects.push_back(bounds);
    } else {
        // Every band's runs, from every rectangle that crosses the band.
        runs_.resize(static_cast<std::size_t>((bounds.height() + bandRows - 1) / bandRows));
        for (std::vector<ChangedRun>& runs : runs_)
            runs.clear();
        for (const QRect& changed : changed_) {
            const QRect rect = changed & bounds;
            if (rect.isEmpty())
                continue;
            for (int band = rect.top() / bandRows; band <= rect.bottom() / bandRows; ++band)
                addRun(runs_[static_cast<std::size_t>(band)], ChangedRun{rect.left(), rect.right() + 1});
        }
        for (std::size_t band = 0; band < runs_.size(); ++band) {
            const int top = static_cast<int>(band) * bandRows;
            for (const ChangedRun& run : runs_[band])
                rects.emplace_back(run.left, top, run.right - run.left, std::min(bandRows, bounds.height() - top));
        }
    }
    changed_.clear();
    allChanged_ = false;
    return rects;
}

void Canvas::Rectangle(int x1, int y1, int x2, int y2)
{
    notifyShape("Rectangle", {x1, y1, x2, y2});
    if (clearsWholePicture(x1, y1, x2, y2))
        return;
    touch(x1, y1, x2, y2);
    raster::rectangle(bitmap(), x1, y1, x2, y2, Pen.Width, toQRgb(Pen.Color), toQRgb(Brush.Color));
}

void Canvas::Ellipse(int x1, int y1, int x2, int y2)
{
    notifyShape("Ellipse", {x1, y1, x2, y2});
    touch(x1, y1, x2, y2);
    raster::ellipse(bitmap(), x1, y1, x2, y2, Pen.Width, toQRgb(Pen.Color), toQRgb(Brush.Color));
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
    touchPolygon(points);
    raster::polygon(bitmap(), points, Pen.Width, toQRgb(Pen.Color), toQRgb(Brush.Color));
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
    raster::line(bitmap(), penPos_, QPoint(x, y), Pen.Width, toQRgb(Pen.Color));
    penPos_ = QPoint(x, y);
}

void Canvas::TextOut(int x, int y, const QString& text)
{
    if (observer_)
        observer_->text(*this, x, y, text);
    const TextStamps::Stamp& stamp = textStamps_.stamp({Font.Name, Font.Size, Font.Bold, Font.Color, Brush.Color},
                                                       text);
    touchExactly(QRect(x - stamp.margin, y - stamp.margin, stamp.image.width(), stamp.image.height()));
    stampText(bitmap(), stamp, x, y);
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
        source.image();
        for (const QRect& part : source.painted_.within(s)) {
            const QRect to = part.translated(offset);
            touchExactly(to);
            raster::copyRect(bitmap(), to.left(), to.top(), to.right() + 1, to.bottom() + 1, source.image(),
                             part.left(), part.top(), part.right() + 1, part.bottom() + 1, CopyMode);
        }
        return;
    }
    touchExactly(d.normalized());
    raster::copyRect(bitmap(), d.left(), d.top(), d.right() + 1, d.bottom() + 1, source.image(), s.left(), s.top(),
                     s.right() + 1, s.bottom() + 1, CopyMode);
}
