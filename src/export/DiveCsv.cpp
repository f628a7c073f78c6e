#include "export/DiveCsv.h"

#include "export/ExportText.h"

namespace loopsim {
namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr const char* kSensorTitles[] = {"Sample sensor1 pO\u2082", "Sample sensor2 pO\u2082",
                                         "Sample sensor3 pO\u2082"};

}  // namespace

std::string diveCsv(const ExportedDive& dive) {
    std::string out;
    out.reserve(128 + dive.samples.size() * 32);
    out += "Sample time,Sample depth";
    for (int sensor = 0; sensor < dive.sensorCount; ++sensor)
        out += std::string(",") + kSensorTitles[sensor];
    out += ",Sample setpoint";
    out += kLineEnd;
    for (const ExportedSample& sample : dive.samples) {
        out += std::to_string(sample.seconds);
        out += ',';
        appendScaled(out, sample.depthDecimetres, 1);
        for (int sensor = 0; sensor < dive.sensorCount; ++sensor) {
            out += ',';
            if (sample.sensorCentibar)
                appendScaled(out, (*sample.sensorCentibar)[static_cast<std::size_t>(sensor)], 2);
        }
        out += ',';
        appendScaled(out, sample.setpointCentibar, 2);
        out += kLineEnd;
    }
    return out;
}

}  // namespace loopsim
