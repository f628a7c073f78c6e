// The debrief's figures as one list of named metrics, each marked against its threshold.
// The names are what reports, scripts and a drill's pass marks use
// ("hypoxia_seconds", "response_seconds.cell_drift").
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "debrief/Debrief.h"

namespace loopsim {

enum class Grade {
    Good,  // green
    Fair,  // amber
    Poor,  // red
    Note,  // a figure to read, not to mark
};

std::string_view gradeName(Grade grade);

struct Metric {
    std::string name;
    std::string label;            // as the debrief panel shows it
    std::optional<double> value;  // none: did not happen (no response, no recovery)
    std::string unit;
    Grade grade = Grade::Note;
};

std::vector<Metric> debriefMetrics(const Debrief& debrief);
// The value as the panel and the report show it: "45 s", "0.12 bar", "yes" for a check
// done, "none" when it did not happen.
std::string metricValueText(const Metric& metric);
// The metric of that name, if the debrief has it.
std::optional<Metric> findMetric(const std::vector<Metric>& metrics, std::string_view name);

}  // namespace loopsim
