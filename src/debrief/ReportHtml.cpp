#include "debrief/ReportHtml.h"

#include "debrief/ElapsedTime.h"
#include "debrief/EventList.h"
#include "debrief/FailureResponses.h"
#include "debrief/Markup.h"
#include "debrief/Metrics.h"
#include "debrief/ReportChart.h"

namespace loopsim {
namespace {

constexpr const char* kStyle = R"(<style>
body { font-family: sans-serif; margin: 24px; color: #222; max-width: 1000px; }
h1 { font-size: 22px; margin-bottom: 4px; }
h2 { font-size: 17px; margin-top: 28px; border-bottom: 1px solid #ccc; }
.heading { color: #555; }
table { border-collapse: collapse; width: 100%; }
td, th { text-align: left; padding: 3px 8px; border-bottom: 1px solid #eee; font-size: 13px; }
td.value { text-align: right; white-space: nowrap; }
.mark { display: inline-block; width: 11px; height: 11px; border-radius: 6px; }
.good { background: #2a9d3a; } .fair { background: #e0a000; } .poor { background: #c02020; }
.note { background: #bbb; }
.legend span { margin-right: 14px; font-size: 12px; }
tr.failure td { color: #c02020; } tr.warning td { color: #a06000; }
tr.instructor td { color: #7030a0; }
</style>
)";

// The mark's colour, as the style sheet gives it to a mark's circle.
const char* markColour(Grade grade) {
    switch (grade) {
        case Grade::Good:
            return "#2a9d3a";
        case Grade::Fair:
            return "#e0a000";
        case Grade::Poor:
            return "#c02020";
        case Grade::Note:
            break;
    }
    return "#bbb";
}

// A mark is a coloured circle; a text layout without CSS boxes gets a coloured dot instead.
std::string markCell(Grade grade, bool printed) {
    if (printed)
        return std::string("<td width=\"3%\"><span style=\"color:") + markColour(grade) +
               "\">\u25CF</span></td>";
    return "<td style=\"width:16px\"><span class=\"mark " + std::string(gradeName(grade)) +
           "\"></span></td>";
}

std::string metricsTable(const Debrief& debrief, bool printed) {
    std::string html = "<table>\n";
    for (const Metric& metric : debriefMetrics(debrief)) {
        html += "<tr>" + markCell(metric.grade, printed) + "<td>" + escapeMarkup(metric.label) +
                "</td><td class=\"value\">" + escapeMarkup(metricValueText(metric)) +
                "</td></tr>\n";
    }
    return html + "</table>\n";
}

std::string marksTable(const ReportHeading& heading, bool printed) {
    std::string html =
        "<table>\n<thead><tr><th></th><th>Mark</th><th>Value</th><th>Result</th>"
        "</tr></thead>\n";
    for (const ReportMark& mark : heading.marks) {
        const Grade grade = mark.passed ? Grade::Good : Grade::Poor;
        html += "<tr>" + markCell(grade, printed) + "<td>" + escapeMarkup(mark.mark) +
                "</td><td class=\"value\">" + escapeMarkup(mark.value) + "</td><td>" +
                (mark.passed ? "pass" : "fail") + "</td></tr>\n";
    }
    return html + "</table>\n";
}

std::string failuresTable(const Debrief& debrief) {
    if (debrief.failures.empty())
        return "<p>No failure was injected.</p>\n";
    std::string html =
        "<table>\n<thead><tr><th>Failure</th><th>In force</th><th>Expected</th><th>First "
        "response</th><th>Back in hand</th></tr></thead>\n";
    for (const FailureOutcome& f : debrief.failures) {
        const FailureResponse* row = failureResponse(f.option);
        const std::string response =
            f.respondedAt ? formatElapsed(*f.respondedAt) + " " + f.response : "none";
        const std::string recovery =
            f.recoveredAt ? formatElapsed(*f.recoveredAt) + " " + f.recovery : "not back";
        html += "<tr><td>" + escapeMarkup(failureName(f.option)) + "</td><td>" +
                formatElapsed(f.inForce) + "</td><td>" + escapeMarkup(row ? row->answeredBy : "") +
                "</td><td>" + escapeMarkup(response) + "</td><td>" + escapeMarkup(recovery) +
                "</td></tr>\n";
    }
    return html + "</table>\n";
}

std::string eventsTable(const Debrief& debrief) {
    std::string html = "<table>\n<thead><tr><th>Time</th><th>Kind</th><th>What</th></tr></thead>\n";
    for (const ListedEvent& event : listedEvents(debrief)) {
        const std::string kind(eventKindName(event.kind));
        html += "<tr class=\"" + kind + "\"><td>" + formatElapsed(event.time) + "</td><td>" + kind +
                "</td><td>" + escapeMarkup(event.what) + "</td></tr>\n";
    }
    return html + "</table>\n";
}

// The page; with chart markup, laid out for a printed report (see debriefPrintHtml).
std::string page(const Debrief& debrief, const ReportHeading& heading,
                 const std::string* chartMarkup) {
    const bool printed = chartMarkup != nullptr;
    std::string html =
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<title>Debrief</title>\n";
    html += kStyle;
    html += "</head>\n<body>\n<h1>Debrief";
    if (!heading.trainee.empty())
        html += ": " + escapeMarkup(heading.trainee);
    html += "</h1>\n<p class=\"heading\">";
    for (const std::string& part : {heading.session, heading.date})
        if (!part.empty())
            html += escapeMarkup(part) + " · ";
    html += formatElapsed(debrief.timeline.end) + " of simulated time</p>\n";
    if (printed) {
        html += "<p>" + *chartMarkup + "</p>\n";
    } else {
        html += debriefChartSvg(debrief, 960, 360);
        html +=
            "<p class=\"legend\"><span style=\"color:#1f5fbf\">━ true PO2</span>"
            "<span style=\"color:#e08010\">━ handset PO2</span>"
            "<span style=\"color:#209040\">╌ setpoint</span>"
            "<span style=\"color:#606060\">━ depth</span>"
            "<span style=\"color:#1f5fbf\">▲ trainee action</span>"
            "<span style=\"color:#c02020\">◆ failure</span>"
            "<span style=\"color:#e0a000\">▬ warning</span></p>\n";
    }
    html += "<h2>How it went</h2>\n" + metricsTable(debrief, printed);
    if (!heading.marksTitle.empty())
        html +=
            "<h2>" + escapeMarkup(heading.marksTitle) + "</h2>\n" + marksTable(heading, printed);
    html += "<h2>Failures</h2>\n" + failuresTable(debrief);
    html += "<h2>Events</h2>\n" + eventsTable(debrief);
    html += "</body>\n</html>\n";
    return html;
}

}  // namespace

std::string debriefHtml(const Debrief& debrief, const ReportHeading& heading) {
    return page(debrief, heading, nullptr);
}

std::string debriefPrintHtml(const Debrief& debrief, const ReportHeading& heading,
                             const std::string& chartMarkup) {
    return page(debrief, heading, &chartMarkup);
}

}  // namespace loopsim
