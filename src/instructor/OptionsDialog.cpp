#include "instructor/OptionsDialog.h"

#include <algorithm>

namespace loopsim {
namespace {

constexpr OptionBox kOptionBoxes[] = {
    {1, "General", "Must Calibrate", "Force Calibration during handset initialisation"},
    {2, "General", "Dark at Depth", "Display darkens at depth forcing user to use backlight"},
    {3, "Cells", "Cell Slow", "A cell moves at half the speed of the others"},
    {4, "Cells", "Cell Drift", "A cells output starts to drop"},
    {5, "Cells", "2 Cell Concurrent Drift", "2 cells drift at the same time"},
    {6, "Cells", "Cell Failure ", "A cell fails and produces no output"},
    {7, "Batteries", "Battery Bounce", "Handsets reset when you enter water"},
    {9, "Batteries", "Master Battery Low", "Battery voltage falls below 5.6 volts"},
    {10, "Batteries", "Master Battery Exhausted", "Battery voltage falls below 5.3 volts"},
    {8, "O2 Solenoid", "Solenoid Stuck Closed",
     "Solenoid stuck closed and unable to inject Oxygen"},
    {11, "O2 Solenoid", "Solenoid Stuck Open",
     "Solenoid stuck open and continously injecting oxygen"},
    {12, "ADV", "ADV Failed", "ADV fails to function"},
    {13, "ADV", "ADV Free Flow", "ADV free flows"},
    {14, "Manual Oxygen Injector", "Oxygen Injector Failed", "Oxygen Injector non functional"},
    {15, "Manual Oxygen Injector", "Oxygen Injector Stuck On",
     "Oxygen injector fails open and injecting"},
    {21, "Manual Oxygen Injector", "Physical Failure", "Oxygen Injector non functional"},
    {16, "Manual Diluent Injector", "Diluent Injector Stuck On",
     "Diluent injector fails open and injecting"},
    {17, "Manual Diluent Injector", "Diluent Injector Failed", "Diluent Injector non functional"},
    {23, "Manual Diluent Injector", "Physical Failure", "Diluent addition button missing"},
    {18, "Handsets", "Slave Accidentally Turned Off",
     "Slave unit will turn off as if switch was knocked"},
    {19, "Handsets", "Master Accidentally Turned Off",
     "Masterhandset will turn off as if switch was knocked"},
    {20, "Handsets", "Handset Flood", "Handset perform erratically as if water was in them"},
    {22, "Dump Valve", "Physical Failure", "Dump valve pull missing"},
};

// Ticking one box of a pair unticks the other.
constexpr int kExclusivePairs[][2] = {{4, 5}, {8, 11}, {9, 10}};

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
      slider_(context.view.element("Options.Slider1")),
      applyButton_(context.view.element("Options.Command1")) {
    for (int number = 1; number <= kBoxCount; ++number)
        registerBox(number, partnerOf(number));

    slider_.setValue(0);
    auto& slider = context.input.on("Options.Slider1");
    slider.kind = ElementHandlers::Kind::Slider;
    slider.set = [this](int value) { sliderMoved(value); };

    applyButton_.setText("Change now");
    context.input.on("Options.Command1").click = [this] { apply(); };
    context.view.element("Options.Command2").setText("Refill Scrubber");
    context.input.on("Options.Command2").click = [this] { refillScrubber(); };
    context.view.element("Options.Command3").setText("Change Batteries");
    context.input.on("Options.Command3").click = [this] { changeBatteries(); };
    // The window's own close control.
    context.input.on("Options.Close").click = [this] { closeWithoutApplying(); };

    context.input.on("Command2").click = [this] { open(); };
}

std::string OptionsDialog::boxName(int number) {
    return "Options.Check" + std::to_string(number);
}

bool OptionsDialog::isTicked(int number) const {
    const ElementView* box = context_.view.find(boxName(number));
    return box && box->isChecked();
}

void OptionsDialog::setTicked(int number, bool ticked) {
    context_.view.element(boxName(number)).setChecked(ticked);
}

int OptionsDialog::delayMinutes() const {
    return slider_.value().value_or(0);
}

void OptionsDialog::registerBox(int number, int partner) {
    setTicked(number, false);
    auto& box = context_.input.on(boxName(number));
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
    context_.dialogs.open(kOptionsDialog);
}

void OptionsDialog::apply() {
    context_.sound.stopIfEnabled(5);
    context_.state.OptionsSetTime = static_cast<std::uint32_t>(context_.clock.now());
    SimTimer& optionTick = context_.clock.timer("OptionTimer");
    optionTick.setInterval(10);
    optionTick.setEnabled(true);
    context_.dialogs.close(kOptionsDialog);
}

void OptionsDialog::closeWithoutApplying() {
    context_.dialogs.close(kOptionsDialog);
}

void OptionsDialog::refillScrubber() {
    context_.state.ScrubberMinutes = 0;
}

void OptionsDialog::changeBatteries() {
    context_.state.LeftHandset.BatteryVolts = 6.3;
    context_.state.RightHandset.BatteryVolts = 6.3;
}

}  // namespace loopsim
