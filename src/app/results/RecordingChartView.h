// The chart of a recorded run: real PO2, handset PO2 and setpoint against the left axis,
// depth against the right one, and the status messages as markers along the time axis.
// Dragging across the chart zooms to that stretch of time; the pointer over the plot shows
// that second's values. The vertical scales stay within a few ticks whatever the values; a
// value past an axis's end is drawn at that end, and the axis's title says so. The series
// hold what the plot can show of the stretch of time on show (at most a few points for each
// pixel column), taken again from the whole recording at every zoom.
//
// With a debrief of the session the chart reads as a debrief: time as a clock (mm:ss,
// h:mm:ss past an hour), depth downward from 0 at the top, the debrief's layer over it
// (DebriefChartLayer) in place of the status markers, and a time selected from the events.
#pragma once

#include <QChartView>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QString>
#include <memory>
#include <optional>

#include "core/Recording.h"
#include "debrief/ChartScale.h"

class QCategoryAxis;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace loopsim {

class DebriefChartLayer;
struct SessionDebrief;

class RecordingChartView : public QChartView {
    Q_OBJECT

  public:
    explicit RecordingChartView(QWidget* parent = nullptr);
    ~RecordingChartView() override;

    // Replaces the content with rows 1 to rows of table, shown whole, without a debrief. The
    // table must stay alive while the chart shows it, for the pointer's texts.
    void showRecording(const RecordTable& table, int rows, const QString& title);
    // Adds the debrief of the recording shown, or takes it off (nullptr). It must stay alive
    // while the chart shows it.
    void showDebrief(const SessionDebrief* debrief);

    void zoomToTimeRange(double from, double to);
    void resetZoom();
    // Marks the second with a vertical line, and brings it into view: the stretch on show
    // moves to have it in the middle, narrowed to ten minutes when it was wider than twenty.
    void selectTime(double second);
    void showCell(int cell, bool shown);
    // Empties the series and draws nothing until the content or the time on show changes
    // again, so changes of the axes or the chart's size in between cost nothing.
    void holdDrawing();

    // True when the recording shown has a value on any series.
    bool drawsAnyValue() const;

    // The chart as drawn now, at the view's size.
    QImage image();

    QLineSeries* realPO2Series() const { return realPO2_; }
    QLineSeries* handsetPO2Series() const { return handsetPO2_; }
    QLineSeries* setpointSeries() const { return setpoint_; }
    QLineSeries* depthSeries() const { return depth_; }
    QScatterSeries* eventSeries() const { return events_; }
    QValueAxis* timeAxis() const;
    QCategoryAxis* timeLabels() const { return time_; }
    QValueAxis* po2Axis() const { return po2_; }
    QValueAxis* depthAxis() const { return depthAxis_; }
    // None without a debrief.
    DebriefChartLayer* debriefLayer() const { return layer_.get(); }
    // What the pointer shows at that point of the view; empty outside the plot.
    QString pointerText(const QPointF& position) const;

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    void showTimeRange(double from, double to);
    void labelTime(double from, double to);
    void drawShownStretch();
    int plotColumns() const;
    void showFullRanges();
    void titleAxes();
    double timeEnd() const;

    QLineSeries* realPO2_;
    QLineSeries* handsetPO2_;
    QLineSeries* setpoint_;
    QLineSeries* depth_;
    QScatterSeries* events_;
    QCategoryAxis* time_;
    QValueAxis* po2_;
    QValueAxis* depthAxis_;

    const RecordTable* table_ = nullptr;
    int rows_ = 0;
    VerticalScales scales_;
    bool po2OffScale_ = false;
    bool depthOffScale_ = false;
    bool cellsOffScale_ = false;
    // Every point of the recording, as drawn (values off the scale at its ends).
    QList<QPointF> allRealPO2_, allHandsetPO2_, allSetpoint_, allDepth_, allMarkers_;
    int drawnColumns_ = 0;
    bool drawing_ = true;  // false while the axes are being set

    const SessionDebrief* debrief_ = nullptr;
    std::unique_ptr<DebriefChartLayer> layer_;
};

}  // namespace loopsim
