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

ImageControl::ImageControl(const QString& name, QWidget* parent)
    : QWidget(parent)
    , canvas_(name, [this] { return size(); })
{
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleImage), true);
    Q_UNUSED(factoryInstalled);
    setObjectName(name);
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
