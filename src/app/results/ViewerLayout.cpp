#include "app/results/ViewerLayout.h"

#include <QtMath>
#include <algorithm>

namespace loopsim {

ViewerGeometry viewerGeometry(QSize inner, QSize button, bool withPanel) {
    const int w = inner.width();
    const int h = inner.height();
    const int bw = button.width();
    const int bh = button.height();
    ViewerGeometry g;

    const int frameTop = kViewerMargin;
    const int frameHeight = h - 2 * kViewerMargin - bh - frameTop - kViewerBottomReserve;
    g.frame = QRect(kViewerMargin, frameTop, w - 4 * kViewerMargin, frameHeight);

    const int buttonTop = h - bh - kViewerMargin - kViewerBottomReserve;
    g.exitButton = QRect(w - bw - 3 * kViewerMargin, buttonTop, bw, bh);
    g.saveButton = QRect(kViewerMargin, buttonTop, bw, bh);
    g.loadButton = QRect(bw + 2 * kViewerMargin, buttonTop, bw, bh);
    g.chartImageButton = g.loadButton.translated(bw + kViewerMargin, 0);
    g.resetZoomButton = g.chartImageButton.translated(bw + kViewerMargin, 0);
    g.exportButton = g.resetZoomButton.translated(bw + kViewerMargin, 0);
    g.statusLine = QRect(kViewerMargin, buttonTop + bh + kViewerMargin, g.frame.width(),
                         kViewerBottomReserve - 2 * kViewerMargin);

    if (withPanel) {
        const int whole = g.frame.width();
        const int panelWidth =
            std::min(whole / 2, std::max(kLeastPanelWidth, static_cast<int>(whole * kPanelShare)));
        g.frame.setWidth(whole - panelWidth - kViewerMargin);
        g.panel = QRect(g.frame.right() + 1 + kViewerMargin, frameTop, panelWidth, frameHeight);
        g.statusLine.setWidth(whole);
    }
    g.chart = QRect(g.frame.left() + 2 * kViewerMargin, g.frame.top() + 2 * kViewerMargin,
                    g.frame.width() - 4 * kViewerMargin, g.frame.height() - 4 * kViewerMargin);
    return g;
}

QRect layoutToPixels(const QRect& rect, double dotsPerInchX, double dotsPerInchY) {
    auto scale = [](int units, double dpi) { return qRound(units * dpi / kLayoutUnitsPerInch); };
    return QRect(scale(rect.x(), dotsPerInchX), scale(rect.y(), dotsPerInchY),
                 std::max(0, scale(rect.width(), dotsPerInchX)),
                 std::max(0, scale(rect.height(), dotsPerInchY)));
}

int pixelsToLayout(int pixels, double dotsPerInch) {
    return qRound(pixels * kLayoutUnitsPerInch / dotsPerInch);
}

}  // namespace loopsim
