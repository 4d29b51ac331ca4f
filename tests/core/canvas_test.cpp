// The canvas skips work it can prove changes nothing: a frame that repeats
// the last one's shapes draws only those that differ, and an AND skips the
// source's untouched white. Both must give the very pixels that doing all
// the work gives, and tell the screen of every pixel that changed.

#include "render/canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <array>
#include <gtest/gtest.h>
#include <random>

namespace {

constexpr int W = 709;
constexpr int H = 373;

QImage clearedPicture(Colour pen, Colour brush)
{
    QImage picture(W, H, QImage::Format_RGB32);
    raster::rectangle(picture, 0, 0, W, H, 1, toQRgb(pen), toQRgb(brush));
    return picture;
}

// Shapes of every kind and size, partly or wholly off the picture too.
void drawAtRandom(Canvas& canvas, Canvas& beam, std::mt19937& random)
{
    std::uniform_int_distribution<int> x(-100, W + 100);
    std::uniform_int_distribution<int> y(-100, H + 100);
    std::uniform_int_distribution<int> width(1, 4);
    std::uniform_int_distribution<int> kind(0, 5);
    canvas.Pen.Width = width(random);
    canvas.Pen.Color = random() & 0xFFFFFF;
    canvas.Brush.Color = random() & 0xFFFFFF;
    switch (kind(random)) {
    case 0:
        canvas.MoveTo(x(random), y(random));
        canvas.LineTo(x(random), y(random));
        break;
    case 1:
        canvas.Ellipse(x(random), y(random), x(random), y(random));
        break;
    case 2: {
        const std::array<QPoint, 4> points = {QPoint(x(random), y(random)), QPoint(x(random), y(random)),
                                              QPoint(x(random), y(random)), QPoint(x(random), y(random))};
        canvas.Polygon(points);
        break;
    }
    case 3:
        canvas.TextOut(x(random), y(random), QStringLiteral("V = 1.000 V"));
        break;
    case 4:
        canvas.Rectangle(x(random), y(random), x(random), y(random));
        break;
    default:
        // A whole copy is more than the canvas keeps to undo a frame's end.
        canvas.CopyMode = random() % 2 ? RasterOp::SRCAND : RasterOp::SRCCOPY;
        canvas.CopyRect({0, 0, W, H}, beam, {0, 0, W, H});
        break;
    }
}

// A tick as the animation draws it: a clear, the apparatus with the dial
// at `dial`, the beam ANDed on, then electrons that move with `tick`.
void drawTick(Canvas& canvas, Canvas& beam, int dial, int tick, int electrons)
{
    canvas.Pen.Width = 1;
    canvas.Pen.Color = colours::black;
    canvas.Brush.Color = colours::white;
    canvas.Rectangle(0, 0, W, H);
    canvas.Pen.Width = 2;
    canvas.MoveTo(41, 50);
    canvas.LineTo(41, 290);
    canvas.Pen.Width = 1;
    canvas.Rectangle(300, 320, 340, 350);
    canvas.Pen.Color = colours::red;
    canvas.Pen.Width = 2;
    canvas.MoveTo(320, 345);
    canvas.LineTo(320 + dial, 330);
    canvas.Pen.Color = colours::black;
    canvas.TextOut(300, 300, QStringLiteral("V = %1 V").arg(dial));
    canvas.CopyMode = RasterOp::SRCAND;
    canvas.CopyRect({0, 0, W, H}, beam, {0, 0, W, H});
    canvas.Brush.Color = colours::black;
    for (int e = 0; e < electrons; ++e) {
        const int x = 45 + (tick - e) * 23 % 600;
        const int y = 55 + e * 37 % 230;
        canvas.Ellipse(x, y, x + 3, y + 3);
    }
}

} // namespace

TEST(Canvas, RepeatedClearGivesTheSamePixelsAsAFullOne)
{
    Canvas canvas(QStringLiteral("tube"), [] { return QSize(W, H); });
    Canvas beam(QStringLiteral("colourim"), [] { return QSize(W, H); });
    const std::array<QPoint, 4> quadrilateral = {QPoint(354, 0), QPoint(414, 0), QPoint(41, 290), QPoint(41, 50)};
    beam.Brush.Color = beam.Pen.Color = 0x3CFF00;
    beam.Polygon(quadrilateral);

    std::mt19937 random(7);
    for (int round = 0; round < 60; ++round) {
        // Mostly the animation's own clear, now and then another.
        const Colour pen = round % 7 == 3 ? colours::white : colours::black;
        const Colour brush = round % 11 == 5 ? 0x00FF00 : colours::white;
        for (int i = 0; i < round % 13; ++i)
            drawAtRandom(canvas, beam, random);
        canvas.Pen.Width = 1;
        canvas.Pen.Color = pen;
        canvas.Brush.Color = brush;
        canvas.Rectangle(0, 0, W, H);
        ASSERT_EQ(canvas.image(), clearedPicture(pen, brush)) << "round " << round;
    }
}

TEST(Canvas, AndSkipsOnlyTheSourcesUntouchedWhite)
{
    Canvas canvas(QStringLiteral("tube"), [] { return QSize(W, H); });
    Canvas beam(QStringLiteral("colourim"), [] { return QSize(W, H); });
    canvas.Brush.Color = 0x123456;
    canvas.Rectangle(0, 0, W, H);
    beam.Brush.Color = beam.Pen.Color = 0x28AA00;
    beam.Ellipse(600, 300, 720, 400);

    QImage expected = canvas.image().copy();
    raster::copyRect(expected, 0, 0, W, H, beam.image(), 0, 0, W, H, RasterOp::SRCAND);
    canvas.CopyMode = RasterOp::SRCAND;
    canvas.CopyRect({0, 0, W, H}, beam, {0, 0, W, H});
    EXPECT_EQ(canvas.image(), expected);
}

