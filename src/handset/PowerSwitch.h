// A handset's hardware on/off switch and the end of its display backlight. Switching on
// only makes the handset ready (its left button then starts the electronics); switching
// off stops the electronics at once and hands the master role to a running slave.
#pragma once

#include "handset/Handset.h"

namespace loopsim {

class PowerSwitch {
  public:
    explicit PowerSwitch(Handset& handset);

    void switchClicked();
    void backlightTick();

  private:
    void switchOn();
    void switchOff();

    Handset& handset_;
};

}  // namespace loopsim
