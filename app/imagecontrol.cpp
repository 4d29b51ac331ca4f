#include "imagecontrol.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>

namespace {

// Screen readers present the picture as an image, with its description.
QAccessibleInterface* accessibleImage(const QString&, QObject* object)
{
    if (auto* image = dynamic_cast<ImageControl*>(object))
        return new QAccessibleWidget(image, QAccessible::Graphic);
    return nullptr;
}

} // namespace

ImageControl::ImageControl(Canvas& canvas, QWidget* parent)
    : QWidget(parent)
    , canvas_(canvas)
{
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleImage), true);
    Q_UNUSED(factoryInstalled);
    setObjectName(canvas.name());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

// The pop-up menu opens from the keyboard too, in the middle of the picture.
void ImageControl::keyPressEvent(QKeyEvent* event)
{
    const bool menuKey = event->key() == Qt::Key_Menu
        || (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    if (menuKey && contextMenuPolicy() == Qt::CustomContextMenu)
        emit customContextMenuRequested(rect().center());
    else
        QWidget::keyPressEvent(event);
}

// The picture goes to the screen in strips of rows: Qt hands a taller copy
// to its thread pool, whose wake-ups cost more than the copy itself at
// twenty frames a second.
void ImageControl::paintEvent(QPaintEvent* event)
{
    constexpr int stripRows = 64;
    QPainter painter(this);
    const QImage& picture = canvas_.image();
    for (const QRect& rect : event->region()) {
        for (int top = rect.top(); top <= rect.bottom(); top += stripRows) {
            const QRect strip(rect.left(), top, rect.width(), std::min(stripRows, rect.bottom() - top + 1));
            painter.drawImage(strip, picture, strip);
        }
    }
}
