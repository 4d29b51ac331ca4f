#include "imagecontrol.h"

#include <QPaintEvent>
#include <QPainter>

ImageControl::ImageControl(const QString& name, QWidget* parent)
    : QWidget(parent)
    , canvas_(name, [this] { return size(); })
{
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

// The picture goes to the screen in bands of a few rows: Qt hands a larger
// blit to its thread pool, whose wake-ups cost more than the copy itself at
// twenty frames a second.
void ImageControl::paintEvent(QPaintEvent* event)
{
    constexpr int bandRows = 8;
    QPainter painter(this);
    const QImage& picture = canvas_.image();
    for (const QRect& rect : event->region()) {
        for (int top = rect.top(); top <= rect.bottom(); top += bandRows) {
            const QRect band(rect.left(), top, rect.width(), std::min(bandRows, rect.bottom() - top + 1));
            painter.drawImage(band, picture, band);
        }
    }
}
