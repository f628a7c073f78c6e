// The warning tick: once a second the master checks the true loop PO2, the spread of its
// cells and both batteries. Low oxygen is checked on its own; then the first of high
// oxygen, cell warning, left battery and right battery that holds is given. Each warning
// sounds the alarm, writes its status message and puts a handset on its warning screen,
// so when low oxygen and a later warning hold together the later one keeps the screen.
#pragma once

#include <string_view>

#include "core/SimContext.h"
#include "electronics/DisplayLines.h"

namespace loopsim {

inline constexpr double kLowOxygenPO2 = 0.4;
inline constexpr double kHighOxygenPO2 = 1.6;
inline constexpr double kCellWarningSpread = 0.15;
inline constexpr double kLowBatteryVolts = 5.3;

class Warnings {
  public:
    explicit Warnings(SimContext& context);

    // WarningTimer, every 1000 ms.
    void warningTick();

  private:
    void alarm(std::string_view message);
    void showWarning(HandsetState& master, ElementView& display, int screen);

    SimContext& context_;
    ElementView& leftDisplay_;
    ElementView& rightDisplay_;
    MainLineText leftLine_;
    MainLineText rightLine_;
};

}  // namespace loopsim
