#include "loop/LoopGasStep.h"

#include "core/Format.h"
#include "core/LoopGas.h"
#include "loop/CounterlungGauge.h"

namespace loopsim {
namespace {

constexpr Rgb kLightRed{255, 128, 128};
constexpr Rgb kLightYellow{255, 255, 128};
constexpr Rgb kLightGreen{128, 255, 128};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kYellow{255, 255, 0};

Rgb gaugeFill(double volume) {
    if (volume < 15)
        return kLightRed;
    if (volume < 25)
        return kLightYellow;
    if (volume < 45)
        return kLightGreen;
    if (volume > 65)
        return kLightRed;
    return kLightYellow;
}

}  // namespace

LoopGasStep::LoopGasStep(SimContext& context)
    : context_(context),
      label16_(context.view.element("Label16")),
      label1_(context.view.element("Label1")),
      label2_(context.view.element("Label2")),
      frame6_(context.view.element("Frame6")),
      label3_(context.view.element("Label3")),
      frame7_(context.view.element("Frame7")),
      shape3_(context.view.element("Shape3")),
      clungVolBar_(context.view.element("ClungVolBar")),
      advOn_(context.view.element("ADVOn")) {
    // The window's design values, until the first step replaces them.
    label1_.setText("0");
    label2_.setText("1013");
    label3_.setText("21");
    frame6_.setText("Ambient Pressure (mb)");
    frame7_.setText("Oxygen Analysis (%)");
    shape3_.setHeight(kGaugeHeight).setFill(kLightYellow).setBorder(kYellow).setBorderWidth(1);
    clungVolBar_.setHeight(volumeBarCoverHeight(20)).setBorder(kYellow);
    advOn_.setText("ADV Enabled").setChecked(true);

    context.clock.timer("Timer1").setProcessHandler([this] { return loopGasStep(); });
}

Process LoopGasStep::loopGasStep() {
    SimulationState& s = context_.state;
    label16_.setText(formatFixed(s.LoopPO2, 2));
    label1_.setText(std::to_string(s.Depth));

    // Whatever else is due at this moment runs before the rest of the step.
    co_await context_.clock.yieldToPending();

    limitLoopPO2(s);
    const double pressure = absolutePressure(s);

    if (s.Depth != 0) {
        label2_.setText(formatPlain(pressure));
        frame6_.setText("Ambient Pressure (bar)");
        label3_.setText(formatTwoDigits(s.LoopPO2 / pressure * 100) + "%");
        frame7_.setText("Nitrox mix (% O2)");
    } else {
        label2_.setText(std::to_string(s.AmbientPressure));
        frame6_.setText("Ambient Pressure (mb)");
        label3_.setText(std::to_string(s.OxygenAnalysis));
        frame7_.setText("Oxygen Analysis (%)");
    }

    shape3_.setFill(gaugeFill(s.CounterlungVolume));
    if (s.CounterlungVolume <= 5) {
        shape3_.setBorder(kRed).setBorderWidth(5);
        clungVolBar_.setBorder(kRed);
    } else {
        shape3_.setBorder(kYellow).setBorderWidth(1);
        clungVolBar_.setBorder(kYellow);
    }

    if (advOn_.isChecked() && s.DiluentValve == ValveState::Open && s.CounterlungVolume < 25 &&
        s.AdvFailed == 0 && s.DiluentButtonMissing == 0 && s.OxygenButtonMissing == 0) {
        context_.sound.playIfEnabled(1, "shorthiss.wav");
        addGasToLoop(s, 0.5, kAirOxygenFraction, pressure);
    } else if (loopIsOverFull(s) && s.AdvFailed == 0) {
        ventOverFullLoop(s);
        context_.sound.playIfEnabled(4, "bubbles.wav");
    }

    drawVolumeBar(context_);
}

}  // namespace loopsim
