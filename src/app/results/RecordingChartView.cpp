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
#include "app/results/ChartScale.h"
#include "app/results/DrawnPoints.h"

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

// Event markers sit just above the time axis, so they are not cut in half by it.
constexpr double kMarkerHeight = 0.025;
constexpr int kTimeTicks = 8;
// Markers closer than this many pixels are drawn as one; hovering it names its second.
constexpr int kMarkerSpacing = 10;
// The plot's size before the chart is first laid out.
constexpr int kUnlaidColumns = 1920;
constexpr int kUnlaidRows = 1080;
// Dashes cost time all along a line: a setpoint that runs up and down all the time, longer
// than this many pixels, is drawn solid.
constexpr double kLongestDashedLine = 10000;
const QString kPO2Title = QStringLiteral("PO 2");
const QString kDepthTitle = QStringLiteral("Depth meters");
const QString kOffScale = QStringLiteral(" (values off the scale drawn at its end)");

// Never a tick step below a second: the recording has one row a second.
double timeStep(double span) {
    return std::max(1.0, niceStep(span, kTimeTicks));
}

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
    po2_ = addAxis(chart, kPO2Title, "%.1f", Qt::AlignLeft);
    depthAxis_ = addAxis(chart, kDepthTitle, "%.0f", Qt::AlignRight);
    depthAxis_->setGridLineVisible(false);
    // Ticks at round seconds, also after the user drags a stretch of time to zoom.
    time_->setTickType(QValueAxis::TicksDynamic);
    time_->setTickAnchor(0);
    connect(time_, &QValueAxis::rangeChanged, this, [this](qreal from, qreal to) {
        time_->setTickInterval(timeStep(to - from));
        drawShownStretch();
    });
    connect(chart, &QChart::plotAreaChanged, this, [this] {
        if (plotColumns() != drawnColumns_)
            drawShownStretch();
    });
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

    showFullRanges();
}

void RecordingChartView::showRecording(const RecordTable& table, int rows, const QString& title) {
    ChartSeriesData data = chartSeriesData(table, rows);
    table_ = &table;
    rows_ = std::clamp(rows, 0, RecordTable::kLastRow);
    scales_ = verticalScales(data.highestPO2, data.deepest);

    bool po2OffScale = false;
    for (QList<QPointF>* series : {&data.realPO2, &data.handsetPO2, &data.setpoint})
        po2OffScale |= clampValues(*series, 0, scales_.po2Top);
    const bool depthOffScale = clampValues(data.depth, -scales_.depthBottom, 0);
    po2_->setTitleText(po2OffScale ? kPO2Title + kOffScale : kPO2Title);
    depthAxis_->setTitleText(depthOffScale ? kDepthTitle + kOffScale : kDepthTitle);

    allRealPO2_ = std::move(data.realPO2);
    allHandsetPO2_ = std::move(data.handsetPO2);
    allSetpoint_ = std::move(data.setpoint);
    allDepth_ = std::move(data.depth);
    allMarkers_.clear();
    allMarkers_.reserve(data.events.size());
    for (const ChartEvent& event : data.events)
        allMarkers_.append({static_cast<double>(event.second), scales_.po2Top * kMarkerHeight});

    chart()->setTitle(title);
    resetZoom();
    drawShownStretch();  // also when the time range stayed the same
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

bool RecordingChartView::drawsAnyValue() const {
    return !allRealPO2_.isEmpty() || !allHandsetPO2_.isEmpty() || !allSetpoint_.isEmpty() ||
           !allDepth_.isEmpty();
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
    time_->setTickInterval(timeStep(to - from));
    time_->setRange(from, to);
}

void RecordingChartView::drawShownStretch() {
    const double from = time_->min();
    const double to = time_->max();
    drawnColumns_ = plotColumns();
    realPO2_->replace(pointsToDraw(allRealPO2_, from, to, drawnColumns_));
    handsetPO2_->replace(pointsToDraw(allHandsetPO2_, from, to, drawnColumns_));
    const QList<QPointF> setpoint = pointsToDraw(allSetpoint_, from, to, drawnColumns_);
    const double plotRows =
        chart()->plotArea().height() >= 1 ? chart()->plotArea().height() : kUnlaidRows;
    const double length = drawnLength(setpoint, to > from ? drawnColumns_ / (to - from) : 0,
                                      plotRows / scales_.po2Top);
    QPen pen = setpoint_->pen();
    pen.setStyle(length > kLongestDashedLine ? Qt::SolidLine : Qt::DashLine);
    setpoint_->setPen(pen);
    setpoint_->replace(setpoint);
    depth_->replace(pointsToDraw(allDepth_, from, to, drawnColumns_));
    events_->replace(markersToDraw(allMarkers_, from, to, drawnColumns_ / kMarkerSpacing));
}

int RecordingChartView::plotColumns() const {
    const int columns = static_cast<int>(std::min(chart()->plotArea().width(), 1e5));
    return columns > 0 ? columns : kUnlaidColumns;
}

void RecordingChartView::showFullRanges() {
    showTimeRange(0, std::max(rows_, 1));
    po2_->setRange(0, scales_.po2Top);
    po2_->setTickType(QValueAxis::TicksFixed);
    po2_->setTickCount(scales_.intervals + 1);
    depthAxis_->setRange(-scales_.depthBottom, 0);
    depthAxis_->setTickType(QValueAxis::TicksFixed);
    depthAxis_->setTickCount(scales_.intervals + 1);
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
