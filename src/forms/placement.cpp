#include "forms/placement.h"

#include <algorithm>
#include <optional>

namespace placement
{

namespace
{

// `start` moved into [low, high - length], or nothing where it cannot fit.
std::optional<int> within(int start, int length, int low, int high)
{
    if (length > high - low)
        return std::nullopt;
    return std::clamp(start, low, high - length);
}

} // namespace

QPoint besideOwner(const QRect &owner, const QSize &size, const QRect &area, int gap)
{
    // Edges as positions between pixels: a rectangle spans [left, end).
    const int areaRight = area.x() + area.width();
    const int areaBottom = area.y() + area.height();
    const int ownerRight = owner.x() + owner.width();
    const int ownerBottom = owner.y() + owner.height();

    const std::optional<int> top = within(owner.y(), size.height(), area.y(), areaBottom);
    if (top) {
        const int right = ownerRight + gap;
        if (right >= area.x() && right + size.width() <= areaRight)
            return {right, *top};
        const int left = owner.x() - gap - size.width();
        if (left >= area.x() && left + size.width() <= areaRight)
            return {left, *top};
    }
    const std::optional<int> left = within(owner.x(), size.width(), area.x(), areaRight);
    if (left) {
        const int below = ownerBottom + gap;
        if (below >= area.y() && below + size.height() <= areaBottom)
            return {*left, below};
        const int above = owner.y() - gap - size.height();
        if (above >= area.y() && above + size.height() <= areaBottom)
            return {*left, above};
    }
    return area.center() - QPoint(size.width() / 2, size.height() / 2);
}

} // namespace placement
