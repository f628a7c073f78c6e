// The PO2 controller of the master handset. Every controller tick it votes one PO2 from
// the master's three readings (the reading furthest from the other two is discarded and
// the other two are averaged) and, when that is below the setpoint in force, fires the
// oxygen solenoid for a time that grows with the shortfall. An open solenoid adds 0.2 litre
// of cylinder gas at once and 0.2 litre more at the start of every further second; the
// rest of the simulation runs in between, so the cells see the loop PO2 rise step by step.
#pragma once

#include "core/SimContext.h"

namespace loopsim {

struct CellVote {
    double meanPO2 = 0;     // the mean of the two readings kept, before any rounding
    double cellSpread = 0;  // the larger gap between neighbouring sorted readings
};

// Sorts the readings of cells 1..3 and keeps the closer pair; equal gaps keep the lower pair.
CellVote voteCells(const CellValues& readings);

// How long the solenoid stays open for a shortfall: 13 s per bar less half a second,
// no shorter than 0.1 s and no longer than 15 s.
double fireSeconds(double setpoint, double handsetPO2);

class PO2Controller {
  public:
    explicit PO2Controller(SimContext& context);

    // ComputerTimer, every 6001 ms.
    Process controllerTick();

  private:
    bool mayFire(double handsetPO2) const;
    void drainBatteries();
    void startSolenoidSound(double seconds);

    SimContext& context_;
};

}  // namespace loopsim
