// What the chart hands its series for the stretch of time on show: never more points than
// the plot's pixel columns can tell apart, so five hours of one row a second draw as fast as
// five minutes. In each column the first, lowest, highest and last point are kept, in time
// order, which draws the same line as every point would; the point just before and just
// after the stretch keep the line running to the plot's edges. Points come in time order.
#pragma once

#include <QList>
#include <QPointF>

namespace loopsim {

QList<QPointF> pointsToDraw(const QList<QPointF>& points, double from, double to, int columns);

// The length of the line through the points, in pixels at the given pixels per unit.
double drawnLength(const QList<QPointF>& points, double pixelsPerX, double pixelsPerY);

// Moves every point's value into low..high; true when one was outside.
bool clampValues(QList<QPointF>& points, double low, double high);

// The first marker in each of `places` equal parts of the stretch; none outside it.
QList<QPointF> markersToDraw(const QList<QPointF>& markers, double from, double to, int places);

}  // namespace loopsim
