// The two handsets: for each side its record and elements, the display cycle with the
// calibration, the power switch, the buttons and the two-button areas. The Simulation owns
// one of these; it registers every handset element and timer handler it builds.
#pragma once

#include <memory>

#include "core/SimContext.h"

namespace loopsim {

class Handsets {
  public:
    explicit Handsets(SimContext& context);
    ~Handsets();
    Handsets(const Handsets&) = delete;
    Handsets& operator=(const Handsets&) = delete;

  private:
    struct Unit;
    std::unique_ptr<Unit> left_;
    std::unique_ptr<Unit> right_;
};

}  // namespace loopsim
