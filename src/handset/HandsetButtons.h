// A handset's three push buttons. By position the left button is YES and Down, the middle
// one Confirm and the way to the next menu, the right one NO and Up. Each button has a
// press (pressed picture, backlight), a release (resting picture) and a click, which acts
// on the screen the handset is in. The left button's click also starts the electronics of
// a handset whose hardware switch is on; holding the middle button starts the setpoint
// tick, whose handler decides whether the setpoint changes.
#pragma once

#include <string_view>

#include "core/Process.h"
#include "handset/Handset.h"

namespace loopsim {

class HandsetButtons {
  public:
    explicit HandsetButtons(Handset& handset);

    void leftPressed() { pressed(kLeft); }
    void middlePressed();
    void rightPressed() { pressed(kRight); }
    void released();
    void middleReleased();

    void leftClicked();
    void middleClicked();
    void rightClicked();

  private:
    enum Button { kLeft, kMiddle, kRight };

    void pressed(Button button);
    // The left click on a handset whose switch is on and whose electronics are off. Its
    // wait of 2000 ms holds the whole program.
    Process turnOn();
    // Plays the alarm when the condition holds and the Warnings box is ticked.
    void alarmIf(bool condition);

    Handset& handset_;
    ElementView& warningsBox_;
    ElementView& mustCalibrateBox_;
    SimTimer& setpointTick_;
};

}  // namespace loopsim
