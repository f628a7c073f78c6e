#include "loop/EnvironmentPanel.h"

#include <algorithm>
#include <cmath>

#include "core/Format.h"
#include "core/LoopGas.h"

namespace loopsim {
namespace {

constexpr int kMaxDepth = 40;
constexpr int kLowestAmbientPressure = 750;
constexpr int kHighestAmbientPressure = 1050;
constexpr double kHighestTypedMetabolicRate = 20;
constexpr Rgb kDaylightDisplay{30, 100, 30};

Rgb displayColourAtDepth(int depth) {
    if (depth < 6)
        return kDaylightDisplay;
    if (depth < 16)
        return {15, 50, 15};
    if (depth < 26)
        return {10, 30, 10};
    if (depth > 35)
        return {1, 5, 1};
    return {5, 15, 5};
}

// No more oxygen than the whole surface pressure allows.
double oxygenAnalysisLimit(const SimulationState& s) {
    return s.AmbientPressure / 1000.0 * 100;
}

}  // namespace

EnvironmentPanel::EnvironmentPanel(SimContext& context)
    : context_(context),
      depthReadout_(context.view.element("Label1")),
      pressureReadout_(context.view.element("Label2")),
      analysisReadout_(context.view.element("Label3")),
      rateReadout_(context.view.element("Label4")),
      soundBox_(context.view.element("Check1")),
      warningsBox_(context.view.element("Check2")),
      batteryBounceBox_(context.view.element("Options.Check7")) {
    for (int i = 0; i < 8; ++i)
        arrows_[static_cast<std::size_t>(i)] =
            &context.view.element("Image" + std::to_string(9 + i));

    context.view.element("Frame1").setText("Environment");
    context.view.element("Frame5").setText("Depth (m)");
    context.view.element("Frame8").setText("Metabolic Rate (lpm)");
    context.view.element("Frame9").setText("Controls");
    rateReadout_.setText("1");
    soundBox_.setText("Sound").setChecked(true);
    warningsBox_.setText("Warnings").setChecked(true);
    batteryBounceBox_.setText("Battery Bounce").setChecked(false);
    arrow(10).setVisible(true);
    showSurfaceArrows();

    auto& descendArrow = context.input.on("Image10");
    descendArrow.press = [this] { batteryBounceCheck(); };
    descendArrow.click = [this] { descend(); };
    context.input.on("Image9").click = [this] { ascend(); };
    context.input.on("Image11").click = [this] { ambientPressureDown(); };
    context.input.on("Image12").click = [this] { ambientPressureUp(); };
    context.input.on("Image13").click = [this] { oxygenAnalysisDown(); };
    context.input.on("Image14").click = [this] { oxygenAnalysisUp(); };
    context.input.on("Image15").click = [this] { metabolicRateDown(); };
    context.input.on("Image16").click = [this] { metabolicRateUp(); };
    context.input.on("Label2").click = [this] { typeAmbientPressure(); };
    context.input.on("Label3").dblclick = [this] { typeOxygenAnalysis(); };
    context.input.on("Label4").click = [this] { typeMetabolicRate(); };
    auto& sound = context.input.on("Check1");
    sound.kind = ElementHandlers::Kind::CheckBox;
    sound.click = [this] { soundBoxClicked(); };
    // The Warnings box has no handler of its own: it is read when a warning would sound.
    context.input.on("Check2").kind = ElementHandlers::Kind::CheckBox;
    context.input.on("Options.Check7").kind = ElementHandlers::Kind::CheckBox;
}

void EnvironmentPanel::batteryBounceCheck() {
    SimulationState& s = context_.state;
    // Both units go off the moment the diver enters the water, even if no click follows.
    if (batteryBounceBox_.isChecked() && s.Depth == 0) {
        context_.recording.recordEvent("Battery Bounce");
        s.LeftHandset.UnitOn = 0;
        s.RightHandset.UnitOn = 0;
    }
}

void EnvironmentPanel::descend() {
    SimulationState& s = context_.state;
    const int oldDepth = s.Depth;
    // Entering the water without breathing from the loop.
    if (s.Depth == 0 && s.Breathing == 0 && warningsBox_.isChecked())
        context_.sound.playIfEnabled(2, "alarm.wav");
    if (s.Depth < kMaxDepth) {
        s.Depth = s.Depth + s.DepthStep;
        depthReadout_.setText(std::to_string(s.Depth));
    }
    applyDisplayColour();
    showUnderwaterArrows();
    compressLoopGas(s, oldDepth);
}

void EnvironmentPanel::ascend() {
    SimulationState& s = context_.state;
    const int oldDepth = s.Depth;
    if (s.Depth > 0) {
        s.Depth = s.Depth - s.DepthStep;
        depthReadout_.setText(std::to_string(s.Depth));
    }
    applyDisplayColour();
    if (s.Depth < 1) {
        s.Depth = 0;
        arrow(10).setVisible(true);
        showSurfaceArrows();
    }
    compressLoopGas(s, oldDepth);
    limitLoopPO2(s);
    if (ventExpandedGas(s))
        context_.sound.playIfEnabled(1, "bubbles.wav");
}

void EnvironmentPanel::applyDisplayColour() {
    SimulationState& s = context_.state;
    s.DisplayColour = s.DarkAtDepth == 1 ? displayColourAtDepth(s.Depth) : kDaylightDisplay;
    context_.view.element("Shape1").setFill(s.DisplayColour);
    context_.view.element("Shape2").setFill(s.DisplayColour);
}

// At the surface there is nowhere to ascend to; under water the surface pressure and the
// cylinder's analysis cannot change. The metabolic rate arrows always show.
void EnvironmentPanel::showSurfaceArrows() {
    for (int number = 11; number <= 16; ++number)
        arrow(number).setVisible(true);
    arrow(9).setVisible(false);
}

void EnvironmentPanel::showUnderwaterArrows() {
    for (int number = 11; number <= 14; ++number)
        arrow(number).setVisible(false);
    arrow(9).setVisible(true);
}

void EnvironmentPanel::ambientPressureDown() {
    SimulationState& s = context_.state;
    if (s.Depth != 0)
        return;
    s.AmbientPressure = s.AmbientPressure - 1;
    if (s.AmbientPressure < kLowestAmbientPressure + 1)
        s.AmbientPressure = kLowestAmbientPressure;
    pressureReadout_.setText(std::to_string(s.AmbientPressure));
}

void EnvironmentPanel::ambientPressureUp() {
    SimulationState& s = context_.state;
    if (s.Depth != 0)
        return;
    s.AmbientPressure = s.AmbientPressure + 1;
    if (s.AmbientPressure >= kHighestAmbientPressure)
        s.AmbientPressure = kHighestAmbientPressure;
    pressureReadout_.setText(std::to_string(s.AmbientPressure));
}

void EnvironmentPanel::oxygenAnalysisDown() {
    SimulationState& s = context_.state;
    if (s.Depth != 0)
        return;
    s.OxygenAnalysis = s.OxygenAnalysis - 1;
    if (s.OxygenAnalysis <= 1)
        s.OxygenAnalysis = 1;
    analysisReadout_.setText(std::to_string(s.OxygenAnalysis));
}

void EnvironmentPanel::oxygenAnalysisUp() {
    SimulationState& s = context_.state;
    if (s.Depth != 0)
        return;
    s.OxygenAnalysis = s.OxygenAnalysis + 1;
    const double limit = oxygenAnalysisLimit(s);
    if (s.OxygenAnalysis > limit)
        s.OxygenAnalysis = static_cast<int>(std::floor(limit));
    analysisReadout_.setText(std::to_string(s.OxygenAnalysis));
}

void EnvironmentPanel::metabolicRateDown() {
    SimulationState& s = context_.state;
    s.MetabolicRate = s.MetabolicRate - 0.1;
    if (s.MetabolicRate <= 0.1)
        s.MetabolicRate = 0.1;
    typedMetabolicRate_.reset();
    rateReadout_.setText(formatPlain(s.MetabolicRate));
}

void EnvironmentPanel::metabolicRateUp() {
    SimulationState& s = context_.state;
    s.MetabolicRate = s.MetabolicRate + 0.1;
    typedMetabolicRate_.reset();
    rateReadout_.setText(formatPlain(s.MetabolicRate));
}

void EnvironmentPanel::promptForNumber(const char* prompt, const char* title, std::string present,
                                       std::function<void(double)> store) {
    context_.dialogs.openPrompt({prompt, title, std::move(present),
                                 [store = std::move(store)](std::optional<std::string> answer) {
                                     if (!answer)
                                         return;
                                     if (const auto value = parseNumber(*answer))
                                         store(*value);
                                 }});
}

void EnvironmentPanel::typeAmbientPressure() {
    const SimulationState& s = context_.state;
    if (s.Depth != 0)
        return;
    promptForNumber("Ambient Pressure ?", "Ambient Pressure in Millibars",
                    std::to_string(s.AmbientPressure),
                    [this](double value) { storeAmbientPressure(value); });
}

void EnvironmentPanel::storeAmbientPressure(double value) {
    SimulationState& s = context_.state;
    value = std::clamp(value, double{kLowestAmbientPressure}, double{kHighestAmbientPressure});
    s.AmbientPressure = static_cast<int>(std::floor(value));
    pressureReadout_.setText(std::to_string(s.AmbientPressure));
}

void EnvironmentPanel::typeOxygenAnalysis() {
    const SimulationState& s = context_.state;
    if (s.Depth != 0)
        return;
    promptForNumber("Oxygen Percentage ?", "Oxygen Analysis as a percentage",
                    std::to_string(s.OxygenAnalysis),
                    [this](double value) { storeOxygenAnalysis(value); });
}

void EnvironmentPanel::storeOxygenAnalysis(double value) {
    SimulationState& s = context_.state;
    value = std::clamp(value, 0.0, oxygenAnalysisLimit(s));
    s.OxygenAnalysis = static_cast<int>(std::floor(value));
    analysisReadout_.setText(std::to_string(s.OxygenAnalysis));
}

void EnvironmentPanel::typeMetabolicRate() {
    promptForNumber("Metabolic Rate ?", "MetabolicRate in litres per minute",
                    presentMetabolicRate(), [this](double value) { storeMetabolicRate(value); });
}

std::string EnvironmentPanel::presentMetabolicRate() const {
    const double rate = context_.state.MetabolicRate;
    if (typedMetabolicRate_ && parseNumber(*typedMetabolicRate_) == rate)
        return *typedMetabolicRate_;
    return formatPlain(rate);
}

void EnvironmentPanel::storeMetabolicRate(double value) {
    SimulationState& s = context_.state;
    value = std::clamp(value, 0.0, kHighestTypedMetabolicRate);
    // Kept to two decimals, as the readout shows it.
    typedMetabolicRate_ = formatFixed(value, 2);
    s.MetabolicRate = parseNumber(*typedMetabolicRate_).value_or(s.MetabolicRate);
    rateReadout_.setText(*typedMetabolicRate_);
}

void EnvironmentPanel::soundBoxClicked() {
    context_.state.SoundEnabled = soundBox_.isChecked() ? 1 : 0;
}

}  // namespace loopsim
