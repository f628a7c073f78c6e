// The report page in its two forms, for a browser and for a printed report, and the values
// as the panel and the report show them.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "GoldenFile.h"
#include "debrief/Metrics.h"
#include "debrief/ReportHtml.h"

namespace loopsim::test {
namespace {

Debrief tenSecondsAtTheSetpoint() {
    Timeline timeline;
    for (int second = 1; second <= 10; ++second) {
        SecondSample sample;
        sample.time = second * 1000;
        sample.loopPO2 = sample.setpoint = 0.7;
        sample.mouthpieceOpen = sample.onLoop = true;
        timeline.seconds.push_back(sample);
    }
    timeline.end = 10000;
    return computeDebrief(std::move(timeline));
}

// The browser's page draws its chart as SVG and its marks as circles; the printed one has
// the caller's chart markup in the chart's place and a coloured dot for each mark. Both
// escape the trainee's name. Ten seconds at the setpoint mark 11 figures good: all but the
// two notes and the pre-dive checks, which are notes without a first breath.
TEST(ReportHtml, ThePageAndThePrintedPage) {
    const Debrief debrief = tenSecondsAtTheSetpoint();
    const ReportHeading heading{"drill.scenario", "2024-05-01 10:00:00", "Ann <B>"};
    expectMatchesGoldenFile(debriefHtml(debrief, heading), "ten-seconds.debrief.html");
    expectMatchesGoldenFile(debriefPrintHtml(debrief, heading, "<a name=\"chart\">*</a>"),
                            "ten-seconds.debrief-printed.html");
}

// A drilled session's marks follow the metrics under their own title, escaped, each with
// its result; a page without them has no such section (the golden pages above).
TEST(ReportHtml, PassMarksAfterTheMetrics) {
    const Debrief debrief = tenSecondsAtTheSetpoint();
    ReportHeading heading{"drill.scenario", "", ""};
    heading.marksTitle = "Pass marks: Cell <drift>";
    heading.marks = {{"hypoxia_seconds = 0", "0 s", true},
                     {"response_seconds.cell_drift <= 120", "not answered", false}};
    const std::string html = debriefHtml(debrief, heading);
    const auto section = html.find("<h2>Pass marks: Cell &lt;drift&gt;</h2>");
    ASSERT_NE(section, std::string::npos);
    EXPECT_LT(html.find("<h2>How it went</h2>"), section);
    EXPECT_LT(section, html.find("<h2>Failures</h2>"));
    EXPECT_NE(html.find("<td>hypoxia_seconds = 0</td><td class=\"value\">0 s</td><td>pass</td>"),
              std::string::npos);
    EXPECT_NE(html.find("<td>response_seconds.cell_drift &lt;= 120</td><td class=\"value\">not "
                        "answered</td><td>fail</td>"),
              std::string::npos);
}

TEST(Metrics, ValuesAsShown) {
    const double kInf = std::numeric_limits<double>::infinity();
    const struct {
        const char* name;
        std::optional<double> value;
        const char* unit;
        const char* shown;
    } rows[] = {
        {"hypoxia_seconds", 45, "s", "45 s"},
        {"setpoint_rms_bar", 0.123, "bar", "0.12 bar"},
        {"response_seconds.cell_drift", std::nullopt, "s", "none"},
        {"predive.calibrated", 1, "", "yes"},
        {"predive.calibrated", 0, "", "no"},
        {"otu", kInf, "OTU", "—"},
        {"cns_percent", 1e12, "%", "1000000000000.00 %"},
        {"warning_raised.low_o2", 3, "", "3"},
    };
    for (const auto& row : rows) {
        const Metric metric{row.name, "", row.value, row.unit, Grade::Note};
        EXPECT_EQ(metricValueText(metric), row.shown) << row.name;
    }
}

}  // namespace
}  // namespace loopsim::test
