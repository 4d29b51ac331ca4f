#pragma once

#include "render/canvas.h"

// Prints every drawing operation, with the canvas state it used, while on.
class TracePrinter : public CanvasObserver
{
public:
    bool on = false;

    void shape(const Canvas& canvas, const char* operation, std::span<const int> coordinates) override;
    void text(const Canvas& canvas, int x, int y, const QString& text) override;
    void copy(const Canvas& canvas, const TRect& dest, const Canvas& source, const TRect& sourceRect) override;
};
