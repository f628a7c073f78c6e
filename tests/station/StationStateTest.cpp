// What the instructor station shows of the unit: the state message field by field, the
// options waiting out their delay, and the last warnings from the recording.
#include <gtest/gtest.h>

#include "GoldenFile.h"
#include "SimulationRig.h"
#include "station/StationState.h"

namespace loopsim {
namespace {

// The text between "key": and the next field.
std::string field(const std::string& json, const std::string& key) {
    const std::string start = "\"" + key + "\":";
    const std::size_t at = json.find(start);
    if (at == std::string::npos)
        return "(missing)";
    std::size_t end = at + start.size();
    int depth = 0;
    for (; end < json.size(); ++end) {
        const char c = json[end];
        if (c == '[' || c == '{')
            ++depth;
        else if ((c == ']' || c == '}') && depth-- == 0)
            break;
        else if (c == ',' && depth == 0)
            break;
    }
    return json.substr(at + start.size(), end - at - start.size());
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
    std::string json = stationStateJson(rig.sim, {});
    EXPECT_EQ(field(json, "ticked"), "[4]");
    EXPECT_EQ(field(json, "pending"), "{\"set\":[4],\"clear\":[],\"inSeconds\":90}");
    EXPECT_EQ(field(json, "failures"), "[]");
    rig.at(121'010);
    json = stationStateJson(rig.sim, {});
    EXPECT_EQ(field(json, "pending"), "null");
    EXPECT_EQ(field(json, "failures"), "[4]");

    // Clearing waits too: the box in force, to be cleared.
    rig.act(Verb::Uncheck, "Options.Check4");
    rig.tap("Options.Command1");
    json = stationStateJson(rig.sim, {});
    EXPECT_EQ(field(json, "pending"), "{\"set\":[],\"clear\":[4],\"inSeconds\":120}");
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
    EXPECT_EQ(field(welcome, "drills"), "[\"cell-drift\",\"handset-flood\"]");
    EXPECT_EQ(field(welcome, "longestDelay"), "15");
    EXPECT_NE(welcome.find("{\"number\":4,\"frame\":\"Cells\",\"caption\":\"Cell Drift\","
                           "\"tooltip\":\"A cells output starts to drop\"}"),
              std::string::npos);
    EXPECT_EQ(stationRefusalJson("wrong \"code\""),
              "{\"type\":\"refused\",\"error\":\"wrong \\\"code\\\"\"}");
}

}  // namespace
}  // namespace loopsim
