#include "bevelpanel.h"

#include <QPainter>

namespace {

void drawBevel(QPainter& painter, QRect rect, int width, const QColor& topLeft, const QColor& bottomRight)
{
    for (int i = 0; i < width; ++i) {
        painter.setPen(topLeft);
        painter.drawLine(rect.left(), rect.top(), rect.right(), rect.top());
        painter.drawLine(rect.left(), rect.top(), rect.left(), rect.bottom());
        painter.setPen(bottomRight);
        painter.drawLine(rect.left(), rect.bottom(), rect.right(), rect.bottom());
        painter.drawLine(rect.right(), rect.top(), rect.right(), rect.bottom());
        rect.adjust(1, 1, -1, -1);
    }
}

} // namespace

BevelPanel::BevelPanel(QWidget* parent, Colour colour, int outerRaised, int border, int innerLowered)
    : QFrame(parent)
    , outerRaised_(outerRaised)
    , border_(border)
    , innerLowered_(innerLowered)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(toQRgb(colour)));
    setPalette(palette);
    setAutoFillBackground(true);
}

void BevelPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor highlight(Qt::white);
    const QColor shadow(0x80, 0x80, 0x80);
    QRect rect = this->rect();
    drawBevel(painter, rect, outerRaised_, highlight, shadow);
    rect.adjust(outerRaised_ + border_, outerRaised_ + border_, -outerRaised_ - border_, -outerRaised_ - border_);
    drawBevel(painter, rect, innerLowered_, shadow, highlight);
}
