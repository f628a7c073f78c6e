#include "app/results/RecordingChartView.h"

#include <QCategoryAxis>
#include <QChart>
#include <QCoreApplication>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QScatterSeries>
#include <QToolTip>
#include <QValueAxis>
#include <cmath>

#include "app/results/ChartData.h"
#include "app/results/DebriefChartLayer.h"
#include "app/results/DrawnPoints.h"
#include "app/results/SessionDebrief.h"
#include "debrief/ElapsedTime.h"

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

template <typename Axis>
Axis* addAxis(QChart* chart, const char* format, Qt::Alignment alignment) {
    auto* axis = new Axis(chart);
    axis->setLabelFormat(format);
    chart->addAxis(axis, alignment);
    return axis;
}

// Event markers sit just above the time axis, so they are not cut in half by it.
constexpr double kMarkerHeight = 0.025;
constexpr int kTimeTicks = 8;
// Markers closer than this many pixels are drawn as one; the pointer names them all.
constexpr int kMarkerSpacing = 10;
// The plot's size before the chart is first laid out.
constexpr int kUnlaidColumns = 1920;
constexpr int kUnlaidRows = 1080;
// Dashes cost time all along a line: a setpoint that runs up and down all the time, longer
// than this many pixels, is drawn solid.
constexpr double kLongestDashedLine = 10000;
// The debrief's strip above the PO2 scale's top, in grid intervals: less than one, so the
// axes put no tick in it.
constexpr double kStripIntervals = 0.95;
// A time selected from the events is brought into view; a stretch on show wider than the
// widest kept is narrowed to ten minutes around it.
constexpr double kWidestKeptStretch = 1200;
constexpr double kSelectedStretch = 600;
// The pointer names the events within this many pixel columns of it.
constexpr double kPointerReach = 4;
const QString kOffScale = QStringLiteral(" (values off the scale drawn at its end)");

