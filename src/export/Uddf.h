// UDDF 3.2.3, the exchange format of other logbooks: the rebreather with its oxygen sensors,
// the three mixes, and one waypoint a second in SI units (metres, seconds, pascal). A
// waypoint's children keep the schema's order: depth, divetime, setpo2, switchmix, divemode,
// then one measuredpo2 per sensor. The setpoint, the mix and the dive mode are given where
// they take effect; the depth, the time and the sensors in every waypoint.
#pragma once

#include <string>

#include "export/ExportedDive.h"

namespace loopsim {

inline constexpr const char* kUddfNamespace = "http://www.streit.cc/uddf/3.2/";

std::string uddfXml(const ExportedDive& dive);

}  // namespace loopsim
