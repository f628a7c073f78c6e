// What the chart draws of a debrief besides the recording's own lines, in the chart's units:
// time in seconds, the sample of second n at n (where the recording has its row n), PO2 in
// bar. The master handset's three cell readings while it is on; the time outside 0.4 to 1.6
// bar and the warnings' episodes as step outlines, 1 during an episode and 0 between, each
// episode from the second before its first sample to its last (a sample closes its second);
// and each event as a point at height 0 under its kind, for the chart to place.
#pragma once

#include <QList>
#include <QPointF>
#include <QString>
#include <array>
#include <vector>

#include "debrief/Debrief.h"

namespace loopsim {

struct SessionDebrief;

inline constexpr std::size_t kEventKinds = static_cast<std::size_t>(EventKind::Unit) + 1;

struct DebriefChartData {
    std::array<QList<QPointF>, 3> cells;
    QList<QPointF> lowBand;   // true PO2 below 0.4 bar
    QList<QPointF> highBand;  // above 1.6 bar
    QList<QPointF> warningBand;
    std::array<QList<QPointF>, kEventKinds> markers;  // by EventKind; warnings are bands
};

DebriefChartData debriefChartData(const Debrief& debrief);

// The outline of the time covered by any of the episodes, overlapping or not.
QList<QPointF> episodeOutline(std::vector<Episode> episodes);

// What the pointer shows at a second of a debriefed session: the time, the unit's values
// and the master's cells then, and the events within reach seconds of it.
QString debriefSecondSummary(const SessionDebrief& shown, double second, double reach);

}  // namespace loopsim
