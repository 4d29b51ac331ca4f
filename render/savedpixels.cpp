#include "savedpixels.h"

#include "rects.h"

#include <algorithm>
#include <cstring>

void SavedPixels::save(const QImage& picture, const QRect& box)
{
    const int width = picture.width();
    const int height = picture.height();
    const QRect rect = rects::intersected(box, QRect(0, 0, width, height));
    if (overflowed_ || rect.isEmpty())
        return;
    const std::size_t area = std::size_t(rect.width()) * std::size_t(rect.height());
    const std::size_t limit = std::size_t(width) * std::size_t(height) / 4;
    if (used_ + area > limit) {
        overflowed_ = true;
        return;
    }
    // The buffer only grows, up to the limit: a tick's saves reuse the last
    // tick's room.
    if (pixels_.size() < used_ + area)
        pixels_.resize(std::max(used_ + area, std::min(2 * pixels_.size(), limit)));
    boxes_.push_back({rect, used_});
    QRgb* saved = pixels_.data() + used_;
    used_ += area;
    const qsizetype stride = picture.bytesPerLine();
    const uchar* row = picture.constBits() + rect.top() * stride + rect.left() * qsizetype(sizeof(QRgb));
    const std::size_t bytes = std::size_t(rect.width()) * sizeof(QRgb);
    for (int y = 0; y < rect.height(); ++y, row += stride, saved += rect.width())
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
        uchar* row = bits + rect.top() * stride + rect.left() * qsizetype(sizeof(QRgb));
        for (int y = 0; y < rect.height(); ++y, row += stride, saved += rect.width())
            std::memcpy(row, saved, bytes);
        restored = rects::united(restored, rect);
    }
    return restored;
}

void SavedPixels::clear()
{
    boxes_.clear();
    used_ = 0;
    overflowed_ = false;
}
