// The three oxygen cells. A cell's output follows the loop PO2 with a lag: it closes half
// the gap to its ideal output every cell tick, or, when it is the slow cell, a quarter of
// the gap upwards and three quarters downwards. The ideal output is the loop PO2 times the
// cell's in-air output per 0.21 bar, less the cell's own offset and its drift. A drift grows
// by 1% every cell tick and doubles every minute; a cell held at exactly 0 mV (a failed
// cell) neither follows the loop nor drifts on the cell tick.
//
// Every cell tick also shows the raw millivolts on the electronics panel, turns them into
// each handset's readings and redraws a handset's main line while it shows a main screen.
#pragma once

#include <string>

#include "core/SimContext.h"
#include "electronics/DisplayLines.h"

namespace loopsim {

// The output a cell settles at in the present loop gas, in millivolts.
double idealMillivolts(const SimulationState& state, std::size_t cell);

class CellModel {
  public:
    explicit CellModel(SimContext& context);

    // CellMillivoltTimer, every 502 ms.
    void cellTick();
    // CellDriftTimer, every minute.
    void driftTick();

  private:
    void followLoop(std::size_t cell);
    void drawMainLine(const HandsetState& handset, ElementView& display, MainLineText& line);

    SimContext& context_;
    ElementView& millivolts_;
    std::string millivoltsText_;
    ElementView& leftDisplay_;
    ElementView& rightDisplay_;
    MainLineText leftLine_;
    MainLineText rightLine_;
};

}  // namespace loopsim
