#pragma once

// Where a window opens the first time: beside the window it belongs to.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace placement
{

// The top-left corner for a window of `size` (frame included) beside `owner`
// (its frame geometry), within `area` (the available area of the owner's
// screen): to the owner's right, else its left, else below, else above, a
// `gap` away and never over it, lined up with the owner's top or left edge as
// far as the area allows. Where no side has room, centred in `area`.
QPoint besideOwner(const QRect &owner, const QSize &size, const QRect &area, int gap);

} // namespace placement
