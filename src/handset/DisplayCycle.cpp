#include "handset/DisplayCycle.h"

#include "handset/ScreenTexts.h"
#include "handset/Screens.h"
#include "handset/ValueMenus.h"

namespace loopsim {
namespace {

// Screens whose text is the fixed text of the same number, with the screen after them;
// a screen that stays names itself.
struct FixedScreen {
    int screen;
    int next;
};
constexpr FixedScreen kFixedScreens[] = {
    {kDiveNowConfirmScreen, kScrubberTimeScreen},
    {kBatteryWarningScreen, kDiveNowQuestionScreen},
    {kDiveNowQuestionScreen, kBatteryWarningScreen},
    {kFlatBatteryScreen, kFlatBatteryNoDiveScreen},
    {kFlatBatteryNoDiveScreen, kFlatBatteryScreen},
    {kStartupNoDiveScreen, kStartupCellFailureScreen},
    {kCheckDiluentScreen, kCheckDiluentScreen},
    {kCalibrateQuestionScreen, kCalibrateQuestionScreen},
    {kMustCalibrateScreen, kMustCalibrateScreen},
    {kOpenValveScreen, kOpenValveScreen},
    {kOpenMouthpieceScreen, kOpenMouthpieceScreen},
    {kStartFlushScreen, kStartFlushScreen},
    {kNoOxygenScreen, kNoOxygenNoCalibrationScreen},
    {kNoOxygenNoCalibrationScreen, kNoOxygenNoDiveScreen},
    {kNoOxygenNoDiveScreen, kNoOxygenScreen},
    {kCellStuckScreen, kCellStuckScreen},
    {kOutOfRangeScreen, kFailedCellReplaceScreen},
    {kFailedCellNoDiveScreen, kFailedCellNoCalibrationScreen},
    {kFailedCellNoCalibrationScreen, kFailedCellScreen},
    {kResetQuestionScreen, kOnTimeScreen},
    {kLowBatteryScreen, kLowBatteryScreen},
};

}  // namespace

DisplayCycle::DisplayCycle(Handset& handset, Calibration& calibration)
    : handset_(handset), calibration_(calibration) {
    handset.displayTick().setProcessHandler([this] { return displayTick(); });
}

Process DisplayCycle::displayTick() {
    SimClock& clock = handset_.context().clock;
    handset_.displayTick().setEnabled(false);
    HandsetState& h = handset_.record();
    if (h.UnitOn != 1) {
        h.Screen = kBlankScreen;
        handset_.showText(" ");
    } else if (h.Screen == kFlushScreen) {
        // The flush: one batch of passes per millisecond, everything else in between.
        Calibration::Flush flush = calibration_.startFlush();
        while (calibration_.flushBatch(flush))
            co_await clock.sleepFor(kFlushBatchInterval);
        if (calibration_.finishFlush(flush)) {
            co_await clock.yieldToPending();
            h.Screen = kCalibratingScreen;
        }
    } else if (h.Screen == kCalibratingScreen) {
        calibration_.showCalibrating();
        co_await clock.sleepFor(kCalibratingWait);
        calibration_.endCalibrating();
    } else {
        showScreen();
    }
    restartTick();
}

void DisplayCycle::restartTick() {
    // A button may have enabled the timer during a long run; the next run still counts
    // from the end of this one.
    handset_.displayTick().setEnabled(false);
    handset_.displayTick().setEnabled(true);
}

void DisplayCycle::showScreen() {
    SimulationState& s = handset_.state();
    HandsetState& h = handset_.record();
    for (const FixedScreen& fixed : kFixedScreens) {
        if (fixed.screen == h.Screen) {
            handset_.showText(s.HandsetScreens[static_cast<std::size_t>(fixed.screen)]);
            h.Screen = fixed.next;
            return;
        }
    }
    if (auto menu = valueMenuText(s, h, h.Screen)) {
        handset_.showText(*menu);
        return;
    }
    switch (h.Screen) {
        case kBannerScreen:
            handset_.showText(s.HandsetScreens[kBannerScreen]);
            startupCheck();
            return;
        case kScrubberTimeScreen:
            handset_.showText(elapsedTimeText(s.ScrubberMinutes));
            h.Screen = kDiveNowConfirmScreen;
            return;
        case kSlaveWaitScreen:
            slaveWait();
            return;
        case kSlaveMainScreen:
        case kMasterMainScreen:
            return;  // the cell tick draws the main screens
        case kStartupCellFailureScreen:
            handset_.showText(startupCellFailureText(s.FailedCell));
            h.Screen = kStartupCellReplaceScreen;
            return;
        case kStartupCellReplaceScreen:
            handset_.showText(cellFailureText(s.FailedCell));
            h.Screen = kStartupNoDiveScreen;
            return;
        case kFailedCellScreen:
            handset_.showText(cellFailureText(s.DrawnCell));
            h.Screen = kOutOfRangeScreen;
            return;
        case kFailedCellReplaceScreen:
            handset_.showText(cellFailureText(s.DrawnCell));
            h.Screen = kFailedCellNoDiveScreen;
            return;
        case kOnTimeScreen:
            handset_.showText(elapsedTimeText(s.LeftHandset.OnMinutes));
            h.Screen = kResetQuestionScreen;
            return;
        case kOnTimeResetScreen:
            handset_.showText(elapsedTimeText(s.LeftHandset.OnMinutes));
            h.Screen = kMasterMainScreen;
            return;
        case kCellWarningScreen:
        case kLowOxygenScreen:
        case kHighOxygenScreen:
            handset_.showText(warningLine(h.Screen, h.CellPO2));
            return;
        default:
            // The blank screen, and any number the table does not know: an empty display.
            handset_.showText("");
            return;
    }
}

void DisplayCycle::startupCheck() {
    SimulationState& s = handset_.state();
    HandsetState& h = handset_.record();
    const auto failedCell = [&](int cell) {
        s.FailedCell = cell;
        h.Screen = kStartupCellFailureScreen;
    };
    const double cell1 = s.OxygenCells[1].AirMillivolts;
    if (cell1 < 7 || cell1 > 11)
        failedCell(1);
    else if (s.OxygenCells[2].AirMillivolts < 7)
        failedCell(2);
    else if (s.OxygenCells[3].AirMillivolts < 7)
        failedCell(3);
    else if (h.BatteryVolts >= 5.1 && h.BatteryVolts <= 5.7)
        h.Screen = kBatteryWarningScreen;
    else if (h.BatteryVolts < 5.1)
        h.Screen = kFlatBatteryScreen;
    else
        h.Screen = h.IsMaster == 1 ? kScrubberTimeScreen : kSlaveWaitScreen;
}

void DisplayCycle::slaveWait() {
    SimulationState& s = handset_.state();
    HandsetState& h = handset_.record();
    if (handset_.other().Screen == kMasterMainScreen) {
        h.Screen = kSlaveMainScreen;
    } else if (handset_.other().UnitOn == 0) {
        h.Screen = kMasterMainScreen;
        h.IsMaster = 1;
        handset_.context().sound.playIfEnabled(1, "LowO2.wav");
    } else {
        handset_.showText(s.HandsetScreens[kSlaveWaitScreen]);
    }
}

}  // namespace loopsim
