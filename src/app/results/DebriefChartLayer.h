// The debrief drawn over a recording's chart: the master handset's cells (hidden until
// switched on), the time outside 0.4 to 1.6 bar shaded behind the lines, and a strip above
// the PO2 scale's top with a marker for each event, shaped and coloured by kind, and one band
// for each warning episode however many seconds it repeats. A selected time is a vertical
// line across it all. The layer's series hold what the plot can show of the time on view,
// taken again from the whole debrief at every zoom, as the recording's lines are.
#pragma once

#include <QList>
#include <QPointF>
#include <array>
#include <optional>

#include "app/results/DebriefChartData.h"

class QAbstractAxis;
class QAbstractSeries;
class QAreaSeries;
class QChart;
class QLineSeries;
class QScatterSeries;

namespace loopsim {

// Where the layer draws, in PO2 units: the plot's lines end at top, the strip lies above.
struct DebriefPlacing {
    double top = 1;
    double strip = 0.2;
};

class DebriefChartLayer {
  public:
    // Adds the layer's series to the chart on the two axes, behind `drawnOver` (the
    // recording's lines, which are taken off the chart and put back on their own axes).
    DebriefChartLayer(QChart* chart, QAbstractAxis* time, QAbstractAxis* po2,
                      const QList<QAbstractSeries*>& drawnOver);
    // Takes its series off the chart.
    ~DebriefChartLayer();
    DebriefChartLayer(const DebriefChartLayer&) = delete;
    DebriefChartLayer& operator=(const DebriefChartLayer&) = delete;

    // The cells' readings past the top are drawn at the top; true when one was.
    bool show(DebriefChartData data, const DebriefPlacing& placing);
    // The stretch of time from..to on a plot of that many pixel columns.
    void drawStretch(double from, double to, int columns, int markerPlaces);
    // Empties the series until the next drawStretch.
    void clear();

    void select(std::optional<double> second);
    std::optional<double> selected() const { return selected_; }
    void showCell(int cell, bool shown);
    bool anyCellShown() const;

    QLineSeries* cellSeries(int cell) const { return cells_.at(cell); }
    QAreaSeries* lowBand() const { return lowBand_; }
    QAreaSeries* highBand() const { return highBand_; }
    QAreaSeries* warningBand() const { return warningBand_; }
    QScatterSeries* markers(EventKind kind) const {
        return markers_.at(static_cast<std::size_t>(kind));
    }
    QLineSeries* selectionLine() const { return selection_; }

  private:
    double markerHeight(EventKind kind) const;
    void drawSelection();

    QChart* chart_;
    std::array<QLineSeries*, 3> cells_{};
    QAreaSeries* lowBand_;
    QAreaSeries* highBand_;
    QAreaSeries* warningBand_;
    std::array<QScatterSeries*, kEventKinds> markers_{};
    QLineSeries* selection_;
    QList<QAbstractSeries*> series_;  // all of them, to take off the chart

    DebriefChartData data_;
    DebriefPlacing placing_;
    std::optional<double> selected_;
};

}  // namespace loopsim
