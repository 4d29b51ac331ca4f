#include "raster.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <compare>
#include <cstdint>
#include <cstring>
#include <vector>

// Coordinate arithmetic is done in 64 bits, with unsigned or double-width
// products where two coordinate differences are multiplied: callers pass
// arbitrary ints (shapes far off the picture are normal) and nothing may
// overflow.

namespace {

using i64 = std::int64_t;
using u64 = std::uint64_t;

constexpr QRgb opaque(QRgb rgb)
{
    return rgb | 0xFF000000u;
}

// Only layouts whose pixels are one 0xAARRGGBB word can be written directly.
bool drawable(const QImage& image)
{
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return !image.isNull();
    default:
        return false;
    }
}

// Writable view of an image, taken once per call so the image detaches at
// most once.
struct Surface
{
    uchar* bits;
    qsizetype stride;
    i64 width;
    i64 height;

    QRgb* row(i64 y) const { return reinterpret_cast<QRgb*>(bits + y * stride); }
};

Surface surfaceOf(QImage& image)
{
    return {image.bits(), image.bytesPerLine(), image.width(), image.height()};
}

// Columns xa..xb-1 of row y, clipped.
void hspan(const Surface& s, i64 y, i64 xa, i64 xb, QRgb rgb)
{
    if (y < 0 || y >= s.height)
        return;
    xa = std::max<i64>(xa, 0);
    xb = std::min(xb, s.width);
    if (xa >= xb)
        return;
    QRgb* row = s.row(y);
    std::fill(row + xa, row + xb, rgb);
}

// Columns x1..x2-1 of rows y1..y2-1, clipped.
void fillBox(const Surface& s, i64 x1, i64 y1, i64 x2, i64 y2, QRgb rgb)
{
    x1 = std::max<i64>(x1, 0);
    x2 = std::min(x2, s.width);
    y1 = std::max<i64>(y1, 0);
    y2 = std::min(y2, s.height);
    if (x1 >= x2)
        return;
    for (i64 y = y1; y < y2; ++y) {
        QRgb* row = s.row(y);
        std::fill(row + x1, row + x2, rgb);
    }
}

// Bresenham path from (x0, y0) to (x1, y1). Ties between two minor-axis
// pixels go to the one nearer the start, as in the classic incremental
// form. The path is evaluated in closed form, so only the stretch whose
// brush can reach the picture is walked, however long the line is.
void drawLine(const Surface& s, i64 x0, i64 y0, i64 x1, i64 y1, int width, QRgb rgb)
{
    width = std::max(width, 1);
    const i64 adx = x1 >= x0 ? x1 - x0 : x0 - x1;
    const i64 ady = y1 >= y0 ? y1 - y0 : y0 - y1;
    const bool xMajor = adx >= ady;
    const i64 major = std::max(adx, ady);
    const i64 minor = std::min(adx, ady);
    const i64 lastStep = width == 1 ? major - 1 : major;
    if (lastStep < 0)
        return;

    const i64 majorStart = xMajor ? x0 : y0;
    const i64 minorStart = xMajor ? y0 : x0;
    const i64 majorDir = (xMajor ? x1 >= x0 : y1 >= y0) ? 1 : -1;
    const i64 minorDir = (xMajor ? y1 >= y0 : x1 >= x0) ? 1 : -1;

    // A point p paints p-before .. p+after on both axes.
    const i64 before = width / 2;
    const i64 after = width - 1 - before;

    // Plates, wires and frames run straight: the whole path is one box.
    if (minor == 0) {
        const i64 endMajor = majorStart + majorDir * lastStep;
        const i64 lowMajor = std::min(majorStart, endMajor) - before;
        const i64 highMajor = std::max(majorStart, endMajor) + after + 1;
        if (xMajor)
            fillBox(s, lowMajor, minorStart - before, highMajor, minorStart + after + 1, rgb);
        else
            fillBox(s, minorStart - before, lowMajor, minorStart + after + 1, highMajor, rgb);
        return;
    }
    const i64 extent = xMajor ? s.width : s.height;
    const i64 lo = -after;
    const i64 hi = extent - 1 + before;
    i64 first = majorDir > 0 ? lo - majorStart : majorStart - hi;
    i64 last = majorDir > 0 ? hi - majorStart : majorStart - lo;
    first = std::max<i64>(first, 0);
    last = std::min(last, lastStep);
    if (first > last)
        return;

    // Minor offset at step i is i*minor/major rounded half down, tracked as
    // quotient and remainder (the product alone can exceed 64 bits signed).
    u64 quotient = 0;
    u64 remainder = 0;
    if (major > 0) {
        const u64 product = u64(first) * u64(minor);
        quotient = product / u64(major);
        remainder = product % u64(major);
    }
    for (i64 i = first; i <= last; ++i) {
        const i64 offset = i64(quotient) + (2 * remainder > u64(major) ? 1 : 0);
        const i64 m = majorStart + majorDir * i;
        const i64 n = minorStart + minorDir * offset;
        const i64 x = xMajor ? m : n;
        const i64 y = xMajor ? n : m;
        if (width == 1) {
            if (x >= 0 && x < s.width && y >= 0 && y < s.height)
                s.row(y)[x] = rgb;
        } else {
            fillBox(s, x - before, y - before, x + after + 1, y + after + 1, rgb);
        }
        remainder += u64(minor);
        if (remainder >= u64(major)) {
            remainder -= u64(major);
            ++quotient;
        }
    }
}

