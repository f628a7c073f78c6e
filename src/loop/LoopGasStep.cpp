#include "loop/LoopGasStep.h"

#include "core/DisplayField.h"
#include "core/Elements.h"
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
      loopPO2_(context.view.element(elements::kLoopPO2)),
      depthReadout_(context.view.element(elements::kDepthReadout)),
      pressureReadout_(context.view.element(elements::kAmbientPressureReadout)),
      pressureFrame_(context.view.element(elements::kAmbientPressureFrame)),
      analysisReadout_(context.view.element(elements::kOxygenAnalysisReadout)),
      analysisFrame_(context.view.element(elements::kOxygenAnalysisFrame)),
      gauge_(context.view.element(elements::kCounterlungGauge)),
      gaugeCover_(context.view.element(elements::kCounterlungCover)),
      advBox_(context.view.element(elements::kAdvBox)) {
    // The window's design values, until the first step replaces them.
    loopPO2_.setText("0.21");
    depthReadout_.setText("0");
    pressureReadout_.setText("1013");
    analysisReadout_.setText("21");
    pressureFrame_.setText("Ambient Pressure (mb)");
    analysisFrame_.setText("Oxygen Analysis (%)");
    gauge_.setHeight(kGaugeHeight).setFill(kLightYellow).setBorder(kYellow).setBorderWidth(1);
    gaugeCover_.setHeight(volumeBarCoverHeight(20)).setBorder(kYellow);
    advBox_.setText("ADV Enabled").setChecked(true);

    context.clock.timer("Timer1").setProcessHandler([this] { return loopGasStep(); });
}

const std::string& LoopGasStep::pressureText(double pressure) {
    if (pressure != textPressure_) {
        pressureText_ = formatPlain(pressure);
        textPressure_ = pressure;
    }
    return pressureText_;
}

Process LoopGasStep::loopGasStep() {
    SimulationState& s = context_.state;
    loopPO2_.setText(
        fieldText(s.LoopPO2, kLoopPO2Field, [](double value) { return formatFixed(value, 2); }));
    depthReadout_.setText(std::to_string(s.Depth));

    // Whatever else is due at this moment runs before the rest of the step.
    co_await context_.clock.yieldToPending();

    const double pressure = absolutePressure(s);
    limitLoopPO2(s, pressure);

    if (s.Depth != 0) {
        pressureReadout_.setText(pressureText(pressure));
        pressureFrame_.setText("Ambient Pressure (bar)");
        analysisReadout_.setText(
            fieldText(s.LoopPO2 / pressure * 100, kNitroxPercentField, formatTwoDigits) + "%");
        analysisFrame_.setText("Nitrox mix (% O2)");
    } else {
        pressureReadout_.setText(std::to_string(s.AmbientPressure));
        pressureFrame_.setText("Ambient Pressure (mb)");
        analysisReadout_.setText(std::to_string(s.OxygenAnalysis));
        analysisFrame_.setText("Oxygen Analysis (%)");
    }

    gauge_.setFill(gaugeFill(s.CounterlungVolume));
    if (s.CounterlungVolume <= 5) {
        gauge_.setBorder(kRed).setBorderWidth(5);
        gaugeCover_.setBorder(kRed);
    } else {
        gauge_.setBorder(kYellow).setBorderWidth(1);
        gaugeCover_.setBorder(kYellow);
    }

    if (advBox_.isChecked() && s.DiluentValve == ValveState::Open && s.CounterlungVolume < 25 &&
        s.AdvFailed == 0 && s.DiluentButtonMissing == 0 && s.OxygenButtonMissing == 0) {
        context_.sound.playIfEnabled(1, "shorthiss.wav");
        addGasToLoop(s, 0.5, kAirOxygenFraction, pressure);
    } else if (loopIsOverFull(s) && s.AdvFailed == 0) {
        ventOverFullLoop(s);
        context_.sound.playIfEnabled(4, "bubbles.wav");
    }

    drawVolumeBar(gaugeCover_, context_.state.CounterlungVolume);
}

}  // namespace loopsim
