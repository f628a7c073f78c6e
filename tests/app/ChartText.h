// A chart of the results viewer as text, for the viewer tests to compare with their expected
// files: each value axis's title, range, ticks and labels, and each series' kind, name,
// whether it is shown, its axes, whether it is dashed, and its points (of a long series, the
// first and last three).
#pragma once

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>

#include "app/results/RecordingChartView.h"

namespace loopsim::test {

inline QString pointsText(const QList<QPointF>& points) {
    QStringList shown;
    for (qsizetype i = 0; i < points.size(); ++i) {
        if (points.size() <= 12 || i < 3 || i >= points.size() - 3)
            shown << QStringLiteral("%1,%2").arg(points[i].x()).arg(points[i].y());
    }
    return QStringLiteral("%1 points %2").arg(points.size()).arg(shown.join(' '));
}

inline QString chartText(const RecordingChartView& view) {
    QStringList lines;
    for (QAbstractAxis* axis : view.chart()->axes()) {
        auto* values = qobject_cast<const QValueAxis*>(axis);
        if (!values)
            continue;
        lines << QStringLiteral("axis \"%1\" %2 to %3, %4 ticks%5")
                     .arg(values->titleText())
                     .arg(values->min())
                     .arg(values->max())
                     .arg(values->tickCount())
                     .arg(values->isReverse() ? ", reversed" : "");
        if (auto* labels = qobject_cast<QCategoryAxis*>(axis))
            lines.last() += ", labels " + labels->categoriesLabels().join(' ');
    }
    for (QAbstractSeries* series : view.chart()->series()) {
        QString line = QStringLiteral("%1 \"%2\"%3 ")
                           .arg(series->metaObject()->className(), series->name(),
                                series->isVisible() ? "" : " hidden");
        QStringList axes;
        for (const QAbstractAxis* axis : series->attachedAxes())
            axes << axis->titleText();
        line += "on " + axes.join('/') + ": ";
        if (auto* area = qobject_cast<const QAreaSeries*>(series))
            line += pointsText(area->upperSeries()->points());
        else if (auto* xy = qobject_cast<const QXYSeries*>(series))
            line += (xy->pen().style() == Qt::DashLine ? "dashed " : "") + pointsText(xy->points());
        lines << line;
    }
    return lines.join('\n');
}

}  // namespace loopsim::test
