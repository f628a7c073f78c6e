#include "app/results/DebriefChartData.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <optional>

#include "app/results/SessionDebrief.h"
#include "core/DisplayField.h"
#include "core/Format.h"
#include "debrief/ElapsedTime.h"

namespace loopsim {
namespace {

// The most events the pointer's summary lists; the rest are counted.
constexpr int kMostSummaryEvents = 6;

double secondOf(Millis time) {
    return static_cast<double>(time) / 1000;
}

const std::array<double, 3>& masterCells(const SecondSample& sample) {
    return sample.rightIsMaster ? sample.rightCells : sample.leftCells;
}

bool masterOn(const SecondSample& sample) {
    return sample.rightIsMaster ? sample.rightOn : sample.leftOn;
}

QString number(double value) {
    return QString::fromStdString(formatPlain(value));
}

// A PO2 as the unit's displays could show it: dashes past their range.
QString po2(double value) {
    return QString::fromStdString(fieldText(value, kCellReadingField, formatPlain));
}

QString clock(Millis time) {
    return QString::fromStdString(formatElapsed(time));
}

}  // namespace

DebriefChartData debriefChartData(const Debrief& debrief) {
    DebriefChartData data;
    for (const SecondSample& sample : debrief.timeline.seconds) {
        if (!masterOn(sample))
            continue;
        for (std::size_t cell = 0; cell < 3; ++cell) {
            const double reading = masterCells(sample)[cell];
            if (std::isfinite(reading))
                data.cells[cell].append({secondOf(sample.time), reading});
        }
    }
    data.lowBand = episodeOutline(debrief.exposure.low);
    data.highBand = episodeOutline(debrief.exposure.high);
    std::vector<Episode> warnings;
    for (const WarningFigures& warning : debrief.warnings)
        warnings.insert(warnings.end(), warning.episodes.begin(), warning.episodes.end());
    data.warningBand = episodeOutline(std::move(warnings));
    for (const TimelineEvent& event : debrief.timeline.events) {
        if (event.kind != EventKind::Warning)
            data.markers[static_cast<std::size_t>(event.kind)].append({secondOf(event.time), 0});
    }
    return data;
}

QList<QPointF> atSessionTime(QList<QPointF> rows, const std::vector<SecondSample>& seconds) {
    const auto samples = static_cast<qsizetype>(seconds.size());
    for (QPointF& point : rows) {
        const auto row = static_cast<qsizetype>(std::llround(point.x()));
        if (row >= 1 && row <= samples)
            point.setX(secondOf(seconds[static_cast<std::size_t>(row - 1)].time));
        else if (row > samples && samples > 0)
            point.setX(secondOf(seconds.back().time) + static_cast<double>(row - samples));
    }
    return rows;
}

QList<QPointF> episodeOutline(std::vector<Episode> episodes) {
    std::sort(episodes.begin(), episodes.end(),
              [](const Episode& a, const Episode& b) { return a.start < b.start; });
    QList<QPointF> outline;
    std::optional<std::pair<double, double>> open;  // the stretch being drawn, from..to
    auto close = [&] {
        if (open)
            outline.append(
                {{open->first, 0}, {open->first, 1}, {open->second, 1}, {open->second, 0}});
    };
    for (const Episode& episode : episodes) {
        const double from = secondOf(episode.start) - 1;
        const double to = secondOf(episode.end);
        if (open && from <= open->second) {
            open->second = std::max(open->second, to);
            continue;
        }
        close();
        open = {from, to};
    }
    close();
    return outline;
}

QString debriefSecondSummary(const SessionDebrief& shown, double second, double reach) {
    const std::vector<SecondSample>& seconds = shown.debrief.timeline.seconds;
    const auto at = static_cast<Millis>(std::llround(second * 1000));
    auto sample = std::lower_bound(
        seconds.begin(), seconds.end(), at,
        [](const SecondSample& sample, Millis time) { return sample.time < time; });
    if (sample != seconds.begin() &&
        (sample == seconds.end() || at - std::prev(sample)->time < sample->time - at))
        --sample;
    const bool near = sample != seconds.end() && std::abs(sample->time - at) <= 1000;
    QString summary = clock(near ? sample->time : at);
    if (near) {
        summary += QStringLiteral("\nTrue PO2 %1   Handset PO2 %2   Setpoint %3   Depth %4 m")
                       .arg(number(sample->loopPO2),
                            sample->handsetPO2 ? po2(*sample->handsetPO2) : QStringLiteral("-"),
                            number(sample->setpoint), number(sample->depth));
        if (masterOn(*sample)) {
            const auto& cells = masterCells(*sample);
            summary +=
                QStringLiteral("\nCells %1  %2  %3 (%4 handset)")
                    .arg(po2(cells[0]), po2(cells[1]), po2(cells[2]),
                         sample->rightIsMaster ? QStringLiteral("right") : QStringLiteral("left"));
        }
    }
    const Millis from = static_cast<Millis>(std::floor((second - reach) * 1000));
    const Millis to = static_cast<Millis>(std::ceil((second + reach) * 1000));
    const auto first =
        std::lower_bound(shown.events.begin(), shown.events.end(), from,
                         [](const ListedEvent& event, Millis time) { return event.time < time; });
    int listed = 0;
    for (auto event = first; event != shown.events.end() && event->time <= to; ++event) {
        if (listed++ == kMostSummaryEvents) {
            const auto last = std::upper_bound(
                event, shown.events.end(), to,
                [](Millis time, const ListedEvent& event) { return time < event.time; });
            summary += QStringLiteral("\n… and %1 more").arg(last - event);
            break;
        }
        summary +=
            QStringLiteral("\n%1 %2: %3")
                .arg(clock(event->time),
                     QString::fromUtf8(eventKindName(event->kind).data(),
                                       static_cast<qsizetype>(eventKindName(event->kind).size())),
                     QString::fromStdString(event->what));
    }
    return summary;
}

}  // namespace loopsim
