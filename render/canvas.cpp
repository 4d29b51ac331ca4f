#include "canvas.h"

#include "rects.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {
// Longer than any tick: such a frame is drawn as it comes.
constexpr std::size_t maxFrameOps = 4096;
} // namespace

Canvas::Canvas(QString name, std::function<QSize()> bitmapSize)
    : name_(std::move(name))
    , bitmapSize_(std::move(bitmapSize))
{
    agreedLately_.fill(SIZE_MAX);
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

const QImage& Canvas::image()
{
    if (behind_)
        catchUp();
    return bitmap();
}

bool Canvas::Op::repeats(const Op& other) const
{
    return kind == other.kind && at == other.at && pen == other.pen && brush == other.brush && font == other.font
        && text == other.text && copyMode == other.copyMode && source == other.source
        && sourceVersion == other.sourceVersion;
}

// Only the state that the primitive uses, so that a change of another
// leaves it a repeat.
Canvas::Op Canvas::opOf(Op::Kind kind, std::initializer_list<int> at) const
{
    Op op;
    op.kind = kind;
    op.at.append(at.begin(), static_cast<qsizetype>(at.size()));
    switch (kind) {
    case Op::Kind::Line:
        op.pen = Pen;
        break;
    case Op::Kind::Text:
        op.font = Font;
        op.brush = Brush.Color;
        break;
    case Op::Kind::Copy:
        op.copyMode = CopyMode;
        break;
    default:
        op.pen = Pen;
        op.brush = Brush.Color;
        break;
    }
    return op;
}

void Canvas::submit(Op&& op)
{
    if (!inFrame_) {
        draw(op);
        return;
    }
    const std::size_t index = frame_.size();
    if (behind_ && !(index < lastFrame_.size() && op.repeats(lastFrame_[index])))
        catchUp();
    frame_.push_back(std::move(op));
    if (!behind_)
        draw(frame_.back());
    if (frame_.size() >= maxFrameOps)
        leaveFrames();
}

void Canvas::startFrame()
{
    if (behind_)
        catchUp();
    lastFrame_.swap(frame_);
    frame_.clear();
    inFrame_ = true;
    behind_ = true;
}

// Brings the image, which holds the whole last frame, to the state after
// the frame's ops so far, which repeat the last frame's.
void Canvas::catchUp()
{
    behind_ = false;
    const std::size_t reached = frame_.size();
    if (reached == lastFrame_.size())
        return;
    // The base moves up only as far as the last few frames all agreed: an
    // op that repeats only now and then (the newest electron, in the colour
    // it happens to have) would otherwise put the base past the next
    // frame's first difference, which then costs a replay from the clear.
    agreedLately_[nextAgreement_++ % agreedLately_.size()] = reached;
    QImage& picture = bitmap();
    std::size_t from = 0;
    if (baseOps_ > 0 && reached >= baseOps_ && !savedSinceBase_.overflowed()) {
        markChanged(savedSinceBase_.restore(picture));
        ++version_;
        from = baseOps_;
    }
    savedSinceBase_.clear();
    const std::size_t agreed = std::max(from, *std::min_element(agreedLately_.begin(), agreedLately_.end()));
    // What is drawn up to `agreed` becomes the base: none of it is saved.
    baseOps_ = 0;
    for (std::size_t i = from; i < agreed; ++i)
        draw(frame_[i]);
    baseOps_ = agreed;
    for (std::size_t i = agreed; i < reached; ++i)
        draw(frame_[i]);
}

void Canvas::leaveFrames()
{
    if (behind_)
        catchUp();
    inFrame_ = false;
    frame_.clear();
    lastFrame_.clear();
    baseOps_ = 0;
    savedSinceBase_.clear();
    agreedLately_.fill(SIZE_MAX);
}

void Canvas::draw(const Op& op)
{
    QImage& picture = bitmap();
    const int* at = op.at.data();
    const QRgb pen = toQRgb(op.pen.Color);
    const QRgb brush = toQRgb(op.brush);
    ++version_;
    switch (op.kind) {
    case Op::Kind::Rectangle:
        if (clearsWholePicture(op)) {
            raster::rectangle(picture, at[0], at[1], at[2], at[3], 1, pen, brush);
            painted_.add(picture.rect());
            markChanged(picture.rect());
            return;
        }
        touch(at[0], at[1], at[2], at[3], op.pen.Width);
        raster::rectangle(picture, at[0], at[1], at[2], at[3], op.pen.Width, pen, brush);
        return;
    case Op::Kind::Ellipse:
        // Pen and all, an ellipse stays inside its box.
        if (at[2] > at[0] && at[3] > at[1])
            touchExactly(QRect(QPoint(at[0], at[1]), QPoint(at[2] - 1, at[3] - 1)));
        raster::ellipse(picture, at[0], at[1], at[2], at[3], op.pen.Width, pen, brush);
        return;
    case Op::Kind::Polygon: {
        QVarLengthArray<QPoint, 4> points;
        for (qsizetype i = 0; i + 1 < op.at.size(); i += 2)
            points.append(QPoint(at[i], at[i + 1]));
        touchPolygon(points, op.pen.Width);
        raster::polygon(picture, points, op.pen.Width, pen, brush);
        return;
    }
    case Op::Kind::Line:
        touch(at[0], at[1], at[2], at[3], op.pen.Width);
        raster::line(picture, QPoint(at[0], at[1]), QPoint(at[2], at[3]), op.pen.Width, pen);
        return;
    case Op::Kind::Text: {
        const TextStamps::Stamp& stamp = textStamps_.stamp(
            {op.font.Name, op.font.Size, op.font.Bold, op.font.Color, op.brush}, op.text);
        touchExactly(QRect(at[0] - stamp.margin, at[1] - stamp.margin, stamp.image.width(), stamp.image.height()));
        stampText(picture, stamp, at[0], at[1]);
        return;
    }
    case Op::Kind::Copy: {
        const QRect d(QPoint(at[0], at[1]), QPoint(at[2] - 1, at[3] - 1));
        const QRect s(QPoint(at[4], at[5]), QPoint(at[6] - 1, at[7] - 1));
        const QImage& source = op.source == this ? picture : *op.sourcePixels;
        // ANDing white changes nothing: where the source is untouched, only
        // its painted part needs combining.
        if (op.copyMode == RasterOp::SRCAND && d.size() == s.size() && op.source != this) {
            const QPoint offset = d.topLeft() - s.topLeft();
            for (const QRect& part : op.source->painted_.within(s)) {
                const QRect to = part.translated(offset);
                touchExactly(to);
                raster::copyRect(picture, to.left(), to.top(), to.right() + 1, to.bottom() + 1, source, part.left(),
                                 part.top(), part.right() + 1, part.bottom() + 1, op.copyMode);
            }
            return;
        }
        touchExactly(d.normalized());
        raster::copyRect(picture, d.left(), d.top(), d.right() + 1, d.bottom() + 1, source, s.left(), s.top(),
                         s.right() + 1, s.bottom() + 1, op.copyMode);
        return;
    }
    }
}

void Canvas::notifyShape(const char* operation, std::initializer_list<int> coordinates)
{
    if (observer_)
        observer_->shape(*this, operation, std::span<const int>(coordinates.begin(), coordinates.size()));
}

// Marks the box x1..x2-1, y1..y2-1, widened by the pen, as painted.
void Canvas::touch(int x1, int y1, int x2, int y2, int penWidth)
{
    touchExactly(QRect(QPoint(std::min(x1, x2) - penWidth, std::min(y1, y2) - penWidth),
                       QPoint(std::max(x1, x2) + penWidth, std::max(y1, y2) + penWidth)));
}

// Marks exactly `box` as painted: for copies, texts and ellipses.
void Canvas::touchExactly(const QRect& box)
{
    painted_.add(box);
    markChanged(box);
    if (baseOps_ > 0)
        savedSinceBase_.save(image_, box); // draw() has made the image
}

// Marks a polygon's outline and fill band by band: the columns that its
// edges, widened by the pen, reach within the rows of each band. The beam
// covers less than half of its bounding box.
void Canvas::touchPolygon(std::span<const QPoint> points, int penWidth)
{
    if (points.empty())
        return;
    const int margin = penWidth;
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
            touch(clampInt(std::floor(left)), row, clampInt(std::ceil(right)), row + PaintedBands::bandRows - 1,
                  penWidth);
        }
    }
}

