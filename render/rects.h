#pragma once

#include <QRect>
#include <algorithm>

// QRect's union and intersection are calls into Qt. The canvas needs them
// for every shape it draws, hundreds a tick, so it uses these inline forms.
// An empty rectangle adds nothing to a union.
namespace rects {

inline QRect united(const QRect& a, const QRect& b)
{
    if (a.isEmpty())
        return b.isEmpty() ? QRect() : b;
    if (b.isEmpty())
        return a;
    return QRect(QPoint(std::min(a.left(), b.left()), std::min(a.top(), b.top())),
                 QPoint(std::max(a.right(), b.right()), std::max(a.bottom(), b.bottom())));
}

inline QRect intersected(const QRect& a, const QRect& b)
{
    const QRect common(QPoint(std::max(a.left(), b.left()), std::max(a.top(), b.top())),
                       QPoint(std::min(a.right(), b.right()), std::min(a.bottom(), b.bottom())));
    return common.isEmpty() ? QRect() : common;
}

} // namespace rects
