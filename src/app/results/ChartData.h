// The chart's content taken from a recording table: one point per recorded second on each
// series, the depth turned downward as negative metres, and the seconds where a status
// message begins (a warning given every second for an hour is one event, at its start). A value the
// file left empty (the handset PO2 before the first vote), or one that is not a finite number, is
// not drawn.
#pragma once

#include <QList>
#include <QPointF>
#include <QString>

#include "core/Recording.h"

namespace loopsim {

struct ChartEvent {
    int second = 0;
    QString message;
};

struct ChartSeriesData {
    QList<QPointF> realPO2;
    QList<QPointF> handsetPO2;
    QList<QPointF> setpoint;
    QList<QPointF> depth;
    QList<ChartEvent> events;
    double highestPO2 = 0;
    double deepest = 0;  // metres, positive
};

// Rows 1 to rows of the table.
ChartSeriesData chartSeriesData(const RecordTable& table, int rows);

// What the pointer shows over one second: its status message and its values.
QString secondSummary(const RecordTable& table, int second);

}  // namespace loopsim
