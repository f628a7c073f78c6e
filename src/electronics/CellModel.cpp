#include "electronics/CellModel.h"

#include "core/DisplayField.h"
#include "core/Elements.h"
#include "core/Format.h"
#include "electronics/DisplayLines.h"
#include "electronics/HandsetReadings.h"

namespace loopsim {

double idealMillivolts(const SimulationState& state, std::size_t cell) {
    const OxygenCell& c = state.OxygenCells[cell];
    return state.LoopPO2 * c.AirMillivolts * (100.0 / 21) - c.OffsetMillivolts -
           state.CellDrift[cell];
}

CellModel::CellModel(SimContext& context)
    : context_(context),
      millivolts_(context.view.element(elements::kCellMillivolts)),
      leftDisplay_(context.view.element(elements::kLeftHandset.display)),
      rightDisplay_(context.view.element(elements::kRightHandset.display)) {
    // The panel's design caption, until the first cell tick replaces it.
    millivolts_.setText("10      10      10");
    context.clock.timer("CellMillivoltTimer").setHandler([this] { cellTick(); });
    context.clock.timer("CellDriftTimer").setHandler([this] { driftTick(); });
}

void CellModel::cellTick() {
    SimulationState& s = context_.state;
    for (std::size_t cell = 1; cell <= 3; ++cell)
        followLoop(cell);

    // Twice a second: written into the same string each time.
    millivoltsText_.clear();
    for (std::size_t cell = 1; cell <= 3; ++cell) {
        if (cell > 1)
            millivoltsText_ += "   ";
        const double millivolts = s.OxygenCells[cell].Millivolts;
        if (fitsField(millivolts, kMillivoltField))
            appendNoLeadingZero(millivoltsText_, millivolts);
        else
            millivoltsText_ += kPastFieldText;
    }
    millivolts_.setText(millivoltsText_);

    updateCellReadings(s, ReadingLimit::Capped);
    drawMainLine(s.LeftHandset, leftDisplay_, leftLine_);
    drawMainLine(s.RightHandset, rightDisplay_, rightLine_);
}

void CellModel::followLoop(std::size_t cell) {
    SimulationState& s = context_.state;
    OxygenCell& c = s.OxygenCells[cell];
    if (c.Millivolts == 0)
        return;
    const double target = idealMillivolts(s, cell);
    const double old = c.Millivolts;
    if (static_cast<int>(cell) == s.SlowCell) {
        if (target > old)
            c.Millivolts = old + (target - old) / 4;
        else
            c.Millivolts = target + (old - target) / 4;
    } else {
        c.Millivolts = (old + target) / 2;
    }
    if (s.CellDrift[cell] != 0)
        s.CellDrift[cell] *= 1.01;
}

void CellModel::drawMainLine(const HandsetState& handset, ElementView& display,
                             MainLineText& line) {
    const double setpoint = context_.state.ActiveSetpoint;
    if (handset.Screen == kMasterMainScreen)
        display.setText(line(true, setpoint, handset.CellPO2));
    else if (handset.Screen == kSlaveMainScreen)
        display.setText(line(false, setpoint, handset.CellPO2));
}

void CellModel::driftTick() {
    for (std::size_t cell = 1; cell <= 3; ++cell)
        if (context_.state.CellDrift[cell] != 0)
            context_.state.CellDrift[cell] *= 2;
}

}  // namespace loopsim
