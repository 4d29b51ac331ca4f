#pragma once

#include "rects.h"

#include <QRect>
#include <algorithm>
#include <climits>
#include <vector>

// Which columns of a picture were ever painted, band by band of a few rows.
// Everything outside is still the white the picture was created with.
class PaintedBands
{
public:
    static constexpr int bandRows = 8;

    explicit PaintedBands(QSize size = QSize(0, 0))
        : size_(size)
        , bands_((std::max(size.height(), 0) + bandRows - 1) / bandRows)
    {
    }

    void add(const QRect& rect)
    {
        const QRect part = rects::intersected(rect, QRect(QPoint(0, 0), size_));
        if (part.isEmpty() || bands_.empty())
            return;
        for (int band = part.top() / bandRows; band <= part.bottom() / bandRows; ++band) {
            bands_[band].left = std::min(bands_[band].left, part.left());
            bands_[band].right = std::max(bands_[band].right, part.right());
        }
    }

    // The painted part of `rect`, band by band.
    std::vector<QRect> within(const QRect& rect) const
    {
        std::vector<QRect> parts;
        for (std::size_t band = 0; band < bands_.size(); ++band) {
            if (bands_[band].left > bands_[band].right)
                continue; // never painted
            const int top = static_cast<int>(band) * bandRows;
            const QRect painted(QPoint(bands_[band].left, top), QPoint(bands_[band].right, top + bandRows - 1));
            const QRect part = painted & rect;
            if (!part.isEmpty())
                parts.push_back(part);
        }
        return parts;
    }

private:
    struct Band
    {
        int left = INT_MAX;
        int right = INT_MIN;
    };
    QSize size_;
    std::vector<Band> bands_;
};
