#pragma once

#include "render/canvas.h"

#include <cstring>

// Counts what is drawn. Every redraw of the picture, the apparatus or the
// zoomed tube, begins by clearing the whole of `tube`.
class DrawingCounter : public CanvasObserver
{
public:
    int operations = 0;
    int tubeRedraws = 0;

    void shape(const Canvas& canvas, const char* operation, std::span<const int> xy) override
    {
        ++operations;
        if (canvas.name() == QStringLiteral("tube") && std::strcmp(operation, "Rectangle") == 0 && xy[0] == 0
            && xy[1] == 0 && xy[2] == 709 && xy[3] == 373)
            ++tubeRedraws;
    }
    void text(const Canvas&, int, int, const QString&) override { ++operations; }
    void copy(const Canvas&, const TRect&, const Canvas&, const TRect&) override { ++operations; }
    void reset() { operations = tubeRedraws = 0; }
};
