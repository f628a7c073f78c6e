// The solenoid's click-hiss lasts exactly as long as a firing: the controller sets the
// stop tick's interval to the firing time and enables it, and the tick stops channel 7
// once and switches itself off.
#pragma once

#include "core/SimContext.h"

namespace loopsim {

class SolenoidSound {
  public:
    explicit SolenoidSound(SimContext& context);

    // MakeNoiseSolenoidTimer, a one-shot.
    void solenoidSoundStopTick();

  private:
    SimContext& context_;
};

}  // namespace loopsim
