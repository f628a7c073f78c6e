#include "files/StateDump.h"

#include "core/Format.h"
#include "files/JsonWriter.h"

namespace loopsim {
namespace {

void writeColour(JsonWriter& json, const Rgb& colour) {
    json.beginArray().value(colour.red).value(colour.green).value(colour.blue).endArray();
}

void writeCells(JsonWriter& json, const CellValues& values) {
    json.beginArray().value(values[1]).value(values[2]).value(values[3]).endArray();
}

void writeHandset(JsonWriter& json, const HandsetState& h) {
    json.beginObject();
    json.key("UnitOn").value(h.UnitOn);
    json.key("CellPO2");
    writeCells(json, h.CellPO2);
    json.key("CellFactor");
    writeCells(json, h.CellFactor);
    json.key("OnMinutes").value(h.OnMinutes);
    json.key("HighSetpoint").value(h.HighSetpoint);
    json.key("LowSetpoint").value(h.LowSetpoint);
    json.key("IsMaster").value(h.IsMaster);
    json.key("SwitchOn").value(h.SwitchOn);
    json.key("Screen").value(h.Screen);
    json.key("Brightness").value(h.Brightness);
    json.key("BatteryVolts").value(h.BatteryVolts);
    json.endObject();
}

void writeState(JsonWriter& json, const SimulationState& s) {
    json.key("Depth").value(s.Depth);
    json.key("DepthStep").value(s.DepthStep);
    json.key("AmbientPressure").value(s.AmbientPressure);
    json.key("OxygenAnalysis").value(s.OxygenAnalysis);
    json.key("MetabolicRate").value(s.MetabolicRate);
    json.key("LoopPO2").value(s.LoopPO2);
    json.key("CounterlungVolume").value(s.CounterlungVolume);
    json.key("LoopCapacity").value(s.LoopCapacity);
    json.key("OxygenValve").value(text(s.OxygenValve));
    json.key("DiluentValve").value(text(s.DiluentValve));
    json.key("SolenoidState").value(text(s.SolenoidState));
    json.key("Mouthpiece").value(text(s.Mouthpiece));
    json.key("Breathing").value(s.Breathing);
    json.key("ScrubberMinutes").value(s.ScrubberMinutes);
    json.key("AdvFailed").value(s.AdvFailed);
    json.key("AdvFreeFlow").value(s.AdvFreeFlow);
    json.key("OxygenInjectorFailed").value(s.OxygenInjectorFailed);
    json.key("OxygenInjectorStuckOn").value(s.OxygenInjectorStuckOn);
    json.key("DiluentInjectorFailed").value(s.DiluentInjectorFailed);
    json.key("DiluentInjectorStuckOn").value(s.DiluentInjectorStuckOn);
    json.key("OxygenButtonMissing").value(s.OxygenButtonMissing);
    json.key("DiluentButtonMissing").value(s.DiluentButtonMissing);
    json.key("DumpValveFailed").value(s.DumpValveFailed);
    json.key("DarkAtDepth").value(s.DarkAtDepth);
    json.key("SlowCell").value(s.SlowCell);
    json.key("CellDrift");
    writeCells(json, s.CellDrift);
    json.key("OxygenCells").beginArray();
    for (int cell = 1; cell <= 3; ++cell) {
        const OxygenCell& c = s.OxygenCells[static_cast<std::size_t>(cell)];
        json.beginObject();
        json.key("AirMillivolts").value(c.AirMillivolts);
        json.key("Millivolts").value(c.Millivolts);
        json.key("OffsetMillivolts").value(c.OffsetMillivolts);
        json.endObject();
    }
    json.endArray();
    json.key("ActiveSetpoint").value(s.ActiveSetpoint);
    // The voted PO2 is kept as its display text; a dump gives the number (null before the
    // first vote).
    json.key("HandsetPO2");
    if (auto handsetPO2 = parseNumber(s.HandsetPO2))
        json.value(*handsetPO2);
    else
        json.null();
    json.key("CellSpread").value(s.CellSpread);
    json.key("DisplayColour");
    writeColour(json, s.DisplayColour);
    json.key("SoundEnabled").value(s.SoundEnabled);
    json.key("DrawnCell").value(s.DrawnCell);
    json.key("SetpointSide").value(s.SetpointSide);
    json.key("SwitchOffSide").value(s.SwitchOffSide);
    json.key("OptionsSetTime").value(static_cast<double>(s.OptionsSetTime));
    json.key("LeftHandset");
    writeHandset(json, s.LeftHandset);
    json.key("RightHandset");
    writeHandset(json, s.RightHandset);
    json.key("CalPressure").value(s.CalPressure);
    json.key("CalOxygenPercent").value(s.CalOxygenPercent);
    json.key("CalibrationCount").value(s.CalibrationCount);
    json.key("FailedCell").value(s.FailedCell);
    json.key("RecordIndex").value(s.RecordIndex);
    json.key("DisclaimerAccepted").value(s.DisclaimerAccepted);
}

void writeElement(JsonWriter& json, const ElementView& e) {
    json.beginObject();
    if (e.text())
        json.key("text").value(*e.text());
    if (e.visible())
        json.key("visible").value(*e.visible());
    if (e.picture())
        json.key("picture").value(*e.picture());
    if (e.fill()) {
        json.key("fill");
        writeColour(json, *e.fill());
    }
    if (e.border()) {
        json.key("border");
        writeColour(json, *e.border());
    }
    if (e.borderWidth())
        json.key("borderWidth").value(*e.borderWidth());
    if (e.height())
        json.key("height").value(*e.height());
    if (e.left())
        json.key("left").value(*e.left());
    if (e.top())
        json.key("top").value(*e.top());
    if (e.width())
        json.key("width").value(*e.width());
    if (e.checked())
        json.key("checked").value(*e.checked());
    if (e.value())
        json.key("value").value(*e.value());
    if (e.tag())
        json.key("tag").value(*e.tag());
    json.endObject();
}

}  // namespace

std::string stateDumpJson(const Simulation& simulation, const std::vector<SoundCall>& sounds) {
    JsonWriter json;
    json.beginObject();
    json.key("t").value(static_cast<double>(simulation.now()));
    writeState(json, simulation.state());

    json.key("Timers").beginObject();
    for (const SimTimer& timer : simulation.clock().timers()) {
        json.key(timer.name()).beginObject();
        json.key("enabled").value(timer.enabled());
        json.key("interval").value(timer.interval());
        json.endObject();
    }
    json.endObject();

    json.key("Elements").beginObject();
    for (const auto& [name, element] : simulation.view().elements()) {
        json.key(name);
        writeElement(json, element);
    }
    json.endObject();

    json.key("Sounds").beginArray();
    for (const SoundCall& call : sounds) {
        json.beginObject();
        json.key("t").value(static_cast<double>(call.time));
        json.key("op").value(call.isPlay ? "play" : "stop");
        json.key("channel").value(call.channel);
        json.key("file").value(call.file);
        json.endObject();
    }
    json.endArray();

    json.key("Prompt");
    if (const auto& prompt = simulation.dialogs().prompt()) {
        json.beginObject();
        json.key("prompt").value(prompt->prompt);
        json.key("title").value(prompt->title);
        json.key("default").value(prompt->defaultText);
        json.endObject();
    } else {
        json.null();
    }
    json.key("Dialogs").beginArray();
    for (const std::string& name : simulation.dialogs().openDialogs())
        json.value(name);
    json.endArray();

    json.endObject();
    return json.text();
}

}  // namespace loopsim
