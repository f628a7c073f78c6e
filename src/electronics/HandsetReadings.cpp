#include "electronics/HandsetReadings.h"

#include "electronics/DisplayLines.h"

namespace loopsim {

void updateCellReadings(SimulationState& state, ReadingLimit limit) {
    for (HandsetState* handset : {&state.LeftHandset, &state.RightHandset}) {
        for (std::size_t cell = 1; cell <= 3; ++cell) {
            double reading = state.OxygenCells[cell].Millivolts * handset->CellFactor[cell];
            if (limit == ReadingLimit::Capped && reading > kReadingCap)
                reading = kReadingCap;
            handset->CellPO2[cell] = reading;
        }
    }
}

HandsetState& masterHandset(SimulationState& state) {
    return state.LeftHandset.IsMaster == 1 ? state.LeftHandset : state.RightHandset;
}

void returnMasterToMainScreen(SimulationState& state) {
    for (HandsetState* handset : {&state.LeftHandset, &state.RightHandset})
        if (handset->IsMaster == 1 && handset->Screen > 49)
            handset->Screen = kMasterMainScreen;
}

bool eitherOnMasterMainScreen(const SimulationState& state) {
    return state.LeftHandset.Screen == kMasterMainScreen ||
           state.RightHandset.Screen == kMasterMainScreen;
}

}  // namespace loopsim
