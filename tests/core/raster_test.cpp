#include "render/raster.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

constexpr QRgb kBack = 0xFF102030;
constexpr QRgb kPen = 0xFFFF0000;
constexpr QRgb kBrush = 0xFF00FF00;

QImage blank(int w, int h, QRgb fill = kBack)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

// One character per pixel: P pen, B brush, . untouched, ? anything else.
std::string picture(const QImage& image)
{
    std::string out;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            out += c == kPen ? 'P' : c == kBrush ? 'B' : c == kBack ? '.' : '?';
        }
        out += '\n';
    }
    return out;
}

std::vector<QPoint> pixelsOf(const QImage& image, QRgb colour)
{
    std::vector<QPoint> found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour)
                found.emplace_back(x, y);
    return found;
}

std::vector<QPoint> lineOf(int width, QPoint from, QPoint to)
{
    QImage image = blank(8, 8);
    raster::line(image, from, to, width, kPen);
    return pixelsOf(image, kPen);
}

using Pts = std::vector<QPoint>;

// The ellipse rules read pixel by pixel: inside by the centre test, brush
// when every pixel within pen-1 steps has all four neighbours inside.
std::string referenceEllipse(int w, int h, int pen)
{
    const auto inside = [&](long long x, long long y) {
        if (x < 0 || y < 0 || x >= w || y >= h)
            return false;
        const long long ex = 2 * x + 1 - w;
        const long long ey = 2 * y + 1 - h;
        return ex * ex * h * h + ey * ey * w * w <= 1LL * w * w * h * h;
    };
    const auto interior = [&](int x, int y) {
        return inside(x, y) && inside(x - 1, y) && inside(x + 1, y) && inside(x, y - 1) && inside(x, y + 1);
    };
    std::string out;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            char c = inside(x, y) ? 'B' : '.';
            for (int dy = 1 - pen; c == 'B' && dy < pen; ++dy)
                for (int dx = 1 - pen; dx < pen; ++dx)
                    if (!interior(x + dx, y + dy))
                        c = 'P';
            out += c;
        }
        out += '\n';
    }
    return out;
}

} // namespace

TEST(Raster, RectangleOutlineOnLastPixelAndBrushInside)
{
    QImage image = blank(6, 5);
    raster::rectangle(image, 1, 1, 5, 4, 1, kPen, kBrush);
    EXPECT_EQ(picture(image),
              "......\n"
              ".PPPP.\n"
              ".PBBP.\n"
              ".PPPP.\n"
              "......\n");

    QImage thin = blank(3, 3);
    raster::rectangle(thin, 1, 0, 2, 3, 1, kPen, kBrush);
    raster::rectangle(thin, 0, 0, 0, 3, 1, kPen, kBrush);
    EXPECT_EQ(picture(thin), ".P.\n.P.\n.P.\n");

    // Width 2: each edge is centred one pixel left/up of its own line.
    QImage wide = blank(7, 6);
    raster::rectangle(wide, 2, 2, 6, 6, 2, kPen, kBrush);
    EXPECT_EQ(picture(wide),
              ".......\n"
              ".PPPPP.\n"
              ".PPPPP.\n"
              ".PPBPP.\n"
              ".PPPPP.\n"
              ".PPPPP.\n");
}

TEST(Raster, ThinLinesLeaveOutTheirEndPoint)
{
    EXPECT_EQ(lineOf(1, {1, 2}, {4, 2}), (Pts{{1, 2}, {2, 2}, {3, 2}}));
    EXPECT_EQ(lineOf(1, {4, 2}, {1, 2}), (Pts{{2, 2}, {3, 2}, {4, 2}}));
    EXPECT_EQ(lineOf(1, {3, 5}, {3, 2}), (Pts{{3, 3}, {3, 4}, {3, 5}}));
    EXPECT_EQ(lineOf(1, {0, 0}, {3, 3}), (Pts{{0, 0}, {1, 1}, {2, 2}}));
    // Steep: one pixel per row, the column stepping at the rounding points.
    EXPECT_EQ(lineOf(1, {0, 0}, {2, 5}), (Pts{{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}}));
    // An exact half goes to the pixel nearer the start.
    EXPECT_EQ(lineOf(1, {0, 0}, {4, 2}), (Pts{{0, 0}, {1, 0}, {2, 1}, {3, 1}}));
    EXPECT_TRUE(lineOf(1, {3, 3}, {3, 3}).empty());
}

