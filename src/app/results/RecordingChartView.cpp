#include "app/results/RecordingChartView.h"

#include <QChart>
#include <QCursor>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QPen>
#include <QScatterSeries>
#include <QToolTip>
#include <QValueAxis>
#include <cmath>

#include "app/results/ChartData.h"

namespace loopsim {
namespace {

QLineSeries* addLine(QChart* chart, const QString& name, const QColor& colour, Qt::PenStyle style) {
    auto* series = new QLineSeries(chart);
    series->setName(name);
    QPen pen(colour, 2);
    pen.setStyle(style);
    series->setPen(pen);
    chart->addSeries(series);
    return series;
}

QValueAxis* addAxis(QChart* chart, const QString& title, const char* format,
                    Qt::Alignment alignment) {
    auto* axis = new QValueAxis(chart);
    axis->setTitleText(title);
    axis->setLabelFormat(format);
    chart->addAxis(axis, alignment);
    return axis;
}

// A tick step of 1, 2 or 5 times a power of ten giving about `ticks` ticks over span.
double niceStep(double span, int ticks) {
    const double raw = std::max(span, 1e-9) / ticks;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0}) {
        if (raw <= factor * power)
            return factor * power;
    }
    return 10 * power;
}

constexpr double kPO2Step = 0.2;
// Event markers sit just above the time axis, so they are not cut in half by it.
constexpr double kMarkerHeight = 0.025;

}  // namespace

RecordingChartView::RecordingChartView(QWidget* parent) : QChartView(parent) {
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    setChart(chart);
    setRenderHint(QPainter::Antialiasing);
    // The view itself is see-through, so a frame caption just above it stays readable.
    setFrameShape(QFrame::NoFrame);
    setBackgroundBrush(Qt::NoBrush);
    viewport()->setAutoFillBackground(false);
    setRubberBand(QChartView::HorizontalRubberBand);

    realPO2_ = addLine(chart, QStringLiteral("Real PO2"), QColor(0x1f, 0x5f, 0xbf), Qt::SolidLine);
    handsetPO2_ =
        addLine(chart, QStringLiteral("Handset PO2"), QColor(0xe0, 0x80, 0x10), Qt::SolidLine);
    setpoint_ = addLine(chart, QStringLiteral("Setpoint"), QColor(0x20, 0x90, 0x40), Qt::DashLine);
    depth_ = addLine(chart, QStringLiteral("Depth"), QColor(0x60, 0x60, 0x60), Qt::SolidLine);

    events_ = new QScatterSeries(chart);
    events_->setName(QStringLiteral("Status messages"));
    events_->setMarkerShape(QScatterSeries::MarkerShapeTriangle);
    events_->setMarkerSize(14);
    events_->setColor(QColor(0xc0, 0x20, 0x20));
    events_->setBorderColor(Qt::white);
    chart->addSeries(events_);
    // The legend names the four lines; the markers explain themselves on hover.
    for (QLegendMarker* marker : chart->legend()->markers(events_))
        marker->setVisible(false);

    time_ = addAxis(chart, QStringLiteral("time (s)"), "%.0f", Qt::AlignBottom);
    po2_ = addAxis(chart, QStringLiteral("PO 2"), "%.1f", Qt::AlignLeft);
    depthAxis_ = addAxis(chart, QStringLiteral("Depth meters"), "%.0f", Qt::AlignRight);
    depthAxis_->setGridLineVisible(false);
    // Ticks at round seconds, also after the user drags a stretch of time to zoom.
    time_->setTickType(QValueAxis::TicksDynamic);
    time_->setTickAnchor(0);
    connect(time_, &QValueAxis::rangeChanged, this,
            [this](qreal from, qreal to) { time_->setTickInterval(niceStep(to - from, 8)); });
    for (QXYSeries* series :
         {static_cast<QXYSeries*>(realPO2_), static_cast<QXYSeries*>(handsetPO2_),
          static_cast<QXYSeries*>(setpoint_), static_cast<QXYSeries*>(events_)}) {
        series->attachAxis(time_);
        series->attachAxis(po2_);
    }
    depth_->attachAxis(time_);
    depth_->attachAxis(depthAxis_);

    for (QXYSeries* series :
         {static_cast<QXYSeries*>(realPO2_), static_cast<QXYSeries*>(handsetPO2_),
          static_cast<QXYSeries*>(setpoint_), static_cast<QXYSeries*>(depth_),
          static_cast<QXYSeries*>(events_)})
        connect(series, &QXYSeries::hovered, this, &RecordingChartView::showSummary);

    chooseVerticalRanges(0, 0);
    showFullRanges();
}

void RecordingChartView::showRecording(const RecordTable& table, int rows, const QString& title) {
    ChartSeriesData data = chartSeriesData(table, rows);
    table_ = &table;
    rows_ = std::clamp(rows, 0, RecordTable::kLastRow);
    chooseVerticalRanges(data.highestPO2, data.deepest);

    realPO2_->replace(data.realPO2);
    handsetPO2_->replace(data.handsetPO2);
    setpoint_->replace(data.setpoint);
    depth_->replace(data.depth);
    QList<QPointF> markers;
    markers.reserve(data.events.size());
    for (const ChartEvent& event : data.events)
        markers.append({static_cast<double>(event.second), po2Top_ * kMarkerHeight});
    events_->replace(markers);

    chart()->setTitle(title);
    resetZoom();
}

void RecordingChartView::chooseVerticalRanges(double highestPO2, double deepest) {
    // PO2 in steps of 0.2 up to at least 1.0, with room above the highest value; depth in
    // the same number of steps, so both axes share one grid.
    intervals_ = std::max(5, static_cast<int>(std::floor(highestPO2 / kPO2Step)) + 1);
    po2Top_ = intervals_ * kPO2Step;
    const double depthStep = niceStep(std::max(deepest, 8.0) * 1.05, intervals_);
    depthBottom_ = intervals_ * depthStep;
}

void RecordingChartView::zoomToTimeRange(double from, double to) {
    if (to < from)
        std::swap(from, to);
    from = std::max(from, 0.0);
    to = std::min(to, static_cast<double>(std::max(rows_, 1)));
    if (to <= from)
        return;
    showTimeRange(from, to);
}

void RecordingChartView::resetZoom() {
    chart()->zoomReset();
    showFullRanges();
}

QImage RecordingChartView::image() {
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    render(&painter);
    return image;
}

void RecordingChartView::showTimeRange(double from, double to) {
    // The step first: the axis builds its ticks as soon as the range changes, and an old
    // step of one second over five hours would make 18000 of them.
    time_->setTickInterval(niceStep(to - from, 8));
    time_->setRange(from, to);
}

void RecordingChartView::showFullRanges() {
    showTimeRange(0, std::max(rows_, 1));
    po2_->setRange(0, po2Top_);
    po2_->setTickType(QValueAxis::TicksFixed);
    po2_->setTickCount(intervals_ + 1);
    depthAxis_->setRange(-depthBottom_, 0);
    depthAxis_->setTickType(QValueAxis::TicksFixed);
    depthAxis_->setTickCount(intervals_ + 1);
}

void RecordingChartView::showSummary(const QPointF& point, bool hovering) {
    if (!hovering || !table_) {
        QToolTip::hideText();
        return;
    }
    const int second = static_cast<int>(std::lround(point.x()));
    if (second < 1 || second > rows_)
        return;
    QToolTip::showText(QCursor::pos(), secondSummary(*table_, second), this);
}

}  // namespace loopsim
