// The chart of a recorded run: real PO2, handset PO2 and setpoint against the left axis,
// depth drawn downward against the right one, and the status messages as markers along the
// time axis. Dragging across the chart zooms to that stretch of time; hovering a marker or a
// line shows that second's message and values. The vertical scales stay within a few ticks
// whatever the values; a value past an axis's end is drawn at that end, and the axis's title
// says so. The series hold what the plot can show of the stretch of time on show (at most a
// few points for each pixel column), taken again from the whole recording at every zoom.
#pragma once

#include <QChartView>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QString>

#include "app/results/ChartScale.h"
#include "core/Recording.h"

class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace loopsim {

class RecordingChartView : public QChartView {
    Q_OBJECT

  public:
    explicit RecordingChartView(QWidget* parent = nullptr);

    // Replaces the content with rows 1 to rows of table, shown whole. The table must stay
    // alive while the chart shows it, for the hover texts.
    void showRecording(const RecordTable& table, int rows, const QString& title);

    void zoomToTimeRange(double from, double to);
    void resetZoom();

    // True when the recording shown has a value on any series.
    bool drawsAnyValue() const;

    // The chart as drawn now, at the view's size.
    QImage image();

    QLineSeries* realPO2Series() const { return realPO2_; }
    QLineSeries* handsetPO2Series() const { return handsetPO2_; }
    QLineSeries* setpointSeries() const { return setpoint_; }
    QLineSeries* depthSeries() const { return depth_; }
    QScatterSeries* eventSeries() const { return events_; }
    QValueAxis* timeAxis() const { return time_; }
    QValueAxis* po2Axis() const { return po2_; }
    QValueAxis* depthAxis() const { return depthAxis_; }

  private:
    void showTimeRange(double from, double to);
    void drawShownStretch();
    int plotColumns() const;
    void showFullRanges();
    void showSummary(const QPointF& point, bool hovering);

    QLineSeries* realPO2_;
    QLineSeries* handsetPO2_;
    QLineSeries* setpoint_;
    QLineSeries* depth_;
    QScatterSeries* events_;
    QValueAxis* time_;
    QValueAxis* po2_;
    QValueAxis* depthAxis_;

    const RecordTable* table_ = nullptr;
    int rows_ = 0;
    VerticalScales scales_;
    // Every point of the recording, as drawn (values off the scale at its ends).
    QList<QPointF> allRealPO2_, allHandsetPO2_, allSetpoint_, allDepth_, allMarkers_;
    int drawnColumns_ = 0;
};

}  // namespace loopsim
