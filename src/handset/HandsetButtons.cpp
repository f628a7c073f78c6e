#include "handset/HandsetButtons.h"

#include "core/Elements.h"
#include "handset/ScreenTexts.h"
#include "handset/Screens.h"
#include "handset/ValueMenus.h"

namespace loopsim {
namespace {

constexpr Millis kTurnOnWait = 2000;
constexpr int kLeftButtonLight = 5000;
constexpr int kOtherButtonLight = 15000;

}  // namespace

HandsetButtons::HandsetButtons(Handset& handset)
    : handset_(handset),
      warningsBox_(handset.context().view.element(elements::kWarningsBox)),
      mustCalibrateBox_(
          handset.context().view.element(elements::optionBox(elements::kMustCalibrate))),
      setpointTick_(handset.context().clock.timer("SetPointTimer")) {
    InputRouter& input = handset.context().input;
    ElementHandlers& left = input.on(handset.side().leftButton);
    left.press = [this] { leftPressed(); };
    left.release = [this] { released(); };
    left.click = [this] { leftClicked(); };
    ElementHandlers& middle = input.on(handset.side().middleButton);
    middle.press = [this] { middlePressed(); };
    middle.release = [this] { middleReleased(); };
    middle.click = [this] { middleClicked(); };
    ElementHandlers& right = input.on(handset.side().rightButton);
    right.press = [this] { rightPressed(); };
    right.release = [this] { released(); };
    right.click = [this] { rightClicked(); };
}

void HandsetButtons::pressed(Button button) {
    HandsetState& h = handset_.record();
    if (h.SwitchOn != 1)
        return;
    static constexpr const char* kPressedPictures[] = {"\\HSLeft.jpg", "\\HSMid.jpg",
                                                       "\\HSRight.jpg"};
    handset_.showPicture(kPressedPictures[button]);
    handset_.pictureTick().setEnabled(false);
    const bool calibrating = h.Screen == kFlushScreen || h.Screen == kCalibratingScreen;
    if (button == kLeft) {
        if (!calibrating)
            handset_.lightBacklight(kLeftButtonLight);
    } else if (h.UnitOn == 1 && !calibrating) {
        handset_.lightBacklight(kOtherButtonLight);
    }
}

void HandsetButtons::middlePressed() {
    handset_.state().SetpointSide = handset_.side().setpointCode;
    pressed(kMiddle);
    // Holding the button for the tick's interval asks for the other setpoint, switch on
    // or not.
    setpointTick_.setEnabled(true);
}

void HandsetButtons::released() {
    if (handset_.record().SwitchOn == 1)
        handset_.showPicture(kRestingPicture);
}

void HandsetButtons::middleReleased() {
    released();
    setpointTick_.setEnabled(false);
}

Process HandsetButtons::turnOn() {
    SimContext& context = handset_.context();
    HandsetState& h = handset_.record();
    h.UnitOn = 1;
    if (handset_.other().UnitOn == 0) {
        h.IsMaster = 1;
        handset_.report(" on as Master");
    } else {
        h.IsMaster = 0;
        handset_.report(" on as Slave");
    }
    context.sound.playIfEnabled(1, "Turnonr.wav");
    h.Screen = kBannerScreen;
    co_await context.clock.holdFor(kTurnOnWait);
    context.sound.playIfEnabled(1, "CLICK.wav");
    handset_.rearmTick();
}

void HandsetButtons::leftClicked() {
    SimulationState& s = handset_.state();
    HandsetState& h = handset_.record();
    if (h.UnitOn == 0 && h.SwitchOn == 1) {
        turnOn();
        return;
    }
    handset_.report(": left button");
    switch (h.Screen) {
        case kBatteryWarningScreen:
            // The display shows the DIVE NOW? question: this is YES.
            if (h.IsMaster == 1) {
                h.Screen = kScrubberTimeScreen;
                handset_.showText(elapsedTimeText(s.ScrubberMinutes));
            } else {
                h.Screen = kSlaveWaitScreen;
            }
            break;
        case kCalibrateQuestionScreen:
        case kMustCalibrateScreen:
            h.Screen = kAmbientPressureMenu;
            handset_.showText(ambientPressureText(s.CalPressure));
            break;
        case kOnTimeScreen:
            // The display shows the RESET NOW question: this is YES. Both handsets share
            // the one counter, and each shows its reset at once.
            s.LeftHandset.OnMinutes = 0;
            h.Screen = kOnTimeResetScreen;
            handset_.showText(elapsedTimeText(s.LeftHandset.OnMinutes));
            break;
        default:
            if (auto menu = stepValueMenu(s, h, h.Screen, MenuStep::Down))
                handset_.showText(*menu);
            break;
    }
    handset_.rearmTick();
}

void HandsetButtons::middleClicked() {
    SimulationState& s = handset_.state();
    HandsetState& h = handset_.record();
    handset_.report(": middle button");
    switch (h.Screen) {
        case kScrubberTimeScreen:
            // The display shows the DIVE NOW ? prompt with Confirm.
            h.Screen = kCheckDiluentScreen;
            handset_.showText(kCheckDiluentPrompt);
            break;
        case kCheckDiluentScreen:
            alarmIf(s.DiluentValve == ValveState::Off);
            if (mustCalibrateBox_.isChecked()) {
                h.Screen = kMustCalibrateScreen;
                handset_.showText(kMustCalibratePrompt);
            } else {
                h.Screen = kCalibrateQuestionScreen;
                handset_.showText(kCalibratePrompt);
            }
            break;
        case kOpenValveScreen:
            alarmIf(s.OxygenValve == ValveState::Off);
            h.Screen = kMasterMainScreen;
            break;
        case kAmbientPressureMenu:
            h.Screen = kOxygenPercentMenu;
            handset_.showText(oxygenPercentText(s.CalOxygenPercent));
            break;
        case kOxygenPercentMenu:
            h.Screen = kOpenMouthpieceScreen;
            handset_.showText(kOpenMouthpiecePrompt);
            break;
        case kOpenMouthpieceScreen:
            alarmIf(s.Mouthpiece == MouthpieceState::Closed);
            h.Screen = kStartFlushScreen;
            handset_.showText(kStartFlushPrompt);
            break;
        case kStartFlushScreen:
            alarmIf(s.OxygenValve == ValveState::Off);
            h.Screen = kFlushScreen;
            handset_.showText(flushPromptText(h.CellPO2));
            break;
        case kHighSetpointMenu:
            h.Screen = kLowSetpointMenu;
            handset_.showText(lowSetpointText(h.LowSetpoint));
            break;
        case kLowSetpointMenu:
            h.Screen = kBrightnessMenu;
            handset_.showText(brightnessText(h.Brightness));
            break;
        case kBrightnessMenu:
            h.Screen = kOnTimeScreen;
            handset_.showText(elapsedTimeText(s.LeftHandset.OnMinutes));
            break;
        default:
            break;
    }
    handset_.rearmTick();
}

void HandsetButtons::rightClicked() {
    SimulationState& s = handset_.state();
    HandsetState& h = handset_.record();
    handset_.report(": right button");
    switch (h.Screen) {
        case kCalibrateQuestionScreen:
        case kMustCalibrateScreen:
            h.Screen = kOpenValveScreen;
            handset_.showText(kOpenValvePrompt);
            break;
        case kOnTimeScreen:
            // The display shows the RESET NOW question: this is NO.
            h.Screen = kMasterMainScreen;
            break;
        default:
            if (auto menu = stepValueMenu(s, h, h.Screen, MenuStep::Up))
                handset_.showText(*menu);
            break;
    }
    handset_.rearmTick();
}

void HandsetButtons::alarmIf(bool condition) {
    if (condition && warningsBox_.isChecked())
        handset_.context().sound.playIfEnabled(2, "alarm.wav");
}

}  // namespace loopsim
