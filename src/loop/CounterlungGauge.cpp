#include "loop/CounterlungGauge.h"

#include <algorithm>

#include "core/Elements.h"

namespace loopsim {

int volumeBarCoverHeight(double counterlungVolume) {
    const double height = kGaugeHeight - 48 * counterlungVolume;
    return static_cast<int>(std::clamp(height, 0.0, static_cast<double>(kGaugeHeight)));
}

void drawVolumeBar(SimContext& context) {
    context.view.element(elements::kCounterlungCover)
        .setHeight(volumeBarCoverHeight(context.state.CounterlungVolume));
}

}  // namespace loopsim
