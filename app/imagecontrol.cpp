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

void ImageControl::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), canvas_.image(), event->rect());
}
