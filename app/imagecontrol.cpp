#include "imagecontrol.h"

#include <QPaintEvent>
#include <QPainter>

#include "render/paintedbands.h"

ImageControl::ImageControl(Canvas& canvas, QWidget* parent)
    : QWidget(parent)
    , canvas_(canvas)
{
    setObjectName(canvas.name());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

// The picture goes to the screen in bands of a few rows: Qt hands a larger
// blit to its thread pool, whose wake-ups cost more than the copy itself at
// twenty frames a second.
void ImageControl::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QImage& picture = canvas_.image();
    for (const QRect& rect : event->region()) {
        for (int top = rect.top(); top <= rect.bottom(); top += PaintedBands::bandRows) {
            const QRect band(rect.left(), top, rect.width(), std::min(PaintedBands::bandRows, rect.bottom() - top + 1));
            painter.drawImage(band, picture, band);
        }
    }
}
