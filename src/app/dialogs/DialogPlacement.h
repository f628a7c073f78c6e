// Where a small window goes so that it leaves a part of the screen in view: below that part
// if it fits there, else above it, to its right, to its left; kept on the screen.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace loopsim {

// The top-left corner for a window of the given size (frame included) on the screen's
// available area; centred on keepClear's middle along the side it goes to. When no side
// has room, below, as far as the screen allows.
QPoint placeClearOf(const QSize& window, const QRect& keepClear, const QRect& screen);

}  // namespace loopsim
