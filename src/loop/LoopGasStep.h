#pragma once

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
    SimContext& context_;
    ElementView& label16_;
    ElementView& label1_;
    ElementView& label2_;
    ElementView& frame6_;
    ElementView& label3_;
    ElementView& frame7_;
    ElementView& shape3_;
    ElementView& clungVolBar_;
    ElementView& advOn_;
};

}  // namespace loopsim
