#include "export/Uddf.h"

#include <algorithm>

#include "debrief/Markup.h"
#include "export/ExportText.h"

namespace loopsim {
namespace {

struct Mix {
    const char* id;
    const char* name;
};
constexpr Mix kMixes[kCylinderCount] = {
    {"diluent", "Diluent (air)"}, {"oxygen", "Oxygen"}, {"bailout", "Bail-out (air)"}};

constexpr int kPascalPerCentibar = 1000;

const Mix& breathedMix(const ExportedSample& sample) {
    return kMixes[static_cast<int>(sample.openCircuit ? Cylinder::Bailout : Cylinder::Diluent)];
}

// The trainee, with the unit and its oxygen sensors as the equipment.
void appendDiver(std::string& out, const ExportedDive& dive) {
    const std::string unit = escapeMarkup(kRecordingTitle);
    out +=
        "  <diver>\n"
        "    <owner id=\"trainee\">\n"
        "      <personal>\n"
        "        <firstname>Trainee</firstname>\n"
        "        <lastname></lastname>\n"
        "      </personal>\n"
        "      <equipment>\n"
        "        <rebreather id=\"unit\">\n"
        "          <name>" +
        unit + "</name>\n";
    for (int sensor = 1; sensor <= dive.sensorCount; ++sensor) {
        const std::string number = std::to_string(sensor);
        out += "          <o2sensor id=\"sensor" + number + "\"><name>" +
               (dive.sensorCount == 1 ? std::string("Handset PO2 (voted)") : "Cell " + number) +
               "</name></o2sensor>\n";
    }
    out +=
        "        </rebreather>\n"
        "      </equipment>\n"
        "    </owner>\n"
        "  </diver>\n";
}

// A share of a whole in hundredths: 21 gives 0.21, 100 gives 1.00.
void appendFraction(std::string& out, const char* element, int percent) {
    out += std::string("      <") + element + ">";
    appendScaled(out, percent, 2);
    out += std::string("</") + element + ">\n";
}

void appendMixes(std::string& out, const ExportedDive& dive) {
    out += "  <gasdefinitions>\n";
    for (int index = 0; index < kCylinderCount; ++index) {
        const int oxygen = dive.oxygenPercentOf(static_cast<Cylinder>(index));
        out += std::string("    <mix id=\"") + kMixes[index].id + "\">\n" + "      <name>" +
               kMixes[index].name + "</name>\n";
        appendFraction(out, "o2", oxygen);
        appendFraction(out, "n2", 100 - oxygen);
        out += "    </mix>\n";
    }
    out += "  </gasdefinitions>\n";
}

void appendWaypoint(std::string& out, const ExportedDive& dive, const ExportedSample& sample,
                    const ExportedSample* previous) {
    out += "          <waypoint><depth>";
    appendScaled(out, sample.depthDecimetres, 1);
    out += "</depth><divetime>" + std::to_string(sample.seconds) + "</divetime>";
    if (!previous || previous->setpointCentibar != sample.setpointCentibar)
        out += "<setpo2 setby=\"user\">" +
               std::to_string(sample.setpointCentibar * kPascalPerCentibar) + "</setpo2>";
    if (!previous || previous->openCircuit != sample.openCircuit)
        out += std::string("<switchmix ref=\"") + breathedMix(sample).id + "\"/><divemode type=\"" +
               (sample.openCircuit ? "opencircuit" : "closedcircuit") + "\"/>";
    if (sample.sensorCentibar) {
        for (int sensor = 0; sensor < dive.sensorCount; ++sensor) {
            const int centibar = (*sample.sensorCentibar)[static_cast<std::size_t>(sensor)];
            out += "<measuredpo2 ref=\"sensor" + std::to_string(sensor + 1) + "\">" +
                   std::to_string(centibar * kPascalPerCentibar) + "</measuredpo2>";
        }
    }
    out += "</waypoint>\n";
}

void appendDive(std::string& out, const ExportedDive& dive) {
    const CalendarTime& start = dive.start;
    out +=
        "  <profiledata>\n"
        "    <repetitiongroup id=\"group1\">\n"
        "      <dive id=\"dive1\">\n"
        "        <informationbeforedive>\n"
        "          <datetime>" +
        dateText(start.year, start.month, start.day) + "T" +
        clockText(start.hour, start.minute, start.second) +
        "</datetime>\n"
        "          <apparatus>rebreather</apparatus>\n"
        "        </informationbeforedive>\n";
    int greatestDepth = 0;
    if (!dive.samples.empty()) {
        out += "        <samples>\n";
        const ExportedSample* previous = nullptr;
        for (const ExportedSample& sample : dive.samples) {
            appendWaypoint(out, dive, sample, previous);
            greatestDepth = std::max(greatestDepth, sample.depthDecimetres);
            previous = &sample;
        }
        out += "        </samples>\n";
    }
    out +=
        "        <informationafterdive>\n"
        "          <greatestdepth>";
    appendScaled(out, greatestDepth, 1);
    out +=
        "</greatestdepth>\n"
        "          <notes><para>" +
        escapeMarkup(dive.notes) +
        "</para></notes>\n"
        "          <diveduration>" +
        std::to_string(dive.durationSeconds) +
        "</diveduration>\n"
        "        </informationafterdive>\n"
        "      </dive>\n"
        "    </repetitiongroup>\n"
        "  </profiledata>\n";
}

}  // namespace

std::string uddfXml(const ExportedDive& dive) {
    std::string out;
    out.reserve(2048 + dive.samples.size() * 200);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += std::string("<uddf xmlns=\"") + kUddfNamespace + "\" version=\"3.2.3\">\n";
    out +=
        "  <generator>\n"
        "    <name>" +
        escapeMarkup(kRecordingTitle) +
        "</name>\n"
        "  </generator>\n";
    appendDiver(out, dive);
    appendMixes(out, dive);
    appendDive(out, dive);
    out += "</uddf>\n";
    return out;
}

}  // namespace loopsim
