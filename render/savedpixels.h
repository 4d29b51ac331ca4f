#pragma once

#include <QImage>
#include <QRect>
#include <vector>

// The pixels under boxes about to be drawn over, kept in drawing order:
// putting them back, last first, returns the picture to what it was before
// the first. They sit together in a small buffer, so that a tick reads
// them from the cache rather than from a second picture.
class SavedPixels
{
public:
    // Keeps what `picture` holds under `box`. Beyond a quarter of the
    // picture it keeps nothing more and is overflowed: redrawing the frame
    // costs about as much, and the buffer stays small.
    void save(const QImage& picture, const QRect& box);
    bool overflowed() const { return overflowed_; }
    // Puts every kept box back into `picture`, last first, and returns the
    // rectangle around them.
    QRect restore(QImage& picture) const;
    void clear();

private:
    struct Box
    {
        QRect rect;
        std::size_t offset; // of its first pixel in pixels_
    };
    std::vector<Box> boxes_;
    std::vector<QRgb> pixels_;
    std::size_t used_ = 0; // pixels_ beyond this are room for the next saves
    bool overflowed_ = false;
};