// ---- Ellipse -------------------------------------------------------------

struct U128
{
    u64 hi;
    u64 lo;
    auto operator<=>(const U128&) const = default;
};

U128 mulWide(u64 a, u64 b)
{
    const u64 mask = 0xFFFFFFFFu;
    const u64 ll = (a & mask) * (b & mask);
    const u64 lh = (a & mask) * (b >> 32);
    const u64 hl = (a >> 32) * (b & mask);
    const u64 hh = (a >> 32) * (b >> 32);
    const u64 mid = (ll >> 32) + (lh & mask) + (hl & mask);
    return {hh + (lh >> 32) + (hl >> 32) + (mid >> 32), (mid << 32) | (ll & mask)};
}

// Far beyond any column offset, so empty spans stay empty under shifts.
constexpr i64 kEmpty = i64(1) << 40;

struct Span
{
    i64 a = kEmpty;  // first column, relative to the box's left edge
    i64 b = -kEmpty; // last column
};

// Columns of box row r whose pixel centres lie inside the ellipse inscribed
// in a w x h box. With t = |2c + 1 - w| for column c and dy = 2r + 1 - h,
// the centre is inside when t^2 h^2 <= w^2 (h^2 - dy^2); t runs over
// integers of the parity of w - 1, and the widest such t gives the span.
Span insideSpan(i64 w, i64 h, i64 r)
{
    if (r < 0 || r >= h)
        return {};
    const i64 dy = std::abs(2 * r + 1 - h);
    const u64 rowSq = u64(h - dy) * u64(h + dy);
    const U128 bound = mulWide(u64(w) * u64(w), rowSq);
    const auto fits = [&](i64 t) {
        const u64 th = u64(t) * u64(h);
        return mulWide(th, th) <= bound;
    };
    i64 t = i64(double(w) * std::sqrt(double(rowSq)) / double(h));
    t = std::clamp<i64>(t, 0, w);
    while (t > 0 && !fits(t))
        --t;
    while (t < w && fits(t + 1))
        ++t;
    if (((t ^ (w - 1)) & 1) != 0)
        --t;
    if (t < 0 || !fits(t))
        return {};
    return {(w - 1 - t) / 2, (w - 1 + t) / 2};
}

// Inside pixels of row r whose four neighbours are all inside.
Span interiorSpan(i64 w, i64 h, i64 r)
{
    const Span above = insideSpan(w, h, r - 1);
    const Span here = insideSpan(w, h, r);
    const Span below = insideSpan(w, h, r + 1);
    return {std::max({here.a + 1, above.a, below.a}), std::min({here.b - 1, above.b, below.b})};
}

struct EllipseRow
{
    Span inside;
    Span brush; // the rest of `inside` is pen
};

// The brush is what remains of the interior after eroding it by a square of
// radius penWidth - 1. Interior span ends are quasi-convex in r (the shape
// is convex), so the tightest bounds over rows r-k..r+k sit at its ends.
EllipseRow ellipseRow(i64 w, i64 h, i64 penWidth, i64 r)
{
    const i64 k = penWidth - 1;
    const Span top = k == 0 ? interiorSpan(w, h, r) : interiorSpan(w, h, r - k);
    const Span bottom = k == 0 ? top : interiorSpan(w, h, r + k);
    return {insideSpan(w, h, r), {std::max(top.a, bottom.a) + k, std::min(top.b, bottom.b) - k}};
}

