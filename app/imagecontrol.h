#pragma once

#include "render/canvas.h"

#include <QWidget>

// An image control: shows the picture that a canvas draws on, unscaled at
// its top-left corner.
class ImageControl : public QWidget
{
public:
    ImageControl(Canvas& canvas, QWidget* parent);

    Canvas& canvas() { return canvas_; }
    const QImage& picture() { return canvas_.image(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Canvas& canvas_;
};
