// What the chart draws of a debrief besides the recording's own lines, in the chart's units:
// the session's time in seconds, PO2 in bar. The recording counts its rows, one each
// recorded second; the session's clock runs on while the whole unit waits (a handset's
// turn-on click), so row n is drawn at the time of the debrief's n-th sample, which is when
// it was taken. The master handset's three cell readings while it is on; the time outside 0.4
// to 1.6 bar and the warnings' episodes as step outlines, 1 during an episode and 0 between, each
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

// The recording's points (x: the row) at the session's time of their rows; rows past the
// last sample keep a second apart from it.
QList<QPointF> atSessionTime(QList<QPointF> rows, const std::vector<SecondSample>& seconds);

// The outline of the time covered by any of the episodes, overlapping or not.
QList<QPointF> episodeOutline(std::vector<Episode> episodes);

// What the pointer shows at a time of a debriefed session (in seconds): the time, the unit's
// values and the master's cells at the sample nearest to it, and the events within reach
// seconds of it.
QString debriefSecondSummary(const SessionDebrief& shown, double second, double reach);

}  // namespace loopsim