// Never a tick step below a second: the recording has one row a second.
double secondsStep(double span) {
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
    viewport()->setMouseTracking(true);
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
    // The legend names the four lines; the markers explain themselves under the pointer.
    for (QLegendMarker* marker : chart->legend()->markers(events_))
        marker->setVisible(false);

    time_ = addAxis<QCategoryAxis>(chart, "%.0f", Qt::AlignBottom);
    time_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    po2_ = addAxis<QValueAxis>(chart, "%.1f", Qt::AlignLeft);
    depthAxis_ = addAxis<QValueAxis>(chart, "%.0f", Qt::AlignRight);
    depthAxis_->setGridLineVisible(false);
    po2_->setTickAnchor(0);
    depthAxis_->setTickAnchor(0);
    titleAxes();
    // Ticks at round times, also after the user drags a stretch of time to zoom.
    connect(time_, &QValueAxis::rangeChanged, this, [this](qreal from, qreal to) {
        labelTime(from, to);
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

    showFullRanges();
}

RecordingChartView::~RecordingChartView() = default;

void RecordingChartView::showRecording(const RecordTable& table, int rows, const QString& title) {
    layer_.reset();
    debrief_ = nullptr;
    events_->setVisible(true);
    ChartSeriesData data = chartSeriesData(table, rows);
    table_ = &table;
    rows_ = std::clamp(rows, 0, RecordTable::kLastRow);
    scales_ = verticalScales(data.highestPO2, data.deepest);

    po2OffScale_ = false;
    for (QList<QPointF>* series : {&data.realPO2, &data.handsetPO2, &data.setpoint})
        po2OffScale_ |= clampValues(*series, 0, scales_.po2Top);
    depthOffScale_ = clampValues(data.depth, -scales_.depthBottom, 0);
    cellsOffScale_ = false;
    titleAxes();

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
}

void RecordingChartView::showDebrief(const SessionDebrief* debrief) {
    // The recording alone first: its rows in their places again.
    if (debrief_ && table_)
        showRecording(*table_, rows_, chart()->title());
    if (!debrief)
        return;
    debrief_ = debrief;
    layer_ = std::make_unique<DebriefChartLayer>(
        chart(), time_, po2_,
        QList<QAbstractSeries*>{realPO2_, handsetPO2_, setpoint_, depth_, events_});
    // Depth reads downward from 0 at the top: the values turn positive on a reversed axis.
    // The rows move to the session's time, which the debrief's events and samples keep.
    for (QPointF& point : allDepth_)
        point.setY(-point.y());
    const std::vector<SecondSample>& samples = debrief->debrief.timeline.seconds;
    for (QList<QPointF>* line : {&allRealPO2_, &allHandsetPO2_, &allSetpoint_, &allDepth_})
        *line = atSessionTime(std::move(*line), samples);
    events_->setVisible(false);
    cellsOffScale_ = layer_->show(debriefChartData(debrief->debrief),
                                  {scales_.po2Top, kStripIntervals * scales_.po2Step()});
    titleAxes();
    resetZoom();
}

void RecordingChartView::zoomToTimeRange(double from, double to) {
    if (to < from)
        std::swap(from, to);
    from = std::max(from, 0.0);
    to = std::min(to, timeEnd());
    if (to <= from)
        return;
    showTimeRange(from, to);
}

// Every change of an axis redraws each series on it, which for five hours of lines takes
// tens of milliseconds: the series are emptied while the axes are set, and drawn once.
void RecordingChartView::resetZoom() {
    holdDrawing();
    chart()->zoomReset();
    showFullRanges();
    // The plot's size, which the points drawn depend on, comes with the chart's layout,
    // which waits in posted events.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    drawing_ = true;
    drawShownStretch();
}

void RecordingChartView::selectTime(double second) {
    if (!layer_ || !std::isfinite(second))
        return;
    const double end = timeEnd();
    second = std::clamp(second, 0.0, end);
    layer_->select(second);
    const double from = time_->min();
    const double to = time_->max();
    const bool narrowed = to - from > kWidestKeptStretch;
    if (second >= from && second <= to && !narrowed)
        return;
    const double span = std::min(narrowed ? kSelectedStretch : to - from, end);
    const double start = std::clamp(second - span / 2, 0.0, end - span);
    showTimeRange(start, start + span);
}

void RecordingChartView::showCell(int cell, bool shown) {
    if (!layer_)
        return;
    layer_->showCell(cell, shown);
    titleAxes();
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

QValueAxis* RecordingChartView::timeAxis() const {
    return time_;
}

QString RecordingChartView::pointerText(const QPointF& position) const {
    const QRectF plot = chart()->plotArea();
    if (!plot.contains(position) || !table_)
        return {};
    const double second = chart()->mapToValue(position, realPO2_).x();
    if (debrief_) {
        const double perColumn = (time_->max() - time_->min()) / std::max(plot.width(), 1.0);
        return debriefSecondSummary(*debrief_, second, std::max(0.5, kPointerReach * perColumn));
    }
    const int row = static_cast<int>(std::lround(second));
    return row < 1 || row > rows_ ? QString() : secondSummary(*table_, row);
}

void RecordingChartView::mouseMoveEvent(QMouseEvent* event) {
    QChartView::mouseMoveEvent(event);
    const QString text = pointerText(event->position());
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPosition().toPoint(), text, this);
}

void RecordingChartView::showTimeRange(double from, double to) {
    const bool drawing = drawing_;
    holdDrawing();
    time_->setRange(from, to);
    drawing_ = drawing;
    drawShownStretch();
}

void RecordingChartView::holdDrawing() {
    drawing_ = false;
    for (QXYSeries* series :
         {static_cast<QXYSeries*>(realPO2_), static_cast<QXYSeries*>(handsetPO2_),
          static_cast<QXYSeries*>(setpoint_), static_cast<QXYSeries*>(depth_),
          static_cast<QXYSeries*>(events_)})
        series->clear();
    if (layer_)
        layer_->clear();
}

// Round ticks for the stretch on show: seconds as numbers for a recording alone, a clock
// for a debrief. The axis labels each category's upper end, so the first one starts just
// below the first tick.
void RecordingChartView::labelTime(double from, double to) {
    for (const QString& label : time_->categoriesLabels())
        time_->remove(label);
    const double span = to - from;
    if (!(span > 0) || !std::isfinite(span))
        return;
    const double step = debrief_ ? clockStep(span, kTimeTicks) : secondsStep(span);
    const double first = std::ceil(from / step - 1e-9) * step;
    time_->setStartValue(first - step * 1e-6);
    for (double tick = first; tick <= to + step * 1e-9; tick += step) {
        time_->append(debrief_ ? QString::fromStdString(
                                     formatElapsed(static_cast<Millis>(std::llround(tick * 1000))))
                               : QString::number(tick, 'f', 0),
                      tick);
    }
}

void RecordingChartView::drawShownStretch() {
    if (!drawing_)
        return;
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
    if (layer_)
        layer_->drawStretch(from, to, drawnColumns_, drawnColumns_ / kMarkerSpacing);
}

int RecordingChartView::plotColumns() const {
    const int columns = static_cast<int>(std::min(chart()->plotArea().width(), 1e5));
    return columns > 0 ? columns : kUnlaidColumns;
}

void RecordingChartView::showFullRanges() {
    showTimeRange(0, timeEnd());
    if (debrief_) {
        // The strip above the top holds the debrief's markers; the depth's 0 faces the top.
        const double strip = kStripIntervals * scales_.po2Step();
        po2_->setTickType(QValueAxis::TicksDynamic);
        po2_->setTickInterval(scales_.po2Step());
        po2_->setRange(0, scales_.po2Top + strip);
        depthAxis_->setTickType(QValueAxis::TicksDynamic);
        depthAxis_->setTickInterval(scales_.depthStep());
        depthAxis_->setReverse(true);
        depthAxis_->setRange(-kStripIntervals * scales_.depthStep(), scales_.depthBottom);
        return;
    }
    po2_->setRange(0, scales_.po2Top);
    po2_->setTickType(QValueAxis::TicksFixed);
    po2_->setTickCount(scales_.intervals + 1);
    depthAxis_->setReverse(false);
    depthAxis_->setRange(-scales_.depthBottom, 0);
    depthAxis_->setTickType(QValueAxis::TicksFixed);
    depthAxis_->setTickCount(scales_.intervals + 1);
}

void RecordingChartView::titleAxes() {
    const bool po2OffScale = po2OffScale_ || (cellsOffScale_ && layer_ && layer_->anyCellShown());
    // A debrief's legend names more than a row holds, and shows each marker's shape.
    chart()->legend()->setAlignment(debrief_ ? Qt::AlignRight : Qt::AlignBottom);
    chart()->legend()->setMarkerShape(debrief_ ? QLegend::MarkerShapeFromSeries
                                               : QLegend::MarkerShapeDefault);
    if (debrief_) {
        time_->setTitleText(QStringLiteral("time"));
        po2_->setTitleText(QStringLiteral("PO2 bar") + (po2OffScale ? kOffScale : QString()));
        depthAxis_->setTitleText(QStringLiteral("Depth m") +
                                 (depthOffScale_ ? kOffScale : QString()));
        return;
    }
    time_->setTitleText(QStringLiteral("time (s)"));
    po2_->setTitleText(QStringLiteral("PO 2") + (po2OffScale ? kOffScale : QString()));
    depthAxis_->setTitleText(QStringLiteral("Depth meters") +
                             (depthOffScale_ ? kOffScale : QString()));
}

double RecordingChartView::timeEnd() const {
    if (!debrief_)
        return std::max(rows_, 1);
    double end = std::max(1.0, static_cast<double>(debrief_->debrief.timeline.end) / 1000);
    for (const QList<QPointF>* line : {&allRealPO2_, &allHandsetPO2_, &allSetpoint_, &allDepth_}) {
        if (!line->isEmpty())
            end = std::max(end, line->last().x());
    }
    return end;
}

}  // namespace loopsim
