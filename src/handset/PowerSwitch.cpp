#include "handset/PowerSwitch.h"

#include "handset/Screens.h"

namespace loopsim {

PowerSwitch::PowerSwitch(Handset& handset) : handset_(handset) {
    handset.context().input.on(handset.side().powerSwitch).click = [this] { switchClicked(); };
    handset.backlightTick().setHandler([this] { backlightTick(); });
}

void PowerSwitch::switchClicked() {
    if (handset_.record().SwitchOn == 0)
        switchOn();
    else
        switchOff();
}

void PowerSwitch::switchOn() {
    HandsetState& h = handset_.record();
    h.SwitchOn = 1;
    h.Screen = kBlankScreen;
    handset_.showPicture(kRestingPicture);
    handset_.report(" hardware switch On");
}

void PowerSwitch::switchOff() {
    HandsetState& h = handset_.record();
    HandsetState& other = handset_.other();
    h.SwitchOn = 0;
    h.UnitOn = 0;
    h.Screen = kBlankScreen;
    handset_.showText(handset_.state().HandsetScreens[kBlankScreen]);
    // A running slave takes over at once, whatever screen it was on.
    if (other.UnitOn == 1 && other.IsMaster == 0) {
        other.IsMaster = 1;
        other.Screen = kMasterMainScreen;
        h.IsMaster = 0;
        handset_.context().sound.playIfEnabled(1, "lowo2.wav");
    }
    handset_.showPicture(kSwitchedOffPicture);
    handset_.report(" hardware switch Off");
}

void PowerSwitch::backlightTick() {
    handset_.backlight().setFill(handset_.state().DisplayColour);
    handset_.backlightTick().setEnabled(false);
}

}  // namespace loopsim
