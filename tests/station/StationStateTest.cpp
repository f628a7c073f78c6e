// What the instructor station shows of the unit: the state message byte for byte, the
// options waiting out their delay, and the last warnings from the recording.
#include <gtest/gtest.h>

#include "GoldenFile.h"
#include "SimulationRig.h"
#include "station/StationState.h"

namespace loopsim {
namespace {

// The failures in force, the ticked boxes and what waits out its delay, as the message has
// them one after the other.
std::string optionsPart(const std::string& json) {
    const std::size_t at = json.find("\"failures\":");
    return json.substr(at, json.find(",\"delay\":") - at);
}

TEST(StationState, ShowsTheUnit) {
    test::Rig rig;
    rig.s.LoopPO2 = 0.7125;
    rig.s.Depth = 18;
    rig.s.CounterlungVolume = 62.5;
    rig.s.ActiveSetpoint = 1.3;
    rig.s.HandsetPO2 = "1.28";
    rig.left.CellPO2 = {0, 1.25, 1.3, 0.5};
    rig.left.IsMaster = 1;
    rig.sim.view().element("Label14").setText("MASTER   0.7          1.00         1.00");
    // Every field, in its order, byte for byte.
    expectMatchesGoldenFile(stationStateJson(rig.sim, {true, 5, "cell-drift"}) + "\n",
                            "station-state.json");
}

TEST(StationState, OptionsWaitOutTheirDelayThenAreInForce) {
    test::Rig rig;
    rig.act(Verb::Check, "Options.Check4");
    rig.act(Verb::Set, "Options.Slider1", "2");
    rig.at(1000);
    rig.tap("Options.Command1");
    rig.at(31'000);
    EXPECT_EQ(optionsPart(stationStateJson(rig.sim, {})),
              R"("failures":[],"ticked":[4],"pending":{"set":[4],"clear":[],"inSeconds":90})");
    rig.at(121'010);
    EXPECT_EQ(optionsPart(stationStateJson(rig.sim, {})),
              R"("failures":[4],"ticked":[4],"pending":null)");

    // Clearing waits too: the box in force, to be cleared.
    rig.act(Verb::Uncheck, "Options.Check4");
    rig.tap("Options.Command1");
    EXPECT_EQ(optionsPart(stationStateJson(rig.sim, {})),
              R"("failures":[4],"ticked":[],"pending":{"set":[],"clear":[4],"inSeconds":120})");
}

TEST(StationState, TheLastWarningsOfTheLastTwoMinutes) {
    test::Rig rig;
    RecordTable& table = rig.sim.recording().table();
    rig.s.RecordIndex = 300;
    const std::pair<int, const char*> statuses[] = {
        {100, "Warning: High O2"},  // older than two minutes: left out
        {190, "Warning: Low O2"},  {200, "Options Changed"}, {210, "Warning: Cell Warning"},
        {220, "Warning: Low O2"},  {230, "Warning: Low O2"}, {240, "Warning: Low O2"},
        {300, "Warning: High O2"},
    };
    for (const auto& [row, text] : statuses)
        table.row(row)[kStatusColumn] = std::string(text);
    std::string shown;
    for (const StationWarning& warning : recentWarnings(rig.sim))
        shown += std::to_string(warning.second) + " " + warning.text + "; ";
    EXPECT_EQ(shown, "210 Cell Warning; 220 Low O2; 230 Low O2; 240 Low O2; 300 High O2; ");
}

TEST(StationState, WelcomeAndRefusal) {
    const std::string welcome = stationWelcomeJson({"cell-drift", "handset-flood"});
    EXPECT_EQ(welcome.substr(welcome.find("\"longestDelay\"")),
              R"("longestDelay":15,"drills":["cell-drift","handset-flood"]})");
    EXPECT_NE(welcome.find("{\"number\":4,\"frame\":\"Cells\",\"caption\":\"Cell Drift\","
                           "\"tooltip\":\"A cells output starts to drop\"}"),
              std::string::npos);
    EXPECT_EQ(stationRefusalJson("wrong \"code\""),
              "{\"type\":\"refused\",\"error\":\"wrong \\\"code\\\"\"}");
}

}  // namespace
}  // namespace loopsim
