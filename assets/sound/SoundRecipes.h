// One function per sound file. Beeps come from the handsets' piezo sounder; gas sounds are
// shaped noise. Loops are built to repeat seamlessly (see Synth.h).
#pragma once

#include "Synth.h"

namespace loopsim::assets {

StereoSignal buttonClick();
StereoSignal turnOnBeep();
StereoSignal doubleBeep();
StereoSignal alarmWarble();
StereoSignal lowOxygenAlert();

StereoSignal shortHiss();
StereoSignal longHiss();
StereoSignal longThinHiss();
StereoSignal injectorLoop();
StereoSignal injectorShortLoop();
StereoSignal bubbles();

}  // namespace loopsim::assets