// Rows of the most recent small boxes: the program draws hundreds of
// ellipses per frame, of two or three sizes as the rounding of their
// corners falls. For boxes of an electron's size it also keeps where each
// pixel lies from the box's corner, in rows of `rowPixels` pixels, so that
// drawing one wholly inside the picture is a store a pixel.
struct EllipseCache
{
    i64 w = -1;
    i64 h = -1;
    i64 penWidth = -1;
    std::vector<EllipseRow> rows;
    i64 rowPixels = -1;
    std::vector<i64> penPixels;
    std::vector<i64> brushPixels;
};

constexpr i64 kCachedRowsMax = 256;
constexpr i64 kPlacedPixelsMax = 256;

EllipseCache& cachedEllipse(i64 w, i64 h, i64 penWidth)
{
    thread_local std::array<EllipseCache, 4> caches;
    thread_local std::size_t oldest = 0;
    for (EllipseCache& cache : caches) {
        if (cache.w == w && cache.h == h && cache.penWidth == penWidth)
            return cache;
    }
    EllipseCache& cache = caches[oldest];
    oldest = (oldest + 1) % caches.size();
    cache.rows.resize(std::size_t(h));
    for (i64 r = 0; r < h; ++r)
        cache.rows[std::size_t(r)] = ellipseRow(w, h, penWidth, r);
    cache.w = w;
    cache.h = h;
    cache.penWidth = penWidth;
    cache.rowPixels = -1;
    return cache;
}

void placePixels(EllipseCache& cache, i64 rowPixels)
{
    cache.penPixels.clear();
    cache.brushPixels.clear();
    for (i64 r = 0; r < cache.h; ++r) {
        const EllipseRow& row = cache.rows[std::size_t(r)];
        for (i64 c = row.inside.a; c <= row.inside.b; ++c) {
            const bool inBrush = c >= row.brush.a && c <= row.brush.b;
            (inBrush ? cache.brushPixels : cache.penPixels).push_back(r * rowPixels + c);
        }
    }
    cache.rowPixels = rowPixels;
}

void drawEllipseRow(const Surface& s, i64 x1, i64 y, const EllipseRow& row, QRgb pen, QRgb brush)
{
    const Span& in = row.inside;
    if (in.a > in.b)
        return;
    const Span& br = row.brush;
    if (br.a > br.b) {
        hspan(s, y, x1 + in.a, x1 + in.b + 1, pen);
        return;
    }
    hspan(s, y, x1 + in.a, x1 + br.a, pen);
    hspan(s, y, x1 + br.a, x1 + br.b + 1, brush);
    hspan(s, y, x1 + br.b + 1, x1 + in.b + 1, pen);
}

// ---- Polygon -------------------------------------------------------------

i64 ceilDiv(i64 n, i64 d) // d > 0
{
    const i64 q = n / d;
    return (n % d != 0 && n > 0) ? q + 1 : q;
}

// First column whose centre is at or right of where the edge crosses the
// line y + 0.5. Exact for coordinates up to 2^28; beyond that the products
// would overflow, so a floating-point estimate is used instead.
i64 crossingColumn(QPoint p, QPoint q, i64 y, i64 imageWidth)
{
    if (p.y() > q.y())
        std::swap(p, q);
    const i64 dx = i64(q.x()) - p.x();
    const i64 dy = i64(q.y()) - p.y();
    constexpr i64 exactLimit = i64(1) << 28;
    const auto small = [&](QPoint v) { return std::abs(v.x()) < exactLimit && std::abs(v.y()) < exactLimit; };
    if (small(p) && small(q) && y < exactLimit) {
        // x + 0.5 >= xc  <=>  x >= ((2(y - py) + 1) dx - dy) / (2 dy) + px
        return p.x() + ceilDiv((2 * (y - p.y()) + 1) * dx - dy, 2 * dy);
    }
    const long double xc = p.x() + (y + 0.5L - p.y()) * dx / dy;
    const long double column = std::ceil(xc - 0.5L);
    return i64(std::clamp<long double>(column, -1.0L, imageWidth + 1.0L));
}

// Even-odd fill sampled at pixel centres.
void fillPolygon(const Surface& s, std::span<const QPoint> points, QRgb brush)
{
    i64 top = points[0].y();
    i64 bottom = top;
    for (const QPoint& p : points) {
        top = std::min<i64>(top, p.y());
        bottom = std::max<i64>(bottom, p.y());
    }
    top = std::max<i64>(top, 0);
    bottom = std::min(bottom, s.height);

    std::vector<i64> crossings;
    crossings.reserve(points.size());
    for (i64 y = top; y < bottom; ++y) {
        crossings.clear();
        for (std::size_t i = 0; i < points.size(); ++i) {
            const QPoint p = points[i];
            const QPoint q = points[(i + 1) % points.size()];
            // Half-open in y, so a shared vertex is counted once.
            if ((p.y() <= y && y < q.y()) || (q.y() <= y && y < p.y()))
                crossings.push_back(crossingColumn(p, q, y, s.width));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2)
            hspan(s, y, crossings[i], crossings[i + 1], brush);
    }
}

