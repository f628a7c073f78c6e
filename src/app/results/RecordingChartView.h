// The chart of a recorded run: real PO2, handset PO2 and setpoint against the left axis,
// depth drawn downward against the right one, and the status messages as markers along the
// time axis. Dragging across the chart zooms to that stretch of time; hovering a marker or a
// line shows that second's message and values.
#pragma once

#include <QChartView>
#include <QImage>
#include <QString>

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
    void chooseVerticalRanges(double highestPO2, double deepest);
    void showTimeRange(double from, double to);
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
    int intervals_ = 5;
    double po2Top_ = 1.0;
    double depthBottom_ = 10;
};

}  // namespace loopsim
