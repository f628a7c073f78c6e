// The unit's electronics: the cells, the PO2 controller with its solenoid sound, the
// setpoint and switch-off ticks, the warnings and the failure injection. Constructing it
// attaches each part's handlers to its timers.
#pragma once

#include "core/SimContext.h"
#include "electronics/CellModel.h"
#include "electronics/FailureInjection.h"
#include "electronics/PO2Controller.h"
#include "electronics/SetpointAndSwitchOff.h"
#include "electronics/SolenoidSound.h"
#include "electronics/Warnings.h"

namespace loopsim {

class Electronics {
  public:
    Electronics(SimContext& context, OptionsDialog& options)
        : cells_(context),
          controller_(context),
          solenoidSound_(context),
          setpointAndSwitchOff_(context),
          warnings_(context),
          failureInjection_(context, options) {}

  private:
    CellModel cells_;
    PO2Controller controller_;
    SolenoidSound solenoidSound_;
    SetpointAndSwitchOff setpointAndSwitchOff_;
    Warnings warnings_;
    FailureInjection failureInjection_;
};

}  // namespace loopsim
