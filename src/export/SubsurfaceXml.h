// Subsurface's own XML (.ssrf), the one way into that logbook that carries the three cells,
// the setpoint, the closed-circuit cylinders, the bail-out and named events. A sample
// attribute left out repeats the previous sample's value, so the cells and the setpoint are
// written only when they change; the depth is written in every sample.
#pragma once

#include <string>

#include "export/ExportedDive.h"

namespace loopsim {

// Subsurface's event type of a gas switch whose value is the new gas's oxygen percent.
inline constexpr int kGasChangeEventType = 11;

std::string subsurfaceXml(const ExportedDive& dive);

// The dive computer's id: eight hex digits made from its model name, the same in every export.
std::string deviceId(std::string_view model);

}  // namespace loopsim
