// The numbers of a handset's display states. A number names the screen that the next run
// of the display cycle handles; the main and warning screens are in DisplayLines.h.
#pragma once

#include "electronics/DisplayLines.h"

namespace loopsim {

inline constexpr int kBlankScreen = 0;
inline constexpr int kBannerScreen = 1;
inline constexpr int kScrubberTimeScreen = 2;
inline constexpr int kDiveNowConfirmScreen = 3;
inline constexpr int kSlaveWaitScreen = 4;
inline constexpr int kBatteryWarningScreen = 6;
inline constexpr int kDiveNowQuestionScreen = 7;
inline constexpr int kFlatBatteryScreen = 8;
inline constexpr int kFlatBatteryNoDiveScreen = 9;
inline constexpr int kStartupCellFailureScreen = 10;
inline constexpr int kStartupCellReplaceScreen = 11;
inline constexpr int kStartupNoDiveScreen = 12;
inline constexpr int kCheckDiluentScreen = 13;
inline constexpr int kCalibrateQuestionScreen = 14;
inline constexpr int kMustCalibrateScreen = 15;
inline constexpr int kOpenValveScreen = 16;
inline constexpr int kAmbientPressureMenu = 18;
inline constexpr int kOxygenPercentMenu = 19;
inline constexpr int kOpenMouthpieceScreen = 20;
inline constexpr int kStartFlushScreen = 21;
inline constexpr int kFlushScreen = 22;
inline constexpr int kNoOxygenScreen = 23;
inline constexpr int kNoOxygenNoCalibrationScreen = 24;
inline constexpr int kNoOxygenNoDiveScreen = 25;
inline constexpr int kCellStuckScreen = 26;
inline constexpr int kFailedCellScreen = 27;
inline constexpr int kOutOfRangeScreen = 28;
inline constexpr int kFailedCellReplaceScreen = 29;
inline constexpr int kFailedCellNoDiveScreen = 30;
inline constexpr int kFailedCellNoCalibrationScreen = 31;
inline constexpr int kCalibratingScreen = 32;
inline constexpr int kHighSetpointMenu = 40;
inline constexpr int kLowSetpointMenu = 41;
inline constexpr int kBrightnessMenu = 42;
inline constexpr int kOnTimeScreen = 43;
inline constexpr int kResetQuestionScreen = 44;
inline constexpr int kOnTimeResetScreen = 45;

}  // namespace loopsim
