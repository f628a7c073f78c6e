// The plain fallback: one line a second with the column titles Subsurface's CSV import knows
// ("Sample time" in whole seconds, "Sample depth" in metres, the sensors' PO2 and the
// setpoint in bar). Every line carries every value; a sensor with no reading is left empty.
// Lines end in CR LF.
#pragma once

#include <string>

#include "export/ExportedDive.h"

namespace loopsim {

std::string diveCsv(const ExportedDive& dive);

}  // namespace loopsim
