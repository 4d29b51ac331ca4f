#pragma once

// Exact integer rasterisation of the canvas primitives on RGB32 images.
// Every function clips to the image; nothing is drawn outside its memory.

#include <QImage>
#include <QPoint>
#include <span>

enum class RasterOp { SRCCOPY, SRCAND };

namespace raster {

// Pixels x1..x2-1, y1..y2-1 filled with rgb.
void fillRect(QImage& image, int x1, int y1, int x2, int y2, QRgb rgb);

// Line from `from` to `to`. Width 1 leaves out the end point; wider pens
// paint a square brush of that width centred on each point of the path.
void line(QImage& image, QPoint from, QPoint to, int width, QRgb rgb);

// Outline on x1..x2-1 and y1..y2-1 in the pen, interior in the brush.
void rectangle(QImage& image, int x1, int y1, int x2, int y2, int penWidth, QRgb pen, QRgb brush);

// Ellipse inscribed in the box x1..x2-1, y1..y2-1: outline in the pen,
// interior in the brush.
void ellipse(QImage& image, int x1, int y1, int x2, int y2, int penWidth, QRgb pen, QRgb brush);

// Closed polygon, filled with the brush (alternate rule, pixel centres)
// and outlined with the pen.
void polygon(QImage& image, std::span<const QPoint> points, int penWidth, QRgb pen, QRgb brush);

// Copies source rectangle (sx1, sy1)-(sx2, sy2) of `source` onto the
// destination rectangle (dx1, dy1)-(dx2, dy2) of `dest`, stretching by
// nearest pixel when the sizes differ. SRCAND ANDs each channel.
void copyRect(QImage& dest, int dx1, int dy1, int dx2, int dy2, const QImage& source, int sx1, int sy1, int sx2,
              int sy2, RasterOp op);

} // namespace raster
