#include "instructor/OptionsDialog.h"

#include <algorithm>

#include "core/Elements.h"

namespace loopsim {
namespace {

constexpr OptionBox kOptionBoxes[] = {
    {elements::kMustCalibrate, "General", "Must Calibrate",
     "Force Calibration during handset initialisation"},
    {elements::kDarkAtDepth, "General", "Dark at Depth",
     "Display darkens at depth forcing user to use backlight"},
    {elements::kCellSlow, "Cells", "Cell Slow", "A cell moves at half the speed of the others"},
    {elements::kCellDrift, "Cells", "Cell Drift", "A cells output starts to drop"},
    {elements::kTwoCellDrift, "Cells", "2 Cell Concurrent Drift", "2 cells drift at the same time"},
    {elements::kCellFailure, "Cells", "Cell Failure ", "A cell fails and produces no output"},
    {elements::kBatteryBounce, "Batteries", "Battery Bounce",
     "Handsets reset when you enter water"},
    {elements::kMasterBatteryLow, "Batteries", "Master Battery Low",
     "Battery voltage falls below 5.6 volts"},
    {elements::kMasterBatteryExhausted, "Batteries", "Master Battery Exhausted",
     "Battery voltage falls below 5.3 volts"},
    {elements::kSolenoidStuckClosed, "O2 Solenoid", "Solenoid Stuck Closed",
     "Solenoid stuck closed and unable to inject Oxygen"},
    {elements::kSolenoidStuckOpen, "O2 Solenoid", "Solenoid Stuck Open",
     "Solenoid stuck open and continously injecting oxygen"},
    {elements::kAdvFailed, "ADV", "ADV Failed", "ADV fails to function"},
    {elements::kAdvFreeFlow, "ADV", "ADV Free Flow", "ADV free flows"},
    {elements::kOxygenInjectorFailed, "Manual Oxygen Injector", "Oxygen Injector Failed",
     "Oxygen Injector non functional"},
    {elements::kOxygenInjectorStuckOn, "Manual Oxygen Injector", "Oxygen Injector Stuck On",
     "Oxygen injector fails open and injecting"},
    {elements::kOxygenButtonMissing, "Manual Oxygen Injector", "Physical Failure",
     "Oxygen Injector non functional"},
    {elements::kDiluentInjectorStuckOn, "Manual Diluent Injector", "Diluent Injector Stuck On",
     "Diluent injector fails open and injecting"},
    {elements::kDiluentInjectorFailed, "Manual Diluent Injector", "Diluent Injector Failed",
     "Diluent Injector non functional"},
    {elements::kDiluentButtonMissing, "Manual Diluent Injector", "Physical Failure",
     "Diluent addition button missing"},
    {elements::kSlaveTurnedOff, "Handsets", "Slave Accidentally Turned Off",
     "Slave unit will turn off as if switch was knocked"},
    {elements::kMasterTurnedOff, "Handsets", "Master Accidentally Turned Off",
     "Masterhandset will turn off as if switch was knocked"},
    {elements::kHandsetFlood, "Handsets", "Handset Flood",
     "Handset perform erratically as if water was in them"},
    {elements::kDumpValveMissing, "Dump Valve", "Physical Failure", "Dump valve pull missing"},
};

// Ticking one box of a pair unticks the other.
constexpr int kExclusivePairs[][2] = {
    {elements::kCellDrift, elements::kTwoCellDrift},
    {elements::kSolenoidStuckClosed, elements::kSolenoidStuckOpen},
    {elements::kMasterBatteryLow, elements::kMasterBatteryExhausted}};

int partnerOf(int number) {
    for (const auto& pair : kExclusivePairs) {
        if (pair[0] == number)
            return pair[1];
        if (pair[1] == number)
            return pair[0];
    }
    return 0;
}

}  // namespace

std::span<const OptionBox> optionBoxes() {
    return kOptionBoxes;
}

OptionsDialog::OptionsDialog(SimContext& context)
    : context_(context),
      slider_(context.view.element(elements::kFailureDelaySlider)),
      applyButton_(context.view.element(elements::kApplyOptionsButton)) {
    for (int number = 1; number <= kBoxCount; ++number)
        registerBox(number, partnerOf(number));

    slider_.setValue(0);
    auto& slider = context.input.on(elements::kFailureDelaySlider);
    slider.kind = ElementHandlers::Kind::Slider;
    slider.set = [this](int value) { sliderMoved(value); };

    applyButton_.setText("Change now");
    context.input.on(elements::kApplyOptionsButton).click = [this] { apply(); };
    context.view.element(elements::kRefillScrubberButton).setText("Refill Scrubber");
    context.input.on(elements::kRefillScrubberButton).click = [this] { refillScrubber(); };
    context.view.element(elements::kChangeBatteriesButton).setText("Change Batteries");
    context.input.on(elements::kChangeBatteriesButton).click = [this] { changeBatteries(); };
    context.input.on(elements::kOptionsClose).click = [this] { closeWithoutApplying(); };

    context.input.on(elements::kOptionsButton).click = [this] { open(); };
}

bool OptionsDialog::isTicked(int number) const {
    const ElementView* box = context_.view.find(elements::optionBox(number));
    return box && box->isChecked();
}

void OptionsDialog::setTicked(int number, bool ticked) {
    context_.view.element(elements::optionBox(number)).setChecked(ticked);
}

void OptionsDialog::noteApplied() {
    appliedBoxes_ = 0;
    for (int number = 1; number <= kBoxCount; ++number) {
        if (isTicked(number))
            appliedBoxes_ |= 1u << number;
    }
}

std::optional<Millis> OptionsDialog::pendingApplyTime() const {
    const Millis nextTick = context_.clock.timer("OptionTimer").due();
    if (nextTick == kNever)
        return std::nullopt;
    constexpr Millis kTickInterval = 10000;
    const Millis strikes =
        static_cast<Millis>(context_.state.OptionsSetTime) + Millis{delayMinutes()} * 60000;
    const Millis ticksToWait =
        std::max<Millis>(0, strikes - nextTick + kTickInterval - 1) / kTickInterval;
    return nextTick + ticksToWait * kTickInterval;
}

int OptionsDialog::delayMinutes() const {
    return slider_.value().value_or(0);
}

void OptionsDialog::registerBox(int number, int partner) {
    setTicked(number, false);
    auto& box = context_.input.on(elements::optionBox(number));
    box.kind = ElementHandlers::Kind::CheckBox;
    if (partner != 0) {
        box.click = [this, number, partner] {
            if (isTicked(number))
                setTicked(partner, false);
        };
    }
}

void OptionsDialog::sliderMoved(int value) {
    // The slider cannot be moved past its ends.
    value = std::clamp(value, 0, kLongestDelay);
    slider_.setValue(value);
    if (value != 0)
        applyButton_.setText("Change in " + std::to_string(value) + " minutes");
    else
        applyButton_.setText("Change Now");
}

void OptionsDialog::open() {
    context_.dialogs.open(elements::kOptionsDialog);
}

void OptionsDialog::apply() {
    context_.sound.stopIfEnabled(5);
    context_.state.OptionsSetTime = static_cast<std::uint32_t>(context_.clock.now());
    SimTimer& optionTick = context_.clock.timer("OptionTimer");
    optionTick.setInterval(10);
    optionTick.setEnabled(true);
    context_.dialogs.close(elements::kOptionsDialog);
}

void OptionsDialog::closeWithoutApplying() {
    context_.dialogs.close(elements::kOptionsDialog);
}

void OptionsDialog::refillScrubber() {
    context_.state.ScrubberMinutes = 0;
}

void OptionsDialog::changeBatteries() {
    context_.state.LeftHandset.BatteryVolts = 6.3;
    context_.state.RightHandset.BatteryVolts = 6.3;
}

}  // namespace loopsim
