// The counterlung gauge: a bar of fixed height whose empty part a cover hides, so the
// visible part shows how full the counterlungs are.
#pragma once

#include "core/ViewModel.h"

namespace loopsim {

inline constexpr int kGaugeHeight = 4800;  // in layout units

// The height of the cover that hides the empty part of the counterlung gauge.
int volumeBarCoverHeight(double counterlungVolume);
// Sets the cover of the gauge (the ClungVolBar element) for the volume.
void drawVolumeBar(ElementView& cover, double counterlungVolume);

}  // namespace loopsim
