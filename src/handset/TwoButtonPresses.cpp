#include "handset/TwoButtonPresses.h"

#include "handset/ScreenTexts.h"
#include "handset/Screens.h"

namespace loopsim {
namespace {

constexpr const char* kHeld = "1";
constexpr int kGestureLight = 5000;

}  // namespace

TwoButtonPresses::TwoButtonPresses(Handset& handset)
    : handset_(handset),
      outerArea_(handset.context().view.element(handset.side().bothOuterButtons)),
      rightArea_(handset.context().view.element(handset.side().bothRightButtons)),
      switchOffTick_(handset.context().clock.timer("SwitchOffTimer")) {
    InputRouter& input = handset.context().input;
    ElementHandlers& outer = input.on(handset.side().bothOuterButtons);
    outer.press = [this] { outerPressed(); };
    outer.move = [this] { outerMoved(); };
    outer.release = [this] { outerReleased(); };
    ElementHandlers& right = input.on(handset.side().bothRightButtons);
    right.press = [this] { rightPressed(); };
    right.move = [this] { rightMoved(); };
    right.release = [this] { rightReleased(); };
    handset.pictureTick().setHandler([this] { pictureTick(); });
}

bool TwoButtonPresses::held(const ElementView& area) {
    return area.tag().value_or("") == kHeld;
}

void TwoButtonPresses::showPressed(const char* picture) {
    if (handset_.record().SwitchOn != 1)
        return;
    handset_.showPicture(picture);
    handset_.pictureTick().setEnabled(false);
    if (handset_.record().UnitOn == 1)
        handset_.lightBacklight(kGestureLight);
}

void TwoButtonPresses::moved(const ElementView& area, const char* picture) {
    if (!held(area) && handset_.record().SwitchOn == 1) {
        handset_.showPicture(picture);
        handset_.pictureTick().setEnabled(true);
    }
}

void TwoButtonPresses::outerPressed() {
    handset_.report(": both outer buttons");
    outerArea_.setTag(kHeld);
    showPressed("\\HSBothOuter.jpg");
}

void TwoButtonPresses::outerMoved() {
    moved(outerArea_, "\\HSLineOuters.jpg");
}

void TwoButtonPresses::outerReleased() {
    HandsetState& h = handset_.record();
    if (h.SwitchOn == 1) {
        handset_.showPicture(kRestingPicture);
        if (h.Screen == kMasterMainScreen && handset_.state().ActiveSetpoint == h.LowSetpoint) {
            h.Screen = kHighSetpointMenu;
            handset_.showText(highSetpointText(h.HighSetpoint));
        }
    }
    outerArea_.setTag("");
}

void TwoButtonPresses::rightPressed() {
    handset_.report(": both right buttons");
    rightArea_.setTag(kHeld);
    switchOffTick_.setEnabled(true);
    handset_.state().SwitchOffSide = handset_.side().name;
    showPressed("\\HSBothRight.jpg");
}

void TwoButtonPresses::rightMoved() {
    moved(rightArea_, "\\HSLineRights.jpg");
}

void TwoButtonPresses::rightReleased() {
    switchOffTick_.setEnabled(false);
    if (handset_.record().SwitchOn == 1)
        handset_.showPicture(kRestingPicture);
    rightArea_.setTag("");
}

void TwoButtonPresses::pictureTick() {
    handset_.showPicture(kRestingPicture);
    handset_.pictureTick().setEnabled(false);
}

}  // namespace loopsim