// A rectangle over the whole picture with a one-pixel pen: the clear that
// every redraw of the picture begins with.
bool Canvas::clearsWholePicture(const Op& op)
{
    const QSize size = bitmap().size();
    return op.kind == Op::Kind::Rectangle && op.at[0] == 0 && op.at[1] == 0 && op.at[2] == size.width()
        && op.at[3] == size.height() && op.pen.Width == 1;
}

void Canvas::markChanged(const QRect& rect)
{
    changed_ = rects::united(changed_, rect);
}

// One rectangle: painting and flushing it costs Qt far less than the same
// pixels split over many, whose clip slows every copy.
QRect Canvas::takeChanged()
{
    const QRect changed = changed_ & image().rect();
    changed_ = QRect();
    return changed;
}

void Canvas::Rectangle(int x1, int y1, int x2, int y2)
{
    notifyShape("Rectangle", {x1, y1, x2, y2});
    Op op = opOf(Op::Kind::Rectangle, {x1, y1, x2, y2});
    if (clearsWholePicture(op))
        startFrame();
    submit(std::move(op));
}

void Canvas::Ellipse(int x1, int y1, int x2, int y2)
{
    notifyShape("Ellipse", {x1, y1, x2, y2});
    submit(opOf(Op::Kind::Ellipse, {x1, y1, x2, y2}));
}

void Canvas::Polygon(std::span<const QPoint> points)
{
    Op op = opOf(Op::Kind::Polygon, {});
    for (const QPoint& p : points) {
        op.at.append(p.x());
        op.at.append(p.y());
    }
    if (observer_)
        observer_->shape(*this, "Polygon", std::span<const int>(op.at.data(), op.at.size()));
    submit(std::move(op));
}

void Canvas::MoveTo(int x, int y)
{
    notifyShape("MoveTo", {x, y});
    penPos_ = QPoint(x, y);
}

void Canvas::LineTo(int x, int y)
{
    notifyShape("LineTo", {x, y});
    submit(opOf(Op::Kind::Line, {penPos_.x(), penPos_.y(), x, y}));
    penPos_ = QPoint(x, y);
}

void Canvas::TextOut(int x, int y, const QString& text)
{
    if (observer_)
        observer_->text(*this, x, y, text);
    Op op = opOf(Op::Kind::Text, {x, y});
    op.text = text;
    submit(std::move(op));
}

void Canvas::CopyRect(const TRect& dest, Canvas& source, const TRect& sourceRect)
{
    if (observer_)
        observer_->copy(*this, dest, source, sourceRect);
    Op op = opOf(Op::Kind::Copy,
                 {dest.Left, dest.Top, dest.Right, dest.Bottom, sourceRect.Left, sourceRect.Top, sourceRect.Right,
                  sourceRect.Bottom});
    op.source = &source;
    if (&source != this) {
        op.sourcePixels = source.image();
        op.sourceVersion = source.version_;
    }
    submit(std::move(op));
}