TEST(Raster, WideLinesCoverSquaresAroundEveryPointIncludingTheEnd)
{
    QImage image = blank(60, 20);
    raster::line(image, {40, 5}, {40, 10}, 2, kPen);
    raster::line(image, {20, 5}, {20, 10}, 4, kPen);
    for (int x = 0; x < 60; ++x) {
        const bool w2 = x == 39 || x == 40;
        const bool w4 = x >= 18 && x <= 21;
        EXPECT_EQ(image.pixel(x, 10) == kPen, w2 || w4) << "x=" << x;
        EXPECT_EQ(image.pixel(x, 11) == kPen, w4) << "x=" << x;
    }
    EXPECT_TRUE(image.pixel(40, 4) == kPen && image.pixel(40, 3) == kBack);
    EXPECT_TRUE(image.pixel(20, 3) == kPen && image.pixel(20, 12) == kBack);

    // A zero-length wide line is still one square.
    EXPECT_EQ(lineOf(2, {3, 3}, {3, 3}), (Pts{{2, 2}, {3, 2}, {2, 3}, {3, 3}}));
}

TEST(Raster, EllipseIsInscribedInItsBox)
{
    QImage image = blank(9, 9);
    raster::ellipse(image, 1, 1, 8, 8, 1, kPen, kBrush);
    EXPECT_EQ(picture(image),
              ".........\n"
              "...PPP...\n"
              "..PBBBP..\n"
              ".PBBBBBP.\n"
              ".PBBBBBP.\n"
              ".PBBBBBP.\n"
              "..PBBBP..\n"
              "...PPP...\n"
              ".........\n");

    // Pen innermost: consecutive boxes of one size must not share rows.
    for (int w = 1; w <= 13; ++w) {
        for (int h = 1; h <= 13; ++h) {
            for (int pen = 1; pen <= 4; ++pen) {
                QImage box = blank(w, h);
                raster::ellipse(box, 0, 0, w, h, pen, kPen, kBrush);
                ASSERT_EQ(picture(box), referenceEllipse(w, h, pen)) << w << "x" << h << " pen " << pen;
            }
        }
    }
}

TEST(Raster, PolygonFillsEvenOddAndOutlinesEveryEdge)
{
    QImage image = blank(709, 373);
    const QPoint beam[] = {{354, 0}, {414, 0}, {41, 290}, {41, 50}};
    raster::polygon(image, beam, 1, kPen, kBrush);
    EXPECT_EQ(image.pixel(100, 150), kBrush);
    EXPECT_EQ(image.pixel(300, 150), kBack);
    EXPECT_EQ(image.pixel(41, 150), kPen);
    EXPECT_EQ(image.pixel(40, 150), kBack);
    EXPECT_EQ(image.pixel(41, 290), kPen);
    EXPECT_EQ(image.pixel(414, 0), kPen);
    EXPECT_EQ(image.pixel(380, 1), kBrush);

    // A pentagram's centre is covered twice, so even-odd leaves it empty.
    QImage star = blank(100, 100);
    const QPoint points[] = {{50, 0}, {79, 90}, {3, 34}, {97, 34}, {21, 90}};
    raster::polygon(star, points, 1, kPen, kBrush);
    EXPECT_EQ(star.pixel(50, 50), kBack);
    EXPECT_EQ(star.pixel(50, 15), kBrush);
    EXPECT_EQ(star.pixel(30, 50), kBrush);

    // Fill takes pixels whose centre is on or right of a left edge and left
    // of a right edge, so it can poke past the outline (row 0) or stop
    // short of it (row 7).
    QImage triangle = blank(10, 9);
    const QPoint corners[] = {{0, 8}, {9, 7}, {8, 0}};
    raster::polygon(triangle, corners, 1, kPen, kBrush);
    EXPECT_EQ(picture(triangle),
              ".......BP.\n"
              "......BPP.\n"
              ".....BPBP.\n"
              "....BPBBP.\n"
              "...BPBBBBP\n"
              "..BPBBBBBP\n"
              ".BPBBBBBBP\n"
              "BPBB.PPPPP\n"
              "PPPPP.....\n");

    QImage pair = blank(6, 3);
    const QPoint two[] = {{1, 1}, {4, 1}};
    raster::polygon(pair, two, 1, kPen, kBrush);
    EXPECT_EQ(picture(pair), "......\n.PPPP.\n......\n");
}

