#include "savedpixels.h"

#include "rects.h"

#include <cstring>

void SavedPixels::save(const QImage& picture, const QRect& box)
{
    const QRect rect = rects::intersected(box, picture.rect());
    if (overflowed_ || rect.isEmpty())
        return;
    const std::size_t area = std::size_t(rect.width()) * std::size_t(rect.height());
    if (pixels_.size() + area > std::size_t(picture.width()) * std::size_t(picture.height())) {
        overflowed_ = true;
        return;
    }
    boxes_.push_back({rect, pixels_.size()});
    pixels_.resize(pixels_.size() + area);
    QRgb* saved = pixels_.data() + boxes_.back().offset;
    const uchar* row = picture.constBits() + rect.top() * picture.bytesPerLine() + rect.left() * qsizetype(sizeof(QRgb));
    const std::size_t bytes = std::size_t(rect.width()) * sizeof(QRgb);
    for (int y = 0; y < rect.height(); ++y, row += picture.bytesPerLine(), saved += rect.width())
        std::memcpy(saved, row, bytes);
}

QRect SavedPixels::restore(QImage& picture) const
{
    QRect restored;
    if (boxes_.empty())
        return restored;
    uchar* const bits = picture.bits();
    const qsizetype stride = picture.bytesPerLine();
    for (auto box = boxes_.rbegin(); box != boxes_.rend(); ++box) {
        const QRect& rect = box->rect;
        const std::size_t bytes = std::size_t(rect.width()) * sizeof(QRgb);
        const QRgb* saved = pixels_.data() + box->offset;
        for (int y = rect.top(); y <= rect.bottom(); ++y, saved += rect.width())
            std::memcpy(bits + y * stride + rect.left() * qsizetype(sizeof(QRgb)), saved, bytes);
        restored = rects::united(restored, rect);
    }
    return restored;
}

void SavedPixels::clear()
{
    boxes_.clear();
    pixels_.clear();
    overflowed_ = false;
}
