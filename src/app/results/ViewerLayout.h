// Where the results viewer's parts sit for a given inner window size. Positions are in
// layout units of 1/1440 inch, turned into pixels by the screen's dots per inch, so the
// window looks the same on any screen. The buttons sit in one row under the frame; the
// frame's right edge lines up with the Exit button's. The status line takes the room below
// the buttons, as wide as the frame. With a debrief, its panel takes the right part of the
// frame's place, the chart's frame the rest, and the status line runs under both.
#pragma once

#include <QRect>
#include <QSize>

namespace loopsim {

inline constexpr int kLayoutUnitsPerInch = 1440;
inline constexpr int kViewerMargin = 60;
inline constexpr int kViewerBottomReserve = 540;
inline constexpr QSize kViewerButtonSize{2160, 435};
// The share of the width the debrief panel takes, and the least it takes.
inline constexpr double kPanelShare = 0.34;
inline constexpr int kLeastPanelWidth = 5400;

struct ViewerGeometry {
    QRect frame;
    QRect chart;  // in the window, like the rest
    QRect saveButton;
    QRect loadButton;
    QRect exitButton;
    QRect chartImageButton;  // the extra buttons follow Load, each 60 units further on
    QRect resetZoomButton;
    QRect exportButton;
    QRect statusLine;
    QRect panel;  // empty without a debrief
};

ViewerGeometry viewerGeometry(QSize inner, QSize button = kViewerButtonSize,
                              bool withPanel = false);

// A rectangle in layout units as pixels; sizes below zero become zero.
QRect layoutToPixels(const QRect& rect, double dotsPerInchX, double dotsPerInchY);
int pixelsToLayout(int pixels, double dotsPerInch);

}  // namespace loopsim
