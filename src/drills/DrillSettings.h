// The stored settings a drilled session starts from, in the window as in the runner.
#pragma once

#include "core/SettingsStore.h"
#include "drills/Drill.h"

namespace loopsim {

// The stored ones (the user's, or a run's settings file), with the drill's in place of the
// same keys.
MemorySettingsStore drillStartSettings(const SettingsStore& stored, const Drill& drill);

}  // namespace loopsim
