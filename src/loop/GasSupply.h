#pragma once

#include <memory>

#include "core/SimContext.h"

namespace loopsim {

class CylinderValve;

// Start and end of the presses on the gas buttons, in clock milliseconds. The manual
// diluent button and the ADV button share one pair. They keep their last values between
// presses, so a click that no press preceded repeats the previous press's length.
struct PressTimes {
    Millis PressStartTick = 0;
    Millis PressEndTick = 0;
    Millis OxygenPressStartTick = 0;
    Millis OxygenPressEndTick = 0;
    Millis DumpPressStartTick = 0;
};

// The cylinder valves, the manual addition buttons, the ADV enable box and its button, the
// dump valve, and the free flows and leaks.
class GasSupply {
  public:
    explicit GasSupply(SimContext& context);
    ~GasSupply();

  private:
    void oxygenPressed();
    void oxygenReleased();
    void oxygenClicked();
    void diluentPressed();
    void diluentReleased();
    void diluentClicked();
    void advButtonPressed();
    void advButtonReleased();
    void advButtonClicked();
    // The ADV's push button shows exactly while the box is ticked.
    void advBoxClicked();
    void dumpPressed();
    void dumpReleased();
    void freeFlowTick();

    // Mixes a manual addition into the loop and writes its message.
    void addByHand(double litres, double oxygenFraction, const char* message);

    SimContext& context_;
    ElementView& advBox_;
    ElementView& advButton_;
    ElementView& gaugeCover_;
    PressTimes press_;
    std::unique_ptr<CylinderValve> oxygenValve_;
    std::unique_ptr<CylinderValve> diluentValve_;
};

}  // namespace loopsim
