// Pass marks judged against a session's figures: each comparison, and the figures a
// session may lack.
#include <gtest/gtest.h>

#include "GoldenFile.h"
#include "drills/PassMarks.h"

namespace loopsim {
namespace {

TEST(PassMarks, JudgedAgainstTheFigures) {
    const std::vector<Metric> metrics = {
        {"hypoxia_seconds", "", 0.0, "s", Grade::Good},
        {"setpoint_rms_bar", "", 0.44979101670609434, "bar", Grade::Poor},
        {"excess_bar_seconds", "", 3.18, "bar·s", Grade::Fair},
        {"predive.calibrated", "", 1.0, "", Grade::Good},
        {"response_seconds.cell_drift", "", std::nullopt, "s", Grade::Poor},
        {"recovery_seconds.cell_drift", "", std::nullopt, "s", Grade::Poor},
        {"response_seconds.adv_failed", "", 4.5, "s", Grade::Good},
        {"warning_seconds.low_o2", "", 12.0, "s", Grade::Note},
    };
    // Each mark with its line, against pass-marks.txt; a warning the unit never raised counts
    // nothing.
    std::string said;
    for (const char* mark :
         {"hypoxia_seconds = 0", "hypoxia_seconds > 0", "setpoint_rms_bar<0.45",
          "setpoint_rms_bar >= 0.45", "excess_bar_seconds <= 3.18", "predive.calibrated = 1",
          "response_seconds.adv_failed <= 4", "response_seconds.cell_drift <= 100000",
          "recovery_seconds.cell_drift >= 0", "response_seconds.handset_flood >= 0",
          "warning_seconds.low_o2 < 12", "warning_raised.high_o2 = 0",
          "warning_seconds.cell_warning > 0"}) {
        const PassMarkRead read = readPassMark(mark);
        ASSERT_FALSE(read.error) << mark << ": " << *read.error;
        const auto results = judgePassMarks({read.mark}, metrics);
        ASSERT_EQ(results.size(), 1u);
        said += std::string(mark) + "\n    " + markLine(results[0]) + "\n";
    }
    expectMatchesGoldenFile(said, "pass-marks.txt");
}

}  // namespace
}  // namespace loopsim
