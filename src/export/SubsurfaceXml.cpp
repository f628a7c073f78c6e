#include "export/SubsurfaceXml.h"

#include <cstdint>
#include <cstdio>

#include "debrief/Markup.h"
#include "export/ExportText.h"

namespace loopsim {
namespace {

constexpr const char* kCylinderUse[kCylinderCount] = {"diluent", "oxygen", nullptr};

void appendCylinders(std::string& out, const ExportedDive& dive) {
    for (int index = 0; index < kCylinderCount; ++index) {
        const auto cylinder = static_cast<Cylinder>(index);
        out += "  <cylinder o2='";
        appendScaled(out, dive.oxygenPercentOf(cylinder) * 10, 1);
        out += "%'";
        if (const char* use = kCylinderUse[index])
            out += std::string(" use='") + use + "'";
        out += " />\n";
    }
}

void appendEvent(std::string& out, const ExportedDive& dive, const ExportedEvent& event) {
    out += "    <event time='";
    appendMinutes(out, event.seconds);
    out += "'";
    if (event.switchTo) {
        out += " type='" + std::to_string(kGasChangeEventType) + "' value='" +
               std::to_string(dive.oxygenPercentOf(*event.switchTo)) +
               "' name='gaschange' cylinder='" + std::to_string(static_cast<int>(*event.switchTo)) +
               "'";
    } else {
        out += " name='" + escapeMarkup(event.name) + "'";
    }
    out += " />\n";
}

void appendBar(std::string& out, const char* name, int centibar) {
    out += ' ';
    out += name;
    out += "='";
    appendScaled(out, centibar, 2);
    out += " bar'";
}

// What each sample attribute last said, for writing only what changed.
struct WrittenValues {
    std::array<int, 3> sensors{-1, -1, -1};
    int setpoint = -1;
};

void appendSample(std::string& out, const ExportedDive& dive, const ExportedSample& sample,
                  WrittenValues& written) {
    static constexpr const char* kSensorNames[] = {"sensor1", "sensor2", "sensor3"};
    out += "    <sample time='";
    appendMinutes(out, sample.seconds);
    out += "' depth='";
    appendScaled(out, sample.depthDecimetres, 1);
    out += " m'";
    if (sample.sensorCentibar) {
        for (int cell = 0; cell < dive.sensorCount; ++cell) {
            const int value = (*sample.sensorCentibar)[static_cast<std::size_t>(cell)];
            if (value != written.sensors[static_cast<std::size_t>(cell)])
                appendBar(out, kSensorNames[cell], value);
            written.sensors[static_cast<std::size_t>(cell)] = value;
        }
    }
    if (sample.setpointCentibar != written.setpoint)
        appendBar(out, "po2", sample.setpointCentibar);
    written.setpoint = sample.setpointCentibar;
    out += " />\n";
}

}  // namespace

std::string deviceId(std::string_view model) {
    std::uint32_t hash = 2166136261u;  // 32-bit FNV-1a
    for (char c : model) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    char text[16];
    std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(hash));
    return text;
}

std::string subsurfaceXml(const ExportedDive& dive) {
    std::string out;
    out.reserve(512 + dive.samples.size() * 96 + dive.events.size() * 64);
    out += "<divelog program='subsurface' version='3'>\n<dives>\n";
    out += "<dive number='1' date='" + dateText(dive.start.year, dive.start.month, dive.start.day) +
           "' time='" + clockText(dive.start.hour, dive.start.minute, dive.start.second) +
           "' duration='";
    appendMinutes(out, dive.durationSeconds);
    out += "'>\n  <notes>" + escapeMarkup(dive.notes) + "</notes>\n";
    appendCylinders(out, dive);
    out += "  <divecomputer model='" + escapeMarkup(kRecordingTitle) + "' deviceid='" +
           deviceId(kRecordingTitle) + "' dctype='CCR' no_o2sensors='" +
           std::to_string(dive.sensorCount) + "'>\n";
    for (const ExportedEvent& event : dive.events)
        appendEvent(out, dive, event);
    WrittenValues written;
    for (const ExportedSample& sample : dive.samples)
        appendSample(out, dive, sample, written);
    out += "  </divecomputer>\n</dive>\n</dives>\n</divelog>\n";
    return out;
}

}  // namespace loopsim
