#pragma once

#include "core/colour.h"

#include <QFrame>

// A coloured panel with an optional raised outer bevel, a border and a
// lowered inner bevel, as the window's panels are drawn.
class BevelPanel : public QFrame
{
public:
    BevelPanel(QWidget* parent, Colour colour, int outerRaised, int border, int innerLowered);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int outerRaised_;
    int border_;
    int innerLowered_;
};
