#include "electronics/SolenoidSound.h"

namespace loopsim {

SolenoidSound::SolenoidSound(SimContext& context) : context_(context) {
    context.clock.timer("MakeNoiseSolenoidTimer").setHandler([this] { solenoidSoundStopTick(); });
}

void SolenoidSound::solenoidSoundStopTick() {
    context_.sound.stop(7);
    context_.clock.timer("MakeNoiseSolenoidTimer").setEnabled(false);
}

}  // namespace loopsim
