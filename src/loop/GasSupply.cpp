#include "loop/GasSupply.h"

#include "core/Elements.h"
#include "core/LoopGas.h"
#include "loop/CounterlungGauge.h"
#include "loop/CylinderValve.h"

namespace loopsim {
namespace {

constexpr int kHissChannel = 5;      // a held button's hiss, the dump's bubbles
constexpr int kFreeFlowChannel = 6;  // the free-flow hisses
constexpr double kFreeFlowLitres = 0.7;

// What an open oxygen valve was feeding: the stuck injector's hiss, the stuck solenoid's.
void stopOxygenFreeFlowSounds(SimContext& context) {
    if (context.state.OxygenInjectorStuckOn == 1)
        context.sound.stop(kFreeFlowChannel);
    if (context.state.SolenoidState == SolenoidCondition::StuckOpen)
        context.sound.stop(kHissChannel);
}

// What an open diluent valve was feeding: the ADV's free flow, the stuck injector's hiss.
void stopDiluentFreeFlowSounds(SimContext& context) {
    if (context.state.AdvFreeFlow == 1)
        context.sound.stop(kFreeFlowChannel);
    if (context.state.DiluentInjectorStuckOn == 1)
        context.sound.stop(kFreeFlowChannel);
}

}  // namespace

GasSupply::GasSupply(SimContext& context)
    : context_(context),
      advBox_(context.view.element(elements::kAdvBox)),
      advButton_(context.view.element(elements::kAdvButton)),
      gaugeCover_(context.view.element(elements::kCounterlungCover)) {
    advButton_.setVisible(true);

    oxygenValve_ = std::make_unique<CylinderValve>(
        context, CylinderValve::Design{&SimulationState::OxygenValve, elements::kOxygenValve,
                                       elements::kOxygenValveState, "Timer2", "O2 Valve Opened",
                                       "O2 Valve Closed", stopOxygenFreeFlowSounds});
    diluentValve_ = std::make_unique<CylinderValve>(
        context,
        CylinderValve::Design{&SimulationState::DiluentValve, elements::kDiluentValve,
                              elements::kDiluentValveState, "Timer3", "Diluent Valve Opened",
                              "Diluent Valve Closed", stopDiluentFreeFlowSounds});

    auto& oxygen = context.input.on(elements::kOxygenButton);
    oxygen.press = [this] { oxygenPressed(); };
    oxygen.release = [this] { oxygenReleased(); };
    oxygen.click = [this] { oxygenClicked(); };
    auto& diluent = context.input.on(elements::kDiluentButton);
    diluent.press = [this] { diluentPressed(); };
    diluent.release = [this] { diluentReleased(); };
    diluent.click = [this] { diluentClicked(); };
    auto& advButton = context.input.on(elements::kAdvButton);
    advButton.press = [this] { advButtonPressed(); };
    advButton.release = [this] { advButtonReleased(); };
    advButton.click = [this] { advButtonClicked(); };
    auto& advBox = context.input.on(elements::kAdvBox);
    advBox.kind = ElementHandlers::Kind::CheckBox;
    advBox.click = [this] { advBoxClicked(); };
    auto& dump = context.input.on(elements::kDumpValve);
    dump.press = [this] { dumpPressed(); };
    dump.release = [this] { dumpReleased(); };

    context.clock.timer("FreeFlowTimer").setHandler([this] { freeFlowTick(); });
}

GasSupply::~GasSupply() = default;

void GasSupply::oxygenPressed() {
    const SimulationState& s = context_.state;
    if (s.OxygenValve == ValveState::Open && s.OxygenInjectorFailed == 0 &&
        s.OxygenButtonMissing == 0) {
        press_.OxygenPressStartTick = context_.clock.now();
        context_.sound.playIfEnabled(kHissChannel, "shorthiss.wav");
    }
}

void GasSupply::oxygenReleased() {
    const SimulationState& s = context_.state;
    if (s.OxygenInjectorFailed == 0) {
        press_.OxygenPressEndTick = context_.clock.now();
        if (s.SoundEnabled == 1 && s.OxygenValve == ValveState::Open)
            context_.sound.stop(kHissChannel);
    }
    drawVolumeBar(gaugeCover_, context_.state.CounterlungVolume);
}

void GasSupply::oxygenClicked() {
    const SimulationState& s = context_.state;
    if (s.OxygenValve == ValveState::Open && s.OxygenInjectorFailed == 0 &&
        s.OxygenButtonMissing == 0) {
        const Millis held = press_.OxygenPressEndTick - press_.OxygenPressStartTick;
        addByHand(manualAdditionLitres(kButtonLitresPerTenthSecond, held), s.OxygenAnalysis / 100.0,
                  "Manual O2 Addition");
    }
}

void GasSupply::diluentPressed() {
    const SimulationState& s = context_.state;
    if (s.DiluentValve == ValveState::Open && s.DiluentInjectorFailed == 0 &&
        s.DiluentButtonMissing == 0) {
        press_.PressStartTick = context_.clock.now();
        context_.sound.playIfEnabled(kHissChannel, "shorthiss.wav");
    }
}

void GasSupply::diluentReleased() {
    const SimulationState& s = context_.state;
    if (s.DiluentInjectorFailed == 0) {
        press_.PressEndTick = context_.clock.now();
        if (s.SoundEnabled == 1 && s.DiluentValve == ValveState::Open)
            context_.sound.stop(kHissChannel);
    }
    drawVolumeBar(gaugeCover_, context_.state.CounterlungVolume);
}

void GasSupply::diluentClicked() {
    const SimulationState& s = context_.state;
    if (s.DiluentValve == ValveState::Open && s.DiluentInjectorFailed == 0 &&
        s.DiluentButtonMissing == 0) {
        const Millis held = press_.PressEndTick - press_.PressStartTick;
        addByHand(manualAdditionLitres(kButtonLitresPerTenthSecond, held), kAirOxygenFraction,
                  "Manual Diluent Addition");
    }
}

void GasSupply::advButtonPressed() {
    const SimulationState& s = context_.state;
    press_.PressStartTick = context_.clock.now();
    if (s.DiluentValve == ValveState::Open && s.AdvFailed == 0)
        context_.sound.playIfEnabled(kHissChannel, "shorthiss.wav");
}

void GasSupply::advButtonReleased() {
    if (context_.state.AdvFailed == 0) {
        press_.PressEndTick = context_.clock.now();
        context_.sound.stopIfEnabled(kHissChannel);
    }
    drawVolumeBar(gaugeCover_, context_.state.CounterlungVolume);
}

void GasSupply::advButtonClicked() {
    const SimulationState& s = context_.state;
    if (advBox_.isChecked() && s.DiluentValve == ValveState::Open && s.AdvFailed == 0) {
        const Millis held = press_.PressEndTick - press_.PressStartTick;
        addByHand(manualAdditionLitres(kAdvButtonLitresPerTenthSecond, held), kAirOxygenFraction,
                  "ADV Manually operated");
    }
}

void GasSupply::addByHand(double litres, double oxygenFraction, const char* message) {
    addGasByHand(context_.state, litres, oxygenFraction);
    context_.recording.recordEvent(message);
}

void GasSupply::advBoxClicked() {
    advButton_.setVisible(advBox_.isChecked());
}

void GasSupply::dumpPressed() {
    press_.DumpPressStartTick = context_.clock.now();
    context_.recording.recordEvent("Dump Valve Operated");
    context_.sound.playIfEnabled(kHissChannel, "bubbles.wav");
}

void GasSupply::dumpReleased() {
    context_.sound.stopIfEnabled(kHissChannel);
    dumpLoopGas(context_.state, context_.clock.now() - press_.DumpPressStartTick);
    drawVolumeBar(gaugeCover_, context_.state.CounterlungVolume);
}

void GasSupply::freeFlowTick() {
    SimulationState& s = context_.state;
    const double pressure = absolutePressure(s);
    const double oxygenFraction = s.OxygenAnalysis / 100.0;

    if (advBox_.isChecked() && s.DiluentValve == ValveState::Open && s.AdvFreeFlow == 1) {
        context_.sound.playIfEnabled(kFreeFlowChannel, "longhiss.wav");
        addGasToLoop(s, kFreeFlowLitres, kAirOxygenFraction, pressure);
    }
    if (s.OxygenValve == ValveState::Open && s.OxygenInjectorStuckOn == 1) {
        context_.sound.playIfEnabled(kFreeFlowChannel, "longhiss.wav");
        addGasToLoop(s, kFreeFlowLitres, oxygenFraction, pressure);
    }
    if (s.DiluentValve == ValveState::Open && s.DiluentInjectorStuckOn == 1) {
        context_.sound.playIfEnabled(kFreeFlowChannel, "longthiss.wav");
        addGasToLoop(s, kFreeFlowLitres, kAirOxygenFraction, pressure);
    }
    if (s.OxygenValve == ValveState::Open && s.SolenoidState == SolenoidCondition::StuckOpen) {
        context_.sound.playIfEnabled(kHissChannel, "injector.wav");
        addGasToLoop(s, kFreeFlowLitres, oxygenFraction, pressure);
    }
    if (s.Depth > 0 &&
        (s.DumpValveFailed == 1 || s.DiluentButtonMissing == 1 || s.OxygenButtonMissing == 1)) {
        leakFromLoop(s);
        context_.sound.playIfEnabled(4, "Bubbles.wav");
    }
    drawVolumeBar(gaugeCover_, context_.state.CounterlungVolume);
}

}  // namespace loopsim
