#pragma once

#include "core/SimContext.h"

namespace loopsim {

// The cylinder valves, the manual addition buttons, the ADV enable box and its button, the
// dump valve, and the free flows and leaks.
class GasSupply {
  public:
    explicit GasSupply(SimContext& context);

  private:
    // The ADV's push button shows exactly while the box is ticked.
    void advBoxClicked();

    SimContext& context_;
    ElementView& advOn_;
    ElementView& advButton_;
};

}  // namespace loopsim
