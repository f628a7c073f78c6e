#include "loop/Diver.h"

#include "core/Elements.h"
#include "core/Format.h"
#include "core/LoopGas.h"

namespace loopsim {
namespace {

struct Placement {
    int left, top, width, height;
};
constexpr Placement kRegulatorParked{6360, 2160, 600, 480};
constexpr Placement kRegulatorInMouth{6120, 1200, 1080, 1800};

}  // namespace

Diver::Diver(SimContext& context)
    : context_(context),
      mouthpiece_(context.view.element(elements::kMouthpiece)),
      regulator_(context.view.element(elements::kRegulator)),
      warnings_(context.view.element(elements::kWarningsBox)),
      gauge_(context.view.element(elements::kCounterlungGauge)),
      breathTimer_(context.clock.timer("BreathTimer")),
      breathOffTimer_(context.clock.timer("BreathOffTimer")),
      bailoutTimer_(context.clock.timer("Bailout.Timer1")) {
    mouthpiece_.setPicture("\\MouthC.jpg");
    parkRegulator();
    context.view.element(elements::kBailedMessage).setText("Bailed !");
    context.view.element(elements::kReturnToLoopButton).setText("&Return to Loop");
    context.view.element(elements::kBailoutExitButton).setText("E&xit");

    context.input.on(elements::kMouthpiece).click = [this] { mouthpieceClicked(); };
    context.input.on(elements::kRegulator).click = [this] { regulatorClicked(); };
    context.input.on(elements::kBailOutButton).click = [this] { bailOutClicked(); };
    context.input.on(elements::kReturnToLoopButton).click = [this] { returnToLoopClicked(); };
    context.input.on(elements::kBailoutExitButton).click = [this] { exitClicked(); };

    breathTimer_.setHandler([this] { breath(); });
    breathOffTimer_.setHandler([this] { breathMarkEnd(); });
    context.clock.timer("CO2Timer").setHandler([this] { scrubberMinute(); });
    context.clock.timer("FloodTimer").setHandler([this] { handsetFloodTick(); });
    // The window keeps the dialog in front on this tick; the simulation has nothing to do.
    bailoutTimer_.setHandler([] {});
}

void Diver::mouthpieceClicked() {
    SimulationState& s = context_.state;
    if (s.Mouthpiece == MouthpieceState::Closed) {
        mouthpiece_.setPicture("\\MouthO.jpg");
        s.Mouthpiece = MouthpieceState::Open;
        if (s.Breathing == 1)
            breathTimer_.setEnabled(true);
        context_.recording.recordEvent("Mouthpiece Opened");
    } else {
        mouthpiece_.setPicture("\\MouthC.jpg");
        s.Mouthpiece = MouthpieceState::Closed;
        breathTimer_.setEnabled(false);
        context_.recording.recordEvent("Mouthpiece Closed");
    }
}

void Diver::regulatorClicked() {
    SimulationState& s = context_.state;
    if (regulator_.left() == kRegulatorParked.left) {
        regulator_.setGeometry(kRegulatorInMouth.left, kRegulatorInMouth.top,
                               kRegulatorInMouth.width, kRegulatorInMouth.height);
        if (s.Mouthpiece != MouthpieceState::Open) {
            // In the mouth with the mouthpiece shut: a warning, and no breathing.
            if (warningsTicked())
                context_.sound.playIfEnabled(2, "alarm.wav");
            return;
        }
        s.Breathing = 1;
        breathTimer_.setEnabled(true);
        context_.recording.recordEvent("Breathing Started");
    } else {
        parkRegulator();
        s.Breathing = 0;
        breathTimer_.setEnabled(false);
        context_.recording.recordEvent("Breathing Stopped");
    }
}

void Diver::bailOutClicked() {
    SimulationState& s = context_.state;
    if (warningsTicked() && s.Mouthpiece == MouthpieceState::Open)
        context_.sound.playIfEnabled(1, "alarm.wav");
    parkRegulator();
    s.Breathing = 0;
    breathTimer_.setEnabled(false);
    context_.recording.recordEvent("Bailed Out");
    // The dialog does not block: the simulation keeps running behind it.
    context_.dialogs.open(elements::kBailoutDialog);
    bailoutTimer_.setEnabled(true);
}

void Diver::returnToLoopClicked() {
    if (!context_.dialogs.isOpen(elements::kBailoutDialog))
        return;
    context_.recording.recordEvent("Returned to loop");
    context_.dialogs.close(elements::kBailoutDialog);
    bailoutTimer_.setEnabled(false);
}

void Diver::exitClicked() {
    if (context_.dialogs.isOpen(elements::kBailoutDialog))
        context_.dialogs.endWithoutSaving();
}

void Diver::breath() {
    SimulationState& s = context_.state;
    if (!(s.LoopPO2 > 0))
        return;
    gauge_.setBorderWidth(5);
    breathOffTimer_.setEnabled(true);

    breatheFromLoop(s, oxygenPerBreath(s.MetabolicRate, breathTimer_.interval()));

    if (s.MetabolicRate != 0)
        breathTimer_.setInterval(static_cast<int>(roundHalfEven(6000 / s.MetabolicRate)));
    breathOffTimer_.setInterval(static_cast<int>(roundHalfEven(breathTimer_.interval() / 2.0)));
}

void Diver::breathMarkEnd() {
    gauge_.setBorderWidth(1);
    breathOffTimer_.setEnabled(false);
}

void Diver::scrubberMinute() {
    SimulationState& s = context_.state;
    if (s.LeftHandset.UnitOn == 1 || s.RightHandset.UnitOn == 1) {
        if (s.Breathing == 1)
            s.ScrubberMinutes = s.ScrubberMinutes + 1;
        // The left handset keeps the unit's one on-time counter.
        s.LeftHandset.OnMinutes = s.LeftHandset.OnMinutes + 1;
    }
    // An exhausted scrubber lets CO2 through: the diver breathes harder every minute.
    if (s.ScrubberMinutes > 180)
        s.MetabolicRate = s.MetabolicRate + 0.1;
}

void Diver::handsetFloodTick() {
    SimulationState& s = context_.state;
    const double r = context_.random.next();
    const auto cell = static_cast<std::size_t>(3 * r + 1);
    HandsetState& handset = s.LeftHandset.IsMaster == 1 ? s.LeftHandset : s.RightHandset;
    handset.CellFactor[cell] = handset.CellFactor[cell] - context_.random.next() / 1000;
}

void Diver::parkRegulator() {
    regulator_.setGeometry(kRegulatorParked.left, kRegulatorParked.top, kRegulatorParked.width,
                           kRegulatorParked.height);
}

}  // namespace loopsim