TEST(Canvas, EveryChangedPixelLiesInWhatTheScreenIsToldToUpdate)
{
    Canvas canvas(QStringLiteral("tube"), [] { return QSize(W, H); });
    Canvas beam(QStringLiteral("colourim"), [] { return QSize(W, H); });
    const std::array<QPoint, 3> triangle = {QPoint(709, 0), QPoint(41, 0), QPoint(41, 373)};
    beam.Brush.Color = beam.Pen.Color = 0x3CFF00;
    beam.Polygon(triangle);
    canvas.takeChanged();

    std::mt19937 random(11);
    for (int round = 0; round < 200; ++round) {
        const QImage before = canvas.image().copy();
        for (int i = 0; i < round % 5; ++i)
            drawAtRandom(canvas, beam, random);
        if (round % 3 == 0) {
            canvas.Pen.Width = 1;
            canvas.Pen.Color = colours::black;
            canvas.Brush.Color = colours::white;
            canvas.Rectangle(0, 0, W, H);
        }
        const QRect told = canvas.takeChanged();
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                if (canvas.image().pixel(x, y) != before.pixel(x, y)) {
                    ASSERT_TRUE(told.contains(QPoint(x, y))) << "round " << round << " at " << x << ", " << y;
                }
    }
}

TEST(Canvas, RepeatedFramesGiveThePixelsOfDrawingThemWhole)
{
    Canvas canvas(QStringLiteral("tube"), [] { return QSize(W, H); });
    Canvas beam(QStringLiteral("colourim"), [] { return QSize(W, H); });
    const std::array<QPoint, 4> quadrilateral = {QPoint(354, 0), QPoint(414, 0), QPoint(41, 290), QPoint(41, 50)};
    beam.Brush.Color = beam.Pen.Color = 0x3CFF00;
    beam.Polygon(quadrilateral);

    std::mt19937 random(5);
    int dial = 0;
    int tick = 0;
    for (int round = 0; round < 300; ++round) {
        // Now and then a setting changes, a tick repeats, the picture is
        // read half-way, or something else is drawn before the electrons.
        if (round % 17 == 0)
            dial = static_cast<int>(random() % 20);
        if (round % 29 == 0) {
            beam.Pen.Color = beam.Brush.Color = random() & 0xFFFFFF;
            beam.Polygon(quadrilateral);
        }
        if (round % 4 != 0)
            ++tick;
        const int electrons = static_cast<int>(random() % 8);
        const bool extra = round % 11 == 3;
        const std::mt19937 extraRandom = random;

        const QImage before = canvas.image().copy();
        drawTick(canvas, beam, dial, tick, electrons);
        if (round % 5 == 2)
            canvas.image();
        if (extra)
            drawAtRandom(canvas, beam, random);
        const QRect told = canvas.takeChanged();

        Canvas whole(QStringLiteral("tube"), [] { return QSize(W, H); });
        drawTick(whole, beam, dial, tick, electrons);
        if (extra) {
            std::mt19937 same = extraRandom;
            drawAtRandom(whole, beam, same);
        }
        ASSERT_EQ(canvas.image(), whole.image()) << "round " << round;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                if (canvas.image().pixel(x, y) != before.pixel(x, y)) {
                    ASSERT_TRUE(told.contains(QPoint(x, y))) << "round " << round << " at " << x << ", " << y;
                }
    }
}

// Texts are rendered once and stamped; the pixels must be those a painter
// draws straight onto the picture, glyphs and background box alike.
TEST(Canvas, StampedTextIsWhatAPainterDraws)
{
    struct Case
    {
        const char* font;
        int points;
        bool bold;
        const char* text;
        int x;
        int y;
    };
    const Case cases[] = {
        {"MS Sans Serif", 8, false, "Photocurrent", 574, 320},
        {"MS Sans Serif", 8, false, "V = 3.807 V", 263, 313},
        {"arial", 10, true, "\u0192 = 5.86e14 Hz", 582, 198},
        {"arial", 10, true, "lambda = 511 nm", 690, 365}, // runs off the right and bottom
        {"arial", 10, true, "Energy =  2.43 eV", -20, -5},
    };
    for (const Case& c : cases) {
        Canvas canvas(QStringLiteral("tube"), [] { return QSize(W, H); });
        canvas.Brush.Color = 0x00FFFF;
        canvas.Font = {QString::fromLatin1(c.font), c.points, 0x0000FF, c.bold};
        const QString text = QString::fromUtf8(c.text);
        canvas.TextOut(c.x, c.y, text);

        QImage expected(W, H, QImage::Format_RGB32);
        expected.fill(Qt::white);
        QFont font(canvas.Font.Name);
        font.setPixelSize((c.points * 96 + 36) / 72);
        font.setBold(c.bold);
        font.setStyleStrategy(QFont::NoAntialias);
        const QFontMetrics metrics(font);
        QPainter painter(&expected);
        painter.fillRect(c.x, c.y, metrics.horizontalAdvance(text), metrics.height(), QColor(toQRgb(0x00FFFF)));
        painter.setFont(font);
        painter.setPen(QColor(toQRgb(0x0000FF)));
        painter.drawText(c.x, c.y + metrics.ascent(), text);
        painter.end();
        EXPECT_EQ(canvas.image(), expected) << c.text;
    }
}
