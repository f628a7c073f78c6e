#include "station/StationState.h"

#include <algorithm>

#include "core/Elements.h"
#include "files/JsonWriter.h"
#include "handset/TwoLineDisplay.h"
#include "instructor/OptionsDialog.h"
#include "simulation/Simulation.h"

namespace loopsim {
namespace {

constexpr std::string_view kWarningPrefix = "Warning: ";
constexpr int kWarningSeconds = 120;

void writeDisplay(JsonWriter& json, const Simulation& simulation, const char* side,
                  const elements::HandsetElements& parts, const HandsetState& handset) {
    json.beginObject().key("side").value(side);
    json.key("on").value(handset.UnitOn == 1).key("master").value(handset.IsMaster == 1);
    // The display's text laid out on its two lines as the handset shows it.
    const ElementView* display = simulation.view().find(parts.display);
    const TwoLines lines = wrapOnTwoLines(display ? display->textOrEmpty() : std::string());
    json.key("lines").beginArray().value(lines.first).value(lines.second);
    json.endArray().endObject();
}

void writeBoxes(JsonWriter& json, std::uint32_t boxes) {
    json.beginArray();
    for (const OptionBox& box : optionBoxes()) {
        if (boxes & (1u << box.number))
            json.value(box.number);
    }
    json.endArray();
}

bool optionTickRunning(const Simulation& simulation) {
    for (const SimTimer& timer : simulation.clock().timers()) {
        if (timer.name() == "OptionTimer")
            return timer.enabled();
    }
    return false;
}

}  // namespace

std::vector<StationWarning> recentWarnings(const Simulation& simulation) {
    std::vector<StationWarning> warnings;
    const int last = std::min(simulation.state().RecordIndex, RecordTable::kLastRow);
    for (int row = last; row >= 0 && row > last - kWarningSeconds; --row) {
        const auto* status =
            std::get_if<std::string>(&simulation.recording().table().row(row)[kStatusColumn]);
        if (!status || !status->starts_with(kWarningPrefix))
            continue;
        warnings.push_back({row, status->substr(kWarningPrefix.size())});
        if (static_cast<int>(warnings.size()) == kStationWarningsShown)
            break;
    }
    std::reverse(warnings.begin(), warnings.end());
    return warnings;
}

std::string stationStateJson(const Simulation& simulation, const StationClock& clock) {
    const SimulationState& s = simulation.state();
    JsonWriter json;
    json.beginObject().key("type").value("state");
    json.key("t").value(static_cast<double>(simulation.now()));
    json.key("paused").value(clock.paused).key("speed").value(clock.speed);
    json.key("drill");
    if (clock.drill)
        json.value(*clock.drill);
    else
        json.null();

    json.key("handsets").beginArray();
    writeDisplay(json, simulation, "left", elements::kLeftHandset, s.LeftHandset);
    writeDisplay(json, simulation, "right", elements::kRightHandset, s.RightHandset);
    json.endArray();

    const bool rightLeads = s.RightHandset.IsMaster == 1 && s.LeftHandset.IsMaster != 1;
    const HandsetState& leading = rightLeads ? s.RightHandset : s.LeftHandset;
    json.key("loopPO2").value(s.LoopPO2);
    json.key("handsetPO2").value(s.HandsetPO2);
    json.key("cells").beginArray();
    for (int cell = 1; cell <= 3; ++cell)
        json.value(leading.CellPO2[static_cast<std::size_t>(cell)]);
    json.endArray();
    json.key("setpoint").value(s.ActiveSetpoint);
    json.key("depth").value(s.Depth);
    json.key("counterlung").value(s.CounterlungVolume);
    json.key("mouthpiece").value(text(s.Mouthpiece));
    json.key("bailedOut").value(simulation.dialogs().isOpen("Bailout"));

    // The options as last applied are in force; boxes that differ wait for the delay.
    const OptionsDialog& options = simulation.optionsDialog();
    json.key("failures");
    writeBoxes(json, options.appliedBoxes());
    std::uint32_t ticked = 0;
    for (const OptionBox& box : optionBoxes()) {
        if (options.isTicked(box.number))
            ticked |= 1u << box.number;
    }
    // The boxes as the options window shows them now, applied or not.
    json.key("ticked");
    writeBoxes(json, ticked);
    json.key("pending");
    if (optionTickRunning(simulation)) {
        const Millis strikes =
            static_cast<Millis>(s.OptionsSetTime) + Millis{options.delayMinutes()} * 60'000;
        json.beginObject().key("set");
        writeBoxes(json, ticked & ~options.appliedBoxes());
        json.key("clear");
        writeBoxes(json, options.appliedBoxes() & ~ticked);
        json.key("inSeconds")
            .value(static_cast<double>(std::max<Millis>(0, strikes - simulation.now()) / 1000));
        json.endObject();
    } else {
        json.null();
    }
    json.key("delay").value(options.delayMinutes());

    json.key("warnings").beginArray();
    for (const StationWarning& warning : recentWarnings(simulation))
        json.beginObject()
            .key("second")
            .value(warning.second)
            .key("text")
            .value(warning.text)
            .endObject();
    json.endArray();
    json.endObject();
    return json.text();
}

std::string stationWelcomeJson(const std::vector<std::string>& drills) {
    JsonWriter json;
    json.beginObject().key("type").value("welcome");
    json.key("options").beginArray();
    for (const OptionBox& box : optionBoxes()) {
        json.beginObject().key("number").value(box.number).key("frame").value(box.frame);
        json.key("caption").value(box.caption).key("tooltip").value(box.tooltip).endObject();
    }
    json.endArray();
    json.key("longestDelay").value(OptionsDialog::kLongestDelay);
    json.key("drills").beginArray();
    for (const std::string& drill : drills)
        json.value(drill);
    json.endArray().endObject();
    return json.text();
}

std::string stationRefusalJson(const std::string& error) {
    JsonWriter json;
    json.beginObject().key("type").value("refused").key("error").value(error).endObject();
    return json.text();
}

}  // namespace loopsim
