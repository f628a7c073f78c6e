#pragma once

#include <limits>
#include <string>

#include "core/SimContext.h"

namespace loopsim {

// The loop-gas step, every 503 ms: readouts, the physical limit on LoopPO2, the panel
// titles, the counterlung gauge's colours, the automatic diluent valve or venting of an
// over-full loop, and the volume bar.
class LoopGasStep {
  public:
    explicit LoopGasStep(SimContext& context);

    Process loopGasStep();

  private:
    // The ambient pressure in bar changes only with the depth: its text is kept until then.
    const std::string& pressureText(double pressure);

    SimContext& context_;
    ElementView& loopPO2_;
    ElementView& depthReadout_;
    ElementView& pressureReadout_;
    ElementView& pressureFrame_;
    ElementView& analysisReadout_;
    ElementView& analysisFrame_;
    ElementView& gauge_;
    ElementView& gaugeCover_;
    ElementView& advBox_;
    double textPressure_ = std::numeric_limits<double>::quiet_NaN();
    std::string pressureText_;
};

}  // namespace loopsim
