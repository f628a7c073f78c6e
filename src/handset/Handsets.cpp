#include "handset/Handsets.h"

#include "handset/Calibration.h"
#include "handset/DisplayCycle.h"
#include "handset/Handset.h"
#include "handset/HandsetButtons.h"
#include "handset/PowerSwitch.h"
#include "handset/TwoButtonPresses.h"

namespace loopsim {

struct Handsets::Unit {
    Unit(SimContext& context, const HandsetSide& side)
        : handset(context, side),
          calibration(handset),
          displayCycle(handset, calibration),
          powerSwitch(handset),
          buttons(handset),
          twoButtonPresses(handset) {}

    Handset handset;
    Calibration calibration;
    DisplayCycle displayCycle;
    PowerSwitch powerSwitch;
    HandsetButtons buttons;
    TwoButtonPresses twoButtonPresses;
};

Handsets::Handsets(SimContext& context)
    : left_(std::make_unique<Unit>(context, kLeftSide)),
      right_(std::make_unique<Unit>(context, kRightSide)) {}

Handsets::~Handsets() = default;

}  // namespace loopsim
