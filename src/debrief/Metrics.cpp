#include "debrief/Metrics.h"

#include <algorithm>
#include <cmath>

#include "core/Format.h"
#include "debrief/FailureResponses.h"

namespace loopsim {
namespace {

// Good up to `good`, fair up to `fair`, poor past it; a missing value is poor.
Grade atMost(std::optional<double> value, double good, double fair) {
    if (!value)
        return Grade::Poor;
    if (*value <= good)
        return Grade::Good;
    return *value <= fair ? Grade::Fair : Grade::Poor;
}

Grade atLeast(double value, double good, double fair) {
    if (value >= good)
        return Grade::Good;
    return value >= fair ? Grade::Fair : Grade::Poor;
}

std::optional<double> secondsBetween(Millis from, std::optional<Millis> to) {
    if (!to)
        return std::nullopt;
    return static_cast<double>(*to - from) / 1000;
}

// "Low O2" as "low_o2".
std::string keyOf(std::string_view text) {
    std::string key;
    for (char c : text) {
        if (c >= 'A' && c <= 'Z')
            key += static_cast<char>(c - 'A' + 'a');
        else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
            key += c;
        else if (!key.empty() && key.back() != '_')
            key += '_';
    }
    return key;
}

void addPreDiveChecks(const Timeline& timeline, std::vector<Metric>& metrics) {
    const PreDiveChecks checks = timeline.preDive.value_or(PreDiveChecks{});
    const struct {
        const char* name;
        const char* label;
        bool done;
    } rows[] = {
        {"predive.oxygen_open", "Oxygen valve open before breathing", checks.oxygenOpen},
        {"predive.diluent_open", "Diluent valve open before breathing", checks.diluentOpen},
        {"predive.both_handsets_on", "Both handsets on before breathing",
         checks.leftOn && checks.rightOn},
        {"predive.calibrated", "Calibrated before breathing", checks.calibrated},
        {"predive.setpoints_checked", "Setpoints checked before breathing", checks.setpointsSeen},
    };
    for (const auto& row : rows)
        metrics.push_back(
            {row.name, row.label, row.done ? 1.0 : 0.0, "",
             timeline.preDive ? (row.done ? Grade::Good : Grade::Poor) : Grade::Note});
}

}  // namespace

std::string_view gradeName(Grade grade) {
    switch (grade) {
        case Grade::Good:
            return "good";
        case Grade::Fair:
            return "fair";
        case Grade::Poor:
            return "poor";
        case Grade::Note:
            break;
    }
    return "note";
}

std::vector<Metric> debriefMetrics(const Debrief& d) {
    const ExposureFigures& e = d.exposure;
    std::vector<Metric> metrics = {
        {"hypoxia_seconds", "Time below 0.4 bar", e.lowSeconds, "s", atMost(e.lowSeconds, 0, 30)},
        {"longest_hypoxia_seconds", "Longest time below 0.4 bar", e.longestLowSeconds, "s",
         atMost(e.longestLowSeconds, 0, 30)},
        {"unconscious_seconds", "Time below 0.16 bar", e.unconsciousSeconds, "s",
         atMost(e.unconsciousSeconds, 0, 0)},
        {"hyperoxia_seconds", "Time above 1.6 bar", e.highSeconds, "s",
         atMost(e.highSeconds, 0, 30)},
        {"longest_hyperoxia_seconds", "Longest time above 1.6 bar", e.longestHighSeconds, "s",
         atMost(e.longestHighSeconds, 0, 30)},
        {"excess_bar_seconds", "Excess outside 0.4 to 1.6 bar", e.excessBarSeconds, "bar·s",
         atMost(e.excessBarSeconds, 0, 5)},
        {"breathing_seconds", "Time breathing from the loop", d.tracking.breathingSeconds, "s",
         Grade::Note},
        {"setpoint_rms_bar", "Setpoint tracking (RMS)", d.tracking.rmsBar, "bar",
         atMost(d.tracking.rmsBar, 0.1, 0.2)},
        {"setpoint_within_percent", "Time within 0.1 bar of the setpoint",
         100 * d.tracking.withinShare, "%", atLeast(100 * d.tracking.withinShare, 90, 70)},
        {"cns_percent", "CNS oxygen clock", d.dose.cnsPercent, "%",
         atMost(d.dose.cnsPercent, 80, 100)},
        {"otu", "Oxygen tolerance units", d.dose.otu, "OTU", atMost(d.dose.otu, 300, 850)},
        {"misled_seconds", "Handset more than 0.2 bar off the loop", d.misledSeconds, "s",
         Grade::Note},
        {"fastest_ascent_m_per_min", "Fastest ascent over 10 s", d.ascent.fastestMetresPerMinute,
         "m/min", atMost(d.ascent.fastestMetresPerMinute, kSafeAscentMetresPerMinute, 18)},
    };
    for (const FailureOutcome& outcome : d.failures) {
        const FailureResponse* row = failureResponse(outcome.option);
        if (!row)
            continue;
        const std::string caption = failureName(outcome.option);
        const auto response = secondsBetween(outcome.inForce, outcome.respondedAt);
        const auto recovery = secondsBetween(outcome.inForce, outcome.recoveredAt);
        metrics.push_back({std::string("response_seconds.") + row->key,
                           "Response to \"" + caption + "\"", response, "s",
                           atMost(response, 60, 120)});
        metrics.push_back({std::string("recovery_seconds.") + row->key,
                           "Recovery from \"" + caption + "\"", recovery, "s",
                           atMost(recovery, 120, 300)});
    }
    for (const WarningFigures& warning : d.warnings) {
        metrics.push_back({"warning_raised." + keyOf(warning.kind),
                           "\"" + warning.kind + "\" raised", warning.raised, "times",
                           Grade::Note});
        metrics.push_back({"warning_seconds." + keyOf(warning.kind),
                           "\"" + warning.kind + "\" in all", warning.seconds, "s", Grade::Note});
    }
    addPreDiveChecks(d.timeline, metrics);
    return metrics;
}

std::string metricValueText(const Metric& metric) {
    if (!metric.value)
        return "none";
    if (metric.name.rfind("predive.", 0) == 0)
        return *metric.value != 0 ? "yes" : "no";
    const double value = *metric.value;
    if (!std::isfinite(value))
        return "—";
    const bool whole = value == std::floor(value) && std::abs(value) < 1e9;
    return (whole ? formatFixed(value, 0) : formatFixed(value, 2)) +
           (metric.unit.empty() ? "" : " " + metric.unit);
}

std::optional<Metric> findMetric(const std::vector<Metric>& metrics, std::string_view name) {
    auto found = std::find_if(metrics.begin(), metrics.end(),
                              [name](const Metric& metric) { return metric.name == name; });
    if (found == metrics.end())
        return std::nullopt;
    return *found;
}

}  // namespace loopsim
