#include "app/dialogs/DialogPlacement.h"

#include <algorithm>

namespace loopsim {
namespace {

constexpr int kGap = 8;

QPoint keptOnScreen(QPoint corner, const QSize& window, const QRect& screen) {
    corner.setX(std::clamp(corner.x(), screen.left(),
                           std::max(screen.left(), screen.right() + 1 - window.width())));
    corner.setY(std::clamp(corner.y(), screen.top(),
                           std::max(screen.top(), screen.bottom() + 1 - window.height())));
    return corner;
}

}  // namespace

QPoint placeClearOf(const QSize& window, const QRect& keepClear, const QRect& screen) {
    const int centredX = keepClear.center().x() - window.width() / 2;
    const int centredY = keepClear.center().y() - window.height() / 2;
    const QPoint sides[] = {
        {centredX, keepClear.bottom() + 1 + kGap},
        {centredX, keepClear.top() - kGap - window.height()},
        {keepClear.right() + 1 + kGap, centredY},
        {keepClear.left() - kGap - window.width(), centredY},
    };
    for (const QPoint& side : sides) {
        const QPoint corner = keptOnScreen(side, window, screen);
        if (!QRect(corner, window).intersects(keepClear))
            return corner;
    }
    return keptOnScreen(sides[0], window, screen);
}

}  // namespace loopsim
