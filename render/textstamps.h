#pragma once

#include "core/colour.h"

#include <QImage>
#include <QString>
#include <vector>

// Texts rendered once and kept ready to stamp on a picture: the animation
// writes the same two texts twenty times a second, and shaping and drawing
// them anew each time costs more than the rest of its drawing.
class TextStamps
{
public:
    struct Style
    {
        QString fontName;
        int pointSize;
        bool bold;
        Colour textColour;
        Colour background;
        bool operator==(const Style&) const = default;
    };

    // The text on its background box, as a painter would draw it with its
    // top-left corner at (margin, margin) of the stamp; every pixel the text
    // or its box covers is opaque, every other one transparent.
    struct Stamp
    {
        QImage image;
        int margin;
    };

    const Stamp& stamp(const Style& style, const QString& text);

private:
    struct Entry
    {
        Style style;
        QString text;
        Stamp stamp;
    };
    std::vector<Entry> entries_;
};

// Stamps the opaque pixels of `stamp` onto `picture` with the stamp's
// origin (its text box's top-left corner) at (x, y), clipped.
void stampText(QImage& picture, const TextStamps::Stamp& stamp, int x, int y);
