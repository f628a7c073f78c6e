#include "electronics/Warnings.h"

#include "core/Elements.h"
#include "electronics/DisplayLines.h"
#include "electronics/HandsetReadings.h"

namespace loopsim {

Warnings::Warnings(SimContext& context)
    : context_(context),
      leftDisplay_(context.view.element(elements::kLeftHandset.display)),
      rightDisplay_(context.view.element(elements::kRightHandset.display)) {
    context.clock.timer("WarningTimer").setHandler([this] { warningTick(); });
}

void Warnings::warningTick() {
    SimulationState& s = context_.state;
    returnMasterToMainScreen(s);
    if (!eitherOnMasterMainScreen(s))
        return;

    HandsetState& master = masterHandset(s);
    ElementView& display = &master == &s.LeftHandset ? leftDisplay_ : rightDisplay_;
    master.Screen = kMasterMainScreen;
    MainLineText& line = &master == &s.LeftHandset ? leftLine_ : rightLine_;
    display.setText(line(true, s.ActiveSetpoint, master.CellPO2));

    if (s.LoopPO2 <= kLowOxygenPO2) {
        alarm("Warning: Low O2");
        showWarning(master, display, kLowOxygenScreen);
    }

    if (s.LoopPO2 >= kHighOxygenPO2) {
        alarm("Warning: High O2");
        showWarning(master, display, kHighOxygenScreen);
    } else if (s.CellSpread > kCellWarningSpread) {
        alarm("Warning: Cell Warning");
        showWarning(master, display, kCellWarningScreen);
    } else if (s.LeftHandset.BatteryVolts <= kLowBatteryVolts) {
        alarm("Warning: Low Battery");
        s.LeftHandset.Screen = kLowBatteryScreen;
    } else if (s.RightHandset.BatteryVolts <= kLowBatteryVolts) {
        alarm("Warning: Low Battery");
        s.RightHandset.Screen = kLowBatteryScreen;
    }
}

void Warnings::alarm(std::string_view message) {
    context_.sound.playIfEnabled(3, "LowO2.wav");
    context_.recording.recordEvent(message);
}

void Warnings::showWarning(HandsetState& master, ElementView& display, int screen) {
    master.Screen = screen;
    display.setText(warningLine(screen, master.CellPO2));
}

}  // namespace loopsim
