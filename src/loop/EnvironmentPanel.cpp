#include "loop/EnvironmentPanel.h"

#include <algorithm>
#include <cmath>

#include "core/Elements.h"
#include "core/Format.h"
#include "core/LoopGas.h"

namespace loopsim {
namespace {

constexpr int kMaxDepth = 40;
constexpr int kLowestAmbientPressure = 750;
constexpr int kHighestAmbientPressure = 1050;
constexpr double kHighestTypedMetabolicRate = 20;
constexpr Rgb kDaylightDisplay{30, 100, 30};

// The arrows that change what can be set only at the surface; the metabolic rate arrows
// always show.
constexpr const char* kSurfaceOnlyArrows[] = {
    elements::kAmbientPressureDownArrow, elements::kAmbientPressureUpArrow,
    elements::kOxygenAnalysisDownArrow, elements::kOxygenAnalysisUpArrow};

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
      depthReadout_(context.view.element(elements::kDepthReadout)),
      pressureReadout_(context.view.element(elements::kAmbientPressureReadout)),
      analysisReadout_(context.view.element(elements::kOxygenAnalysisReadout)),
      rateReadout_(context.view.element(elements::kMetabolicRateReadout)),
      soundBox_(context.view.element(elements::kSoundBox)),
      warningsBox_(context.view.element(elements::kWarningsBox)),
      batteryBounceBox_(context.view.element(elements::optionBox(elements::kBatteryBounce))) {
    context.view.element(elements::kEnvironmentFrame).setText("Environment");
    context.view.element(elements::kDepthFrame).setText("Depth (m)");
    context.view.element(elements::kMetabolicRateFrame).setText("Metabolic Rate (lpm)");
    context.view.element(elements::kControlsFrame).setText("Controls");
    rateReadout_.setText("1");
    soundBox_.setText("Sound").setChecked(true);
    warningsBox_.setText("Warnings").setChecked(true);
    batteryBounceBox_.setText("Battery Bounce").setChecked(false);
    element(elements::kDescendArrow).setVisible(true);
    showSurfaceArrows();

    auto& descendArrow = context.input.on(elements::kDescendArrow);
    descendArrow.press = [this] { batteryBounceCheck(); };
    descendArrow.click = [this] { descend(); };
    context.input.on(elements::kAscendArrow).click = [this] { ascend(); };
    context.input.on(elements::kAmbientPressureDownArrow).click = [this] { ambientPressureDown(); };
    context.input.on(elements::kAmbientPressureUpArrow).click = [this] { ambientPressureUp(); };
    context.input.on(elements::kOxygenAnalysisDownArrow).click = [this] { oxygenAnalysisDown(); };
    context.input.on(elements::kOxygenAnalysisUpArrow).click = [this] { oxygenAnalysisUp(); };
    context.input.on(elements::kMetabolicRateDownArrow).click = [this] { metabolicRateDown(); };
    context.input.on(elements::kMetabolicRateUpArrow).click = [this] { metabolicRateUp(); };
    context.input.on(elements::kAmbientPressureReadout).click = [this] { typeAmbientPressure(); };
    context.input.on(elements::kOxygenAnalysisReadout).dblclick = [this] { typeOxygenAnalysis(); };
    context.input.on(elements::kMetabolicRateReadout).click = [this] { typeMetabolicRate(); };
    auto& sound = context.input.on(elements::kSoundBox);
    sound.kind = ElementHandlers::Kind::CheckBox;
    sound.click = [this] { soundBoxClicked(); };
    // The Warnings box has no handler of its own: it is read when a warning would sound.
    context.input.on(elements::kWarningsBox).kind = ElementHandlers::Kind::CheckBox;
    context.input.on(elements::optionBox(elements::kBatteryBounce)).kind =
        ElementHandlers::Kind::CheckBox;
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
        element(elements::kDescendArrow).setVisible(true);
        showSurfaceArrows();
    }
    compressLoopGas(s, oldDepth);
    limitLoopPO2(s, absolutePressure(s));
    if (ventExpandedGas(s))
        context_.sound.playIfEnabled(1, "bubbles.wav");
}

void EnvironmentPanel::applyDisplayColour() {
    SimulationState& s = context_.state;
    s.DisplayColour = s.DarkAtDepth == 1 ? displayColourAtDepth(s.Depth) : kDaylightDisplay;
    element(elements::kLeftHandset.backlight).setFill(s.DisplayColour);
    element(elements::kRightHandset.backlight).setFill(s.DisplayColour);
}

// At the surface there is nowhere to ascend to; under water the surface pressure and the
// cylinder's analysis cannot change.
void EnvironmentPanel::showSurfaceArrows() {
    for (const char* arrow : kSurfaceOnlyArrows)
        element(arrow).setVisible(true);
    element(elements::kMetabolicRateDownArrow).setVisible(true);
    element(elements::kMetabolicRateUpArrow).setVisible(true);
    element(elements::kAscendArrow).setVisible(false);
}

void EnvironmentPanel::showUnderwaterArrows() {
    for (const char* arrow : kSurfaceOnlyArrows)
        element(arrow).setVisible(false);
    element(elements::kAscendArrow).setVisible(true);
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
                                       std::string range, std::function<void(double)> store) {
    context_.dialogs.openPrompt({prompt, title, std::move(present),
                                 [store = std::move(store)](std::optional<std::string> answer) {
                                     if (!answer)
                                         return;
                                     if (const auto value = parseNumber(*answer))
                                         store(*value);
                                 },
                                 std::move(range)});
}

void EnvironmentPanel::typeAmbientPressure() {
    const SimulationState& s = context_.state;
    if (s.Depth != 0)
        return;
    promptForNumber("Ambient Pressure ?", "Ambient Pressure in Millibars",
                    std::to_string(s.AmbientPressure),
                    std::to_string(kLowestAmbientPressure) + " to " +
                        std::to_string(kHighestAmbientPressure) + " millibars",
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
                    "0 to " + formatPlain(std::floor(oxygenAnalysisLimit(s))) + " percent",
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
                    presentMetabolicRate(),
                    "0 to " + formatPlain(kHighestTypedMetabolicRate) + " litres per minute",
                    [this](double value) { storeMetabolicRate(value); });
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
