// The option tick: after the instructor's delay it applies every failure option at once,
// each by its own box, in a fixed order, then switches itself off. Until then it comes
// every 10 s; every tick, the applying one included, notes "Options Changed" in the
// recording.
//
// Options that pick a cell draw one at random: 0 to 3, where 0 names no cell and the change
// lands in the unused slot 0 of the cell tables. "Cell Failure " cleared restores whichever
// cell was drawn last, by any option. The two drift boxes share the drifts: a ticked box
// adds its drift; "Cell Drift" clear stops every drift, "2 Cell Concurrent Drift" clear only
// when "Cell Drift" is clear too. So "Cell Drift" applied twice may leave two cells
// drifting, "2 Cell Concurrent Drift" applied leaves exactly its two.
#pragma once

#include "core/SimContext.h"

namespace loopsim {

class OptionsDialog;

// The cell for a uniform number in [0, 1): 3.5 × r rounded to the nearest whole number,
// halves to even, so 0 has a chance of 1 in 7 and each cell 2 in 7.
int drawnCellFor(double uniform);

class FailureInjection {
  public:
    FailureInjection(SimContext& context, OptionsDialog& options);

    // OptionTimer: 10 ms after the options are confirmed, then every 10 s.
    void optionTick();

  private:
    void applyOptions();
    void applyCellOptions();
    void applyBatteryOptions();
    void applyPhysicalFailures();
    int drawCell();
    void switchSlaveOff();
    void switchMasterOff();

    SimContext& context_;
    OptionsDialog& options_;
};

}  // namespace loopsim
