#pragma once

#include "core/SettingsStore.h"
#include "core/SimContext.h"

namespace loopsim {

// The load step: fills the fixed screen texts, reads the stored settings and sets every
// start value in the unit's order. Draws the cells' random parts from the context's
// generator, so it must run exactly once, before anything else draws.
void loadStartValues(SimContext& context, const SettingsStore* settings);

}  // namespace loopsim