TEST(Raster, CopyRectAndsChannelsAndStretchesByNearestPixel)
{
    QImage dest = blank(40, 3, 0xFF3CFF00);
    const QImage grey = blank(40, 3, 0xFFAAAAAA);
    raster::copyRect(dest, 1, 0, 40, 2, grey, 0, 1, 39, 3, RasterOp::SRCAND);
    for (int x = 1; x < 40; ++x)
        EXPECT_EQ(dest.pixel(x, 1), 0xFF28AA00u) << "x=" << x;
    EXPECT_EQ(dest.pixel(0, 0), 0xFF3CFF00u);
    EXPECT_EQ(dest.pixel(1, 2), 0xFF3CFF00u);

    QImage checker = blank(2, 2, kPen);
    checker.setPixel(1, 0, kBrush);
    checker.setPixel(0, 1, kBrush);
    QImage up = blank(4, 4);
    raster::copyRect(up, 0, 0, 4, 4, checker, 0, 0, 2, 2, RasterOp::SRCCOPY);
    EXPECT_EQ(picture(up), "PPBB\nPPBB\nBBPP\nBBPP\n");

    QImage down = blank(2, 2);
    raster::copyRect(down, 0, 0, 2, 2, up, 0, 0, 4, 4, RasterOp::SRCCOPY);
    EXPECT_EQ(picture(down), "PB\nBP\n");

    // Source samples past the source image are skipped, not read.
    QImage partial = blank(4, 1);
    raster::copyRect(partial, 0, 0, 4, 1, checker, 0, 0, 4, 1, RasterOp::SRCCOPY);
    EXPECT_EQ(picture(partial), "PB..\n");

    // Stretching within one image reads the original pixels.
    QImage row = blank(4, 1);
    row.setPixel(0, 0, kPen);
    row.setPixel(1, 0, kBrush);
    raster::copyRect(row, 0, 0, 4, 1, row, 0, 0, 2, 1, RasterOp::SRCCOPY);
    EXPECT_EQ(picture(row), "PPBB\n");
}

TEST(Raster, ShapesOffThePictureAreClipped)
{
    QImage image = blank(20, 10);
    raster::ellipse(image, 2, -3, 9, 4, 1, kPen, kBrush); // rows 3..6 of a 7x7 visible
    EXPECT_EQ(image.pixel(5, 0), kBrush);
    EXPECT_EQ(image.pixel(2, 0), kPen);
    EXPECT_EQ(image.pixel(4, 3), kPen);
    EXPECT_EQ(image.pixel(3, 3), kBack);
    raster::ellipse(image, 17, 5, 24, 12, 1, kPen, kBrush);
    EXPECT_EQ(image.pixel(17, 8), kPen);
    EXPECT_EQ(image.pixel(19, 8), kBrush);

    QImage untouched = blank(20, 10);
    raster::ellipse(untouched, 30, 30, 37, 37, 1, kPen, kBrush);
    raster::ellipse(untouched, -10, -10, -3, -3, 1, kPen, kBrush);
    raster::line(untouched, {-5, -5}, {30, -1}, 3, kPen);
    raster::rectangle(untouched, 20, 0, 30, 10, 1, kPen, kBrush);
    EXPECT_EQ(pixelsOf(untouched, kBack).size(), 200u);

    // Extreme coordinates must neither overflow nor walk the whole line.
    QImage huge = blank(20, 10);
    raster::line(huge, {INT_MIN, 5}, {INT_MAX, 5}, 1, kPen);
    raster::line(huge, {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, 3, kPen);
    for (int x = 0; x < 20; ++x)
        EXPECT_EQ(huge.pixel(x, 5), kPen);
    raster::ellipse(huge, INT_MIN, INT_MIN, INT_MAX, INT_MAX, 2, kPen, kBrush);
    EXPECT_EQ(pixelsOf(huge, kBrush).size(), 200u);

    QImage poly = blank(20, 10);
    const QPoint triangle[] = {{30, 0}, {5, 0}, {5, 30}};
    raster::polygon(poly, triangle, 1, kPen, kBrush);
    EXPECT_EQ(poly.pixel(5, 9), kPen);
    EXPECT_EQ(poly.pixel(4, 5), kBack);
    EXPECT_EQ(poly.pixel(19, 9), kBrush);
}
