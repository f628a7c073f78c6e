// What every subsystem is given: the one state record and the services around it. A
// subsystem keeps a reference to its context; the Simulation that owns them outlives it.
#pragma once

#include "core/Dialogs.h"
#include "core/InputRouter.h"
#include "core/Random.h"
#include "core/Recording.h"
#include "core/SimClock.h"
#include "core/SimulationState.h"
#include "core/SoundChannels.h"
#include "core/ViewModel.h"

namespace loopsim {

struct SimContext {
    SimulationState& state;
    SimClock& clock;
    ViewModel& view;
    SoundChannels& sound;
    Recording& recording;
    Random& random;
    InputRouter& input;
    Dialogs& dialogs;
};

}  // namespace loopsim
