// The sessions the export tests write: a scenario file replayed as its session log, with the
// debrief the export starts from, and the one start time every golden export carries.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "GoldenFile.h"
#include "debrief/Debrief.h"
#include "debrief/SessionReplay.h"
#include "export/DiveFromSession.h"

namespace loopsim::test {

inline constexpr CalendarTime kExportStart{2024, 5, 1, 10, 0, 0};

inline std::string scenarioPath(const std::string& name) {
    const std::string data = testDataPath(name + ".scenario");
    return readTestFile(data).empty() ? std::string(LOOPSIM_SCENARIOS) + "/" + name + ".scenario"
                                      : data;
}

// The scenario of tests/data or scenarios/ replayed, with its figures worked out.
inline Debrief replayedSession(const std::string& name) {
    ReplayedSession replayed = replaySessionLog(readTestFile(scenarioPath(name)));
    EXPECT_FALSE(replayed.error) << name << ": " << replayed.error.value_or("");
    return computeDebrief(std::move(replayed.timeline));
}

inline ExportedDive exportedSession(const std::string& name) {
    return diveFromSession(replayedSession(name), kExportStart);
}

}  // namespace loopsim::test