// ---- Copy ----------------------------------------------------------------

// Alpha is forced so an ARGB source cannot make the picture translucent.
// Fixed-size blocks let the compiler vectorise even at -O2.
void andRow(QRgb* __restrict dest, const QRgb* __restrict source, i64 count)
{
    constexpr i64 block = 16;
    i64 i = 0;
    for (; i + block <= count; i += block) {
        for (i64 k = 0; k < block; ++k)
            dest[i + k] &= source[i + k] | 0xFF000000u;
    }
    for (; i < count; ++i)
        dest[i] &= source[i] | 0xFF000000u;
}

// Destination indices [lo, hi) of a clipped run whose samples, given by the
// non-decreasing `sample`, land inside [0, sourceSize).
template <typename Sample>
void trimToSource(i64& lo, i64& hi, i64 sourceSize, Sample sample)
{
    while (lo < hi && sample(lo) < 0)
        ++lo;
    while (lo < hi && sample(hi - 1) >= sourceSize)
        --hi;
}

} // namespace

namespace raster {

void fillRect(QImage& image, int x1, int y1, int x2, int y2, QRgb rgb)
{
    if (!drawable(image) || x2 <= x1 || y2 <= y1)
        return;
    fillBox(surfaceOf(image), x1, y1, x2, y2, opaque(rgb));
}

void line(QImage& image, QPoint from, QPoint to, int width, QRgb rgb)
{
    if (!drawable(image))
        return;
    drawLine(surfaceOf(image), from.x(), from.y(), to.x(), to.y(), width, opaque(rgb));
}

void rectangle(QImage& image, int x1, int y1, int x2, int y2, int penWidth, QRgb pen, QRgb brush)
{
    if (!drawable(image) || x2 <= x1 || y2 <= y1)
        return;
    pen = opaque(pen);
    brush = opaque(brush);
    const Surface s = surfaceOf(image);
    const i64 left = x1;
    const i64 right = i64(x2) - 1;
    const i64 topRow = y1;
    const i64 bottomRow = i64(y2) - 1;

    if (penWidth <= 1) {
        const i64 first = std::max<i64>(topRow, 0);
        const i64 last = std::min(bottomRow, s.height - 1);
        for (i64 y = first; y <= last; ++y) {
            if (y == topRow || y == bottomRow) {
                hspan(s, y, left, right + 1, pen);
                continue;
            }
            hspan(s, y, left, left + 1, pen);
            hspan(s, y, left + 1, right, brush);
            hspan(s, y, right, right + 1, pen);
        }
        return;
    }

    fillBox(s, left + 1, topRow + 1, right, bottomRow, brush);
    drawLine(s, left, topRow, right, topRow, penWidth, pen);
    drawLine(s, right, topRow, right, bottomRow, penWidth, pen);
    drawLine(s, right, bottomRow, left, bottomRow, penWidth, pen);
    drawLine(s, left, bottomRow, left, topRow, penWidth, pen);
}

void ellipse(QImage& image, int x1, int y1, int x2, int y2, int penWidth, QRgb pen, QRgb brush)
{
    const i64 w = i64(x2) - x1;
    const i64 h = i64(y2) - y1;
    if (!drawable(image) || w <= 0 || h <= 0)
        return;
    // Past half the box the pen covers everything; clamping keeps the
    // cache key and the row arithmetic small.
    const i64 pw = std::clamp<i64>(penWidth, 1, std::min(w, h) / 2 + 1);
    const i64 firstRow = std::max<i64>(0, -i64(y1));
    const i64 endRow = std::min<i64>(h, i64(image.height()) - y1);
    if (firstRow >= endRow || x1 >= image.width() || x2 <= 0)
        return;
    pen = opaque(pen);
    brush = opaque(brush);
    const Surface s = surfaceOf(image);

    if (h <= kCachedRowsMax) {
        EllipseCache& cache = cachedEllipse(w, h, pw);
        if (x1 >= 0 && x2 <= s.width && firstRow == 0 && endRow == h && w * h <= kPlacedPixelsMax) {
            const i64 rowPixels = s.stride / i64(sizeof(QRgb));
            if (cache.rowPixels != rowPixels)
                placePixels(cache, rowPixels);
            QRgb* corner = s.row(y1) + x1;
            for (const i64 at : cache.penPixels)
                corner[at] = pen;
            for (const i64 at : cache.brushPixels)
                corner[at] = brush;
            return;
        }
        for (i64 r = firstRow; r < endRow; ++r)
            drawEllipseRow(s, x1, y1 + r, cache.rows[std::size_t(r)], pen, brush);
        return;
    }
    for (i64 r = firstRow; r < endRow; ++r)
        drawEllipseRow(s, x1, y1 + r, ellipseRow(w, h, pw, r), pen, brush);
}

void polygon(QImage& image, std::span<const QPoint> points, int penWidth, QRgb pen, QRgb brush)
{
    if (!drawable(image) || points.size() < 2)
        return;
    const Surface s = surfaceOf(image);
    if (points.size() >= 3)
        fillPolygon(s, points, opaque(brush));
    // Each width-1 edge leaves out its end, which the next edge starts on.
    for (std::size_t i = 0; i < points.size(); ++i) {
        const QPoint a = points[i];
        const QPoint b = points[(i + 1) % points.size()];
        drawLine(s, a.x(), a.y(), b.x(), b.y(), penWidth, opaque(pen));
    }
}

void copyRect(QImage& dest, int dx1, int dy1, int dx2, int dy2, const QImage& source, int sx1, int sy1, int sx2,
              int sy2, RasterOp op)
{
    const i64 dw = i64(dx2) - dx1;
    const i64 dh = i64(dy2) - dy1;
    const i64 sw = i64(sx2) - sx1;
    const i64 sh = i64(sy2) - sy1;
    if (!drawable(dest) || !drawable(source) || dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0)
        return;

    i64 xLo = std::max<i64>(dx1, 0);
    i64 xHi = std::min<i64>(dx2, dest.width());
    i64 yLo = std::max<i64>(dy1, 0);
    i64 yHi = std::min<i64>(dy2, dest.height());
    // Offsets from the rectangle's corner are below 2^32, so unsigned
    // products of offset and size fit in 64 bits.
    const auto sampleX = [&](i64 x) { return sx1 + i64(u64(x - dx1) * u64(sw) / u64(dw)); };
    const auto sampleY = [&](i64 y) { return sy1 + i64(u64(y - dy1) * u64(sh) / u64(dh)); };
    trimToSource(xLo, xHi, source.width(), sampleX);
    trimToSource(yLo, yHi, source.height(), sampleY);
    if (xLo >= xHi || yLo >= yHi)
        return;

    const Surface d = surfaceOf(dest);
    // Copying within one image: read from a snapshot so overlapping
    // rectangles see the original pixels.
    QImage snapshot;
    const QImage* src = &source;
    if (source.constBits() == dest.constBits()) {
        snapshot = source.copy();
        src = &snapshot;
    }
    const uchar* sourceBits = src->constBits();
    const qsizetype sourceStride = src->bytesPerLine();
    const auto sourceRow = [&](i64 y) { return reinterpret_cast<const QRgb*>(sourceBits + y * sourceStride); };
    const i64 count = xHi - xLo;

    if (dw == sw && dh == sh) {
        const i64 sxLo = sampleX(xLo);
        for (i64 y = yLo; y < yHi; ++y) {
            QRgb* to = d.row(y) + xLo;
            const QRgb* from = sourceRow(sampleY(y)) + sxLo;
            if (op == RasterOp::SRCAND)
                andRow(to, from, count);
            else
                std::memcpy(to, from, std::size_t(count) * sizeof(QRgb));
        }
        return;
    }

    std::vector<i64> columns(static_cast<std::size_t>(count));
    for (i64 i = 0; i < count; ++i)
        columns[std::size_t(i)] = sampleX(xLo + i);
    for (i64 y = yLo; y < yHi; ++y) {
        QRgb* to = d.row(y) + xLo;
        const QRgb* from = sourceRow(sampleY(y));
        if (op == RasterOp::SRCAND) {
            for (i64 i = 0; i < count; ++i)
                to[i] &= from[columns[std::size_t(i)]] | 0xFF000000u;
        } else {
            for (i64 i = 0; i < count; ++i)
                to[i] = from[columns[std::size_t(i)]];
        }
    }
}

} // namespace raster
