// The two delayed actions of the handset buttons: the setpoint change (the master's middle
// button held for two seconds) and the switch-off by menu (two buttons held for a second).
// Both ticks act once and switch themselves off. A master switched off while the other
// handset waits on its slave main screen hands over to it.
#pragma once

#include <string>

#include "core/SimContext.h"

namespace loopsim {

class SetpointAndSwitchOff {
  public:
    explicit SetpointAndSwitchOff(SimContext& context);

    // SetPointTimer, 2000 ms after the middle button went down.
    void setpointTick();
    // SwitchOffTimer, 1000 ms after two buttons went down.
    void switchOffTick();

  private:
    struct Side {
        HandsetState& handset;
        HandsetState& other;
        const char* picture;      // the handset picture element
        ElementView& display;     // the handset's display text
        const char* displayTick;  // the handset's display cycle timer
    };
    Side left();
    Side right();
    void switchSetpoint(const Side& side);
    void switchOff(const Side& side);

    SimContext& context_;
};

}  // namespace loopsim
