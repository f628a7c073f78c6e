#include "loop/CounterlungGauge.h"

#include <algorithm>

namespace loopsim {

int volumeBarCoverHeight(double counterlungVolume) {
    const double height = kGaugeHeight - 48 * counterlungVolume;
    return static_cast<int>(std::clamp(height, 0.0, static_cast<double>(kGaugeHeight)));
}

void drawVolumeBar(ElementView& cover, double counterlungVolume) {
    cover.setHeight(volumeBarCoverHeight(counterlungVolume));
}

}  // namespace loopsim
