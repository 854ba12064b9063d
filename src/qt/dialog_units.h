#pragma once
// Dialog units, the measure of every rectangle in the dialog table: a
// quarter of the font's average character width across, an eighth of its
// height down. Turning them into pixels the way Windows does keeps the
// controls where the Windows program has them, whatever the font.

#include <QFont>
#include <QRect>

#include "core/dialog_table.h"

namespace stenvik::qt {

struct BaseUnits {
    int x;  // average width of A-Z and a-z, in pixels
    int y;  // the font's height, in pixels
};

// As Windows measures a dialog font: the width of the 52 letters divided by
// 26, halved and rounded; and the height Windows gives a line of it.
BaseUnits MeasureBaseUnits(const QFont& font);

// x px = x du * baseX / 4, y px = y du * baseY / 8, rounded half away from zero.
QRect ToPixels(const dialog::Rect& rect, BaseUnits units);

}  // namespace stenvik::qt
