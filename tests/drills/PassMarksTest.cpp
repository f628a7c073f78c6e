// Pass marks judged against a session's figures: each comparison, and the figures a
// session may lack.
#include <gtest/gtest.h>

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
    struct Row {
        const char* mark;
        const char* line;
    };
    for (const Row& row : {
             Row{"hypoxia_seconds = 0", "pass hypoxia_seconds = 0 (0 s)"},
             Row{"hypoxia_seconds > 0", "fail hypoxia_seconds > 0 (0 s)"},
             Row{"setpoint_rms_bar<0.45", "pass setpoint_rms_bar < 0.45 (0.45 bar)"},
             Row{"setpoint_rms_bar >= 0.45", "fail setpoint_rms_bar >= 0.45 (0.45 bar)"},
             Row{"excess_bar_seconds <= 3.18", "pass excess_bar_seconds <= 3.18 (3.18 bar·s)"},
             Row{"predive.calibrated = 1", "pass predive.calibrated = 1 (1)"},
             Row{"response_seconds.adv_failed <= 4",
                 "fail response_seconds.adv_failed <= 4 (4.5 s)"},
             Row{"response_seconds.cell_drift <= 100000",
                 "fail response_seconds.cell_drift <= 100000 (not answered)"},
             Row{"recovery_seconds.cell_drift >= 0",
                 "fail recovery_seconds.cell_drift >= 0 (never back in hand)"},
             Row{"response_seconds.handset_flood >= 0",
                 "fail response_seconds.handset_flood >= 0 (the failure never came into force)"},
             Row{"warning_seconds.low_o2 < 12", "fail warning_seconds.low_o2 < 12 (12 s)"},
             // A warning the unit never raised counts nothing.
             Row{"warning_raised.high_o2 = 0", "pass warning_raised.high_o2 = 0 (0 times)"},
             Row{"warning_seconds.cell_warning > 0", "fail warning_seconds.cell_warning > 0 (0 s)"},
         }) {
        const PassMarkRead read = readPassMark(row.mark);
        ASSERT_FALSE(read.error) << row.mark << ": " << *read.error;
        const auto results = judgePassMarks({read.mark}, metrics);
        ASSERT_EQ(results.size(), 1u);
        EXPECT_EQ(markLine(results[0]), row.line);
    }
}

}  // namespace
}  // namespace loopsim
