#pragma once

#include "core/colour.h"

#include <QString>

class Canvas;

// The fixed forms in which the scenario runner prints values.
namespace out {

QString quoted(const QString& text);
QString colour(Colour colour);
QString real(double value);
QString boolean(bool value);
QString pen(const Canvas& canvas);
QString brush(const Canvas& canvas);
QString font(const Canvas& canvas);
QString copyMode(const Canvas& canvas);
void line(const QString& text);

} // namespace out
