#pragma once

#include "core/colour.h"
#include "paintedbands.h"
#include "raster.h"
#include "savedpixels.h"
#include "textstamps.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QVarLengthArray>
#include <array>
#include <climits>
#include <functional>
#include <optional>
#include <span>
#include <vector>

class Canvas;

// A rectangle as the drawing code writes it: right and bottom are exclusive.
struct TRect
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

// Receives every primitive drawn on a canvas, with the canvas in the state
// the primitive used. Only the scenario runner attaches one.
class CanvasObserver
{
public:
    virtual ~CanvasObserver() = default;
    // Rectangle, Ellipse, Polygon, MoveTo, LineTo with their coordinates.
    virtual void shape(const Canvas& canvas, const char* operation, std::span<const int> coordinates) = 0;
    virtual void text(const Canvas& canvas, int x, int y, const QString& text) = 0;
    virtual void copy(const Canvas& canvas, const TRect& dest, const Canvas& source, const TRect& sourceRect) = 0;
};

// A drawing surface with persistent pen, brush, font and copy mode over an
// RGB image. The image comes into being white, with the size the owner
// reports, at the first use of the canvas.
class Canvas
{
public:
    struct PenState
    {
        Colour Color = colours::black;
        int Width = 1;
        bool operator==(const PenState&) const = default;
    };
    struct BrushState
    {
        Colour Color = colours::white;
    };
    struct FontState
    {
        QString Name = QStringLiteral("MS Sans Serif");
        int Size = 8; // points
        Colour Color = colours::black;
        bool Bold = false;
        bool operator==(const FontState&) const = default;
    };

    Canvas(QString name, std::function<QSize()> bitmapSize);

    PenState Pen;
    BrushState Brush;
    FontState Font;
    RasterOp CopyMode = RasterOp::SRCCOPY;

    void Rectangle(int x1, int y1, int x2, int y2);
    void Ellipse(int x1, int y1, int x2, int y2);
    void Polygon(std::span<const QPoint> points);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void TextOut(int x, int y, const QString& text);
    void CopyRect(const TRect& dest, Canvas& source, const TRect& sourceRect);

    const QString& name() const { return name_; }
    // The picture with everything drawn so far.
    const QImage& image();

    // The part of the picture that may have changed since the last call,
    // empty if none.
    QRect takeChanged();
    void setObserver(CanvasObserver* observer) { observer_ = observer; }

private:
    // One primitive with the state it used, so that it can be compared with
    // the last frame's and drawn later.
    struct Op
    {
        enum class Kind : unsigned char { Rectangle, Ellipse, Polygon, Line, Text, Copy };
        Kind kind;
        // A line's from and to; a copy's destination, then source.
        QVarLengthArray<int, 8> at;
        PenState pen;
        Colour brush = colours::white;
        FontState font;
        QString text;
        RasterOp copyMode = RasterOp::SRCCOPY;
        Canvas* source = nullptr;
        quint64 sourceVersion = 0;
        // The source as it was, kept by sharing: drawing on it detaches it.
        std::optional<QImage> sourcePixels;
        bool repeats(const Op& other) const;
    };
    Op opOf(Op::Kind kind, std::initializer_list<int> at) const;
    void submit(Op&& op);
    void draw(const Op& op);
    void startFrame();
    void catchUp();
    void leaveFrames();

    void notifyShape(const char* operation, std::initializer_list<int> coordinates);
    void touch(int x1, int y1, int x2, int y2, int penWidth);
    void touchExactly(const QRect& box);
    void touchPolygon(std::span<const QPoint> points, int penWidth);
    QImage& bitmap();
    bool clearsWholePicture(const Op& op);

    QString name_;
    std::function<QSize()> bitmapSize_;
    QImage image_;
    quint64 version_ = 0;
    QPoint penPos_;
    // An AND with the white that was never painted over changes nothing.
    PaintedBands painted_;

    // The animation redraws the whole picture each tick: a clear, the same
    // apparatus and beam, then electrons that moved. A frame runs from one
    // clear of the whole picture to the next. While its primitives repeat
    // the last frame's, they are not drawn and the image still holds the
    // last frame ("behind"). At the first one that differs, the image goes
    // back to the base, the last frames' common beginning, by putting back
    // the pixels saved under everything drawn since; then forward to where
    // the frame stands. Only what differs is drawn and changed.
    bool inFrame_ = false;
    bool behind_ = false;
    std::vector<Op> frame_;
    std::vector<Op> lastFrame_;
    std::size_t baseOps_ = 0; // the frame's first baseOps_ ops make the base
    SavedPixels savedSinceBase_;
    // How far each of the last frames repeated the one before.
    std::array<std::size_t, 8> agreedLately_;
    std::size_t nextAgreement_ = 0;

    // Everything drawn since the screen last took it; a new picture is all new.
    QRect changed_{0, 0, INT_MAX, INT_MAX};
    void markChanged(const QRect& rect);
    CanvasObserver* observer_ = nullptr;
    TextStamps textStamps_;
};
