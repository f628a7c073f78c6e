// The lines a running handset shows on its main and warning screens: a title, a pad of
// spaces and the handset's three cell readings. The cell tick, the warning tick and the
// display cycle all draw these same lines.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/HandsetState.h"

namespace loopsim {

inline constexpr int kMasterMainScreen = 17;
inline constexpr int kSlaveMainScreen = 5;
inline constexpr int kCellWarningScreen = 50;
inline constexpr int kLowOxygenScreen = 51;
inline constexpr int kHighOxygenScreen = 52;
inline constexpr int kLowBatteryScreen = 54;

// "      MASTER   " or "       SLAVE   ", the setpoint as "0.0", eight spaces, the readings.
std::string mainLine(bool master, double activeSetpoint, const CellValues& cellPO2);
// The main line of one display, worked out again only when what it shows has changed: the
// cell tick draws it twice a second, and settled readings keep it the same for minutes.
class MainLineText {
  public:
    const std::string& operator()(bool master, double activeSetpoint, const CellValues& cellPO2);

  private:
    // The setpoint and the three readings as the line shows them.
    using ShownValues = std::array<std::optional<std::int64_t>, 4>;
    static ShownValues shownValues(double activeSetpoint, const CellValues& cellPO2);

    bool drawn_ = false;
    bool master_ = false;
    ShownValues shown_{};
    std::string text_;
};

// The cell warning, low oxygen or high oxygen line (screens 50, 51, 52) with the readings.
std::string warningLine(int screen, const CellValues& cellPO2);
// The three readings as "0.00", the given separator between them, appended to out.
void appendCellReadings(std::string& out, const CellValues& cellPO2, std::string_view separator);
// The title, then the readings so.
std::string titledReadings(std::string_view title, const CellValues& cellPO2,
                           std::string_view separator);

}  // namespace loopsim
