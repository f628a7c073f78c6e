#include "app/results/DebriefChartLayer.h"

#include <QAreaSeries>
#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <algorithm>

#include "app/results/DrawnPoints.h"

namespace loopsim {
namespace {

struct MarkerLook {
    const char* name;
    QScatterSeries::MarkerShape shape;
    QColor fill;
    QColor border;
    double size;
    double height;  // where in the strip, 0 at its bottom, 1 at its top
};

// By EventKind; a warning is a band, not a marker.
const std::array<MarkerLook, kEventKinds> kMarkerLooks = {{
    {"Trainee action", QScatterSeries::MarkerShapeTriangle, QColor(0x1f, 0x5f, 0xbf), Qt::white, 13,
     0.80},
    {"Instructor", QScatterSeries::MarkerShapeCircle, QColor(0x70, 0x30, 0xa0), Qt::white, 10,
     0.40},
    {"Failure", QScatterSeries::MarkerShapeRotatedRectangle, QColor(0xc0, 0x20, 0x20), Qt::white,
     13, 0.58},
    {"Failure cleared", QScatterSeries::MarkerShapeRotatedRectangle, Qt::white,
     QColor(0xc0, 0x20, 0x20), 11, 0.58},
    {"", QScatterSeries::MarkerShapeCircle, Qt::black, Qt::black, 0, 0},  // warnings: a band
    {"Unit note", QScatterSeries::MarkerShapeCircle, QColor(0x90, 0x90, 0x90), Qt::white, 8, 0.40},
}};
const std::array<QColor, 3> kCellColours = {QColor(0x8e, 0x44, 0xad), QColor(0x16, 0xa0, 0x85),
                                            QColor(0xb0, 0x30, 0x6a)};
const QColor kLowColour(0xc0, 0x20, 0x20, 48);
const QColor kHighColour(0xe0, 0xa0, 0x00, 60);
const QColor kWarningColour(0xe0, 0xa0, 0x00);
// The warnings' band in the strip, from its bottom.
constexpr double kWarningBandLow = 0.06;
constexpr double kWarningBandHigh = 0.22;

QAreaSeries* addBand(QChart* chart, const QString& name, const QColor& colour, bool withLower) {
    auto* band = new QAreaSeries;
    band->setName(name);
    band->setUpperSeries(new QLineSeries(band));
    if (withLower)
        band->setLowerSeries(new QLineSeries(band));
    band->setColor(colour);
    band->setBorderColor(Qt::transparent);
    chart->addSeries(band);
    // The legend shows a band as a box of its colour, made solid so a faint shade shows.
    for (QLegendMarker* marker : chart->legend()->markers(band)) {
        marker->setShape(QLegend::MarkerShapeRectangle);
        marker->setBrush(QColor(colour.red(), colour.green(), colour.blue(), 140));
        marker->setPen(QPen(colour.darker(120)));
    }
    return band;
}

// The outline's stretch for the plot, its heights set between low and high.
QList<QPointF> bandToDraw(const QList<QPointF>& outline, double from, double to, int columns,
                          double low, double high) {
    QList<QPointF> points = pointsToDraw(outline, from, to, columns);
    for (QPointF& point : points)
        point.setY(low + point.y() * (high - low));
    return points;
}

}  // namespace

DebriefChartLayer::DebriefChartLayer(QChart* chart, QAbstractAxis* time, QAbstractAxis* po2,
                                     const QList<QAbstractSeries*>& drawnOver)
    : chart_(chart) {
    lowBand_ = addBand(chart, QStringLiteral("PO2 below 0.4 bar"), kLowColour, false);
    highBand_ = addBand(chart, QStringLiteral("PO2 above 1.6 bar"), kHighColour, false);
    warningBand_ = addBand(chart, QStringLiteral("Warning"), kWarningColour, true);
    series_ = {lowBand_, highBand_, warningBand_};
    for (int cell = 0; cell < 3; ++cell) {
        auto* line = new QLineSeries;
        line->setName(QStringLiteral("Cell %1").arg(cell + 1));
        line->setPen(QPen(kCellColours[cell], 1.2));
        chart->addSeries(line);
        line->setVisible(false);
        cells_[cell] = line;
        series_.append(line);
    }
    // Series draw in the order they were added: the recording's lines go over the bands.
    for (QAbstractSeries* series : drawnOver) {
        const QList<QAbstractAxis*> axes = series->attachedAxes();
        chart->removeSeries(series);
        chart->addSeries(series);
        for (QAbstractAxis* axis : axes)
            series->attachAxis(axis);
    }
    // The trainee's actions and the failures are drawn over the rest.
    for (EventKind drawn : {EventKind::Unit, EventKind::Instructor, EventKind::Cleared,
                            EventKind::Failure, EventKind::Trainee}) {
        const auto kind = static_cast<std::size_t>(drawn);
        const MarkerLook& look = kMarkerLooks[kind];
        auto* markers = new QScatterSeries;
        markers->setName(QString::fromLatin1(look.name));
        markers->setMarkerShape(look.shape);
        markers->setMarkerSize(look.size);
        markers->setColor(look.fill);
        markers->setBorderColor(look.border);
        chart->addSeries(markers);
        markers_[kind] = markers;
        series_.append(markers);
    }
    selection_ = new QLineSeries;
    selection_->setName(QStringLiteral("Selected time"));
    selection_->setPen(QPen(QColor(0x30, 0x30, 0x30), 1.5));
    chart->addSeries(selection_);
    series_.append(selection_);
    for (QLegendMarker* marker : chart->legend()->markers(selection_))
        marker->setVisible(false);
    for (QAbstractSeries* series : series_) {
        series->attachAxis(time);
        series->attachAxis(po2);
    }
}

DebriefChartLayer::~DebriefChartLayer() {
    for (QAbstractSeries* series : series_) {
        chart_->removeSeries(series);
        delete series;
    }
}

bool DebriefChartLayer::show(DebriefChartData data, const DebriefPlacing& placing) {
    bool offScale = false;
    for (QList<QPointF>& cell : data.cells)
        offScale |= clampValues(cell, 0, placing.top);
    data_ = std::move(data);
    placing_ = placing;
    for (std::size_t kind = 0; kind < kEventKinds; ++kind) {
        if (!markers_[kind])
            continue;
        for (QPointF& point : data_.markers[kind])
            point.setY(markerHeight(static_cast<EventKind>(kind)));
    }
    selected_.reset();
    // The legend names only what this session has.
    const auto name = [this](QAbstractSeries* series, bool present) {
        for (QLegendMarker* marker : chart_->legend()->markers(series))
            marker->setVisible(present);
    };
    name(lowBand_, !data_.lowBand.isEmpty());
    name(highBand_, !data_.highBand.isEmpty());
    name(warningBand_, !data_.warningBand.isEmpty());
    for (std::size_t kind = 0; kind < kEventKinds; ++kind) {
        if (markers_[kind])
            name(markers_[kind], !data_.markers[kind].isEmpty());
    }
    return offScale;
}

void DebriefChartLayer::drawStretch(double from, double to, int columns, int markerPlaces) {
    for (std::size_t cell = 0; cell < 3; ++cell)
        cells_[cell]->replace(pointsToDraw(data_.cells[cell], from, to, columns));
    lowBand_->upperSeries()->replace(bandToDraw(data_.lowBand, from, to, columns, 0, placing_.top));
    highBand_->upperSeries()->replace(
        bandToDraw(data_.highBand, from, to, columns, 0, placing_.top));
    const double low = placing_.top + kWarningBandLow * placing_.strip;
    const double high = placing_.top + kWarningBandHigh * placing_.strip;
    const QList<QPointF> warnings = bandToDraw(data_.warningBand, from, to, columns, low, high);
    warningBand_->upperSeries()->replace(warnings);
    // The band's foot runs under the whole outline, so only the episodes have an area.
    warningBand_->lowerSeries()->replace(
        warnings.isEmpty()
            ? QList<QPointF>{}
            : QList<QPointF>{{warnings.first().x(), low}, {warnings.last().x(), low}});
    for (std::size_t kind = 0; kind < kEventKinds; ++kind) {
        if (markers_[kind])
            markers_[kind]->replace(markersToDraw(data_.markers[kind], from, to, markerPlaces));
    }
    drawSelection();
}

void DebriefChartLayer::clear() {
    for (QLineSeries* cell : cells_)
        cell->clear();
    for (QAreaSeries* band : {lowBand_, highBand_, warningBand_}) {
        band->upperSeries()->clear();
        if (band->lowerSeries())
            band->lowerSeries()->clear();
    }
    for (QScatterSeries* markers : markers_) {
        if (markers)
            markers->clear();
    }
    selection_->clear();
}

void DebriefChartLayer::select(std::optional<double> second) {
    selected_ = second;
    drawSelection();
}

void DebriefChartLayer::showCell(int cell, bool shown) {
    if (cell >= 0 && cell < 3)
        cells_[cell]->setVisible(shown);
}

bool DebriefChartLayer::anyCellShown() const {
    return std::any_of(cells_.begin(), cells_.end(),
                       [](const QLineSeries* cell) { return cell->isVisible(); });
}

double DebriefChartLayer::markerHeight(EventKind kind) const {
    return placing_.top + kMarkerLooks[static_cast<std::size_t>(kind)].height * placing_.strip;
}

void DebriefChartLayer::drawSelection() {
    if (!selected_) {
        selection_->clear();
        return;
    }
    selection_->replace({{*selected_, 0}, {*selected_, placing_.top + placing_.strip}});
}

}  // namespace loopsim
