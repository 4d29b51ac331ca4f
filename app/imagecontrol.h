#pragma once

#include "canvas.h"

#include <QWidget>

// An image control: owns a picture that its canvas draws on and, when
// shown, paints that picture unscaled at its top-left corner.
class ImageControl : public QWidget
{
public:
    ImageControl(const QString& name, QWidget* parent);

    Canvas& canvas() { return canvas_; }
    const QImage& picture() { return canvas_.image(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Canvas canvas_;
};
