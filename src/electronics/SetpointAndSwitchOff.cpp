#include "electronics/SetpointAndSwitchOff.h"

#include "core/Elements.h"
#include "electronics/DisplayLines.h"

namespace loopsim {

SetpointAndSwitchOff::SetpointAndSwitchOff(SimContext& context) : context_(context) {
    context.clock.timer("SetPointTimer").setHandler([this] { setpointTick(); });
    context.clock.timer("SwitchOffTimer").setHandler([this] { switchOffTick(); });
}

SetpointAndSwitchOff::Side SetpointAndSwitchOff::left() {
    SimulationState& s = context_.state;
    return {s.LeftHandset, s.RightHandset, elements::kLeftHandset.picture,
            context_.view.element(elements::kLeftHandset.display), "Timer8"};
}

SetpointAndSwitchOff::Side SetpointAndSwitchOff::right() {
    SimulationState& s = context_.state;
    return {s.RightHandset, s.LeftHandset, elements::kRightHandset.picture,
            context_.view.element(elements::kRightHandset.display), "Timer9"};
}

void SetpointAndSwitchOff::setpointTick() {
    context_.clock.timer("SetPointTimer").setEnabled(false);
    const SimulationState& s = context_.state;
    if (s.SetpointSide == "L" && s.LeftHandset.Screen == kMasterMainScreen)
        switchSetpoint(left());
    else if (s.SetpointSide == "R" && s.RightHandset.Screen == kMasterMainScreen)
        switchSetpoint(right());
}

void SetpointAndSwitchOff::switchSetpoint(const Side& side) {
    SimulationState& s = context_.state;
    if (s.ActiveSetpoint == side.handset.HighSetpoint) {
        s.ActiveSetpoint = side.handset.LowSetpoint;
    } else if (s.ActiveSetpoint == side.handset.LowSetpoint) {
        s.ActiveSetpoint = side.handset.HighSetpoint;
        context_.clock.timer(side.displayTick).setEnabled(true);
    }
}

void SetpointAndSwitchOff::switchOffTick() {
    context_.clock.timer("SwitchOffTimer").setEnabled(false);
    const SimulationState& s = context_.state;
    if (s.LeftHandset.SwitchOn == 1 && s.SwitchOffSide == "Left")
        switchOff(left());
    if (s.RightHandset.SwitchOn == 1 && s.SwitchOffSide == "Right")
        switchOff(right());
}

void SetpointAndSwitchOff::switchOff(const Side& side) {
    SimulationState& s = context_.state;
    context_.view.element(side.picture).setPicture("\\HSOn.jpg");
    side.handset.Screen = 0;
    side.display.setText(s.HandsetScreens[0]);
    side.handset.UnitOn = 0;
    if (side.other.IsMaster == 0 && side.other.Screen == kSlaveMainScreen) {
        side.other.IsMaster = 1;
        side.other.Screen = kMasterMainScreen;
        side.handset.IsMaster = 0;
        context_.sound.playIfEnabled(1, "lowo2.wav");
    }
}

}  // namespace loopsim
