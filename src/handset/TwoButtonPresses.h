// The two gestures that need two buttons of a handset held together, each with a hot area
// of its own: both outer buttons open the setup menus when they are let go on the master
// main screen with the low setpoint in force; both right buttons start the switch-off
// tick, whose handler switches the handset off if they are held long enough.
//
// Each area keeps a flag in its element's tag: "1" while the gesture is held, empty when
// idle. While it is idle, the pointer moving over the area shows a hint picture that the
// picture tick replaces with the resting picture a second later.
#pragma once

#include "handset/Handset.h"

namespace loopsim {

class TwoButtonPresses {
  public:
    explicit TwoButtonPresses(Handset& handset);

    void outerPressed();
    void outerMoved();
    void outerReleased();
    void rightPressed();
    void rightMoved();
    void rightReleased();
    void pictureTick();

  private:
    static bool held(const ElementView& area);
    // The pressed picture and the backlight that both gestures show at press.
    void showPressed(const char* picture);
    void moved(const ElementView& area, const char* picture);

    Handset& handset_;
    ElementView& outerArea_;
    ElementView& rightArea_;
    SimTimer& switchOffTick_;
};

}  // namespace loopsim
