#include "drills/PassMarks.h"

#include <algorithm>
#include <array>

#include "core/Format.h"
#include "core/MessageExcerpt.h"
#include "debrief/FailureResponses.h"

namespace loopsim {
namespace {

constexpr std::string_view kResponse = "response_seconds.";
constexpr std::string_view kRecovery = "recovery_seconds.";
constexpr std::string_view kWarningRaised = "warning_raised.";
constexpr std::string_view kWarningSeconds = "warning_seconds.";

// The warnings the unit raises, by their keys in the debrief ("Warning: Low O2" is low_o2).
constexpr std::array<std::string_view, 4> kWarningKeys{"low_o2", "high_o2", "cell_warning",
                                                       "low_battery"};

struct ComparisonName {
    std::string_view text;
    Comparison comparison;
};
// Longer operators first, so "<=" is not read as "<".
constexpr std::array<ComparisonName, 5> kComparisons{{
    {"<=", Comparison::AtMost},
    {">=", Comparison::AtLeast},
    {"=", Comparison::Equal},
    {"<", Comparison::Less},
    {">", Comparison::Greater},
}};

bool isNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '.';
}

bool failureKey(std::string_view key) {
    const auto failures = failureResponses();
    return std::any_of(failures.begin(), failures.end(),
                       [key](const FailureResponse& failure) { return key == failure.key; });
}

bool holds(double value, Comparison comparison, double mark) {
    switch (comparison) {
        case Comparison::Equal:
            return value == mark;
        case Comparison::Less:
            return value < mark;
        case Comparison::AtMost:
            return value <= mark;
        case Comparison::Greater:
            return value > mark;
        case Comparison::AtLeast:
            return value >= mark;
    }
    return false;
}

std::string withUnit(double value, std::string_view unit) {
    std::string text = formatPlain(roundHalfEven(value * 1000) / 1000);
    return unit.empty() ? text : text + " " + std::string(unit);
}

// Why a figure the mark names has no value.
std::string missingValue(std::string_view name) {
    if (name.starts_with(kResponse))
        return "not answered";
    return "never back in hand";
}

}  // namespace

bool knownMetric(std::string_view name) {
    for (const Metric& metric : debriefMetrics(Debrief{})) {
        if (metric.name == name)
            return true;
    }
    for (std::string_view prefix : {kResponse, kRecovery}) {
        if (name.starts_with(prefix))
            return failureKey(name.substr(prefix.size()));
    }
    for (std::string_view prefix : {kWarningRaised, kWarningSeconds}) {
        if (name.starts_with(prefix))
            return std::find(kWarningKeys.begin(), kWarningKeys.end(),
                             name.substr(prefix.size())) != kWarningKeys.end();
    }
    return false;
}

PassMarkRead readPassMark(std::string_view text) {
    PassMarkRead read;
    text = trimBlanks(text);
    std::size_t nameEnd = 0;
    while (nameEnd < text.size() && isNameCharacter(text[nameEnd]))
        ++nameEnd;
    const std::string_view name = text.substr(0, nameEnd);
    std::string_view rest = trimBlanks(text.substr(nameEnd));
    if (name.empty()) {
        read.error = "a pass mark starts with a metric's name, as 'hypoxia_seconds = 0', not " +
                     quotedExcerpt(text);
        return read;
    }
    if (!knownMetric(name)) {
        read.error = "unknown metric " + quotedExcerpt(name) +
                     ": pass marks use the debrief's names (docs/debrief.md)";
        return read;
    }
    const auto found =
        std::find_if(kComparisons.begin(), kComparisons.end(),
                     [rest](const ComparisonName& entry) { return rest.starts_with(entry.text); });
    if (found == kComparisons.end() || rest.starts_with("==")) {
        read.error = "after " + quotedExcerpt(name) +
                     " comes one of = < <= > >= and a number, not " + quotedExcerpt(rest);
        return read;
    }
    const std::string_view number = trimBlanks(rest.substr(found->text.size()));
    const auto value = parseNumber(number);
    if (!value) {
        read.error = "the mark " + quotedExcerpt(number) +
                     " is not a number (written alone, in the metric's own unit)";
        return read;
    }
    read.mark.metric = std::string(name);
    read.mark.comparison = found->comparison;
    read.mark.value = *value;
    read.mark.text = std::string(name) + " " + std::string(found->text) + " " + std::string(number);
    return read;
}

std::vector<MarkResult> judgePassMarks(const std::vector<PassMark>& marks,
                                       const std::vector<Metric>& metrics) {
    std::vector<MarkResult> results;
    for (const PassMark& mark : marks) {
        MarkResult result{mark, false, {}};
        const std::optional<Metric> metric = findMetric(metrics, mark.metric);
        if (metric && metric->value) {
            result.passed = holds(*metric->value, mark.comparison, mark.value);
            result.value = withUnit(*metric->value, metric->unit);
        } else if (metric) {
            result.value = missingValue(mark.metric);
        } else if (mark.metric.starts_with(kWarningRaised)) {
            result.passed = holds(0, mark.comparison, mark.value);
            result.value = withUnit(0, "times");
        } else if (mark.metric.starts_with(kWarningSeconds)) {
            result.passed = holds(0, mark.comparison, mark.value);
            result.value = withUnit(0, "s");
        } else {
            result.value = "the failure never came into force";
        }
        results.push_back(std::move(result));
    }
    return results;
}

std::string markLine(const MarkResult& result) {
    return std::string(result.passed ? "pass " : "fail ") + result.mark.text + " (" + result.value +
           ")";
}

std::string passMarksTitle(const std::string& drillTitle, const std::string& drillFileName) {
    return "Pass marks: " + (drillTitle.empty() ? drillFileName : drillTitle);
}

ReportMarks reportMarks(const std::string& drillTitle, const std::string& drillFileName,
                        const std::vector<MarkResult>& results) {
    ReportMarks listed{passMarksTitle(drillTitle, drillFileName), {}};
    for (const MarkResult& result : results)
        listed.marks.push_back({result.mark.text, result.value, result.passed});
    return listed;
}

}  // namespace loopsim
