// A simulation with both handsets running as they do in a dive: the left one master on
// its main screen, the right one slave on its own, both cylinder valves as a diver leaves
// them, at 20 m. The handset screens are set directly, not played through start-up.
#pragma once

#include <string>
#include <vector>

#include "electronics/DisplayLines.h"
#include "electronics/FailureInjection.h"
#include "loop/LoopFixture.h"

namespace loopsim::testing {

inline void setUpDivingUnit(Simulation& simulation) {
    SimulationState& s = simulation.state();
    for (HandsetState* handset : {&s.LeftHandset, &s.RightHandset}) {
        handset->UnitOn = 1;
        handset->SwitchOn = 1;
    }
    s.LeftHandset.IsMaster = 1;
    s.LeftHandset.Screen = kMasterMainScreen;
    s.RightHandset.IsMaster = 0;
    s.RightHandset.Screen = kSlaveMainScreen;
    s.OxygenValve = ValveState::Open;
    s.DiluentValve = ValveState::Off;
    s.Depth = 20;
}

// Moves the simulation's generator on until its next draws pick exactly these cells.
inline void steerCellDraws(Random& random, const std::vector<int>& cells) {
    for (;;) {
        Random probe = random;
        bool matches = true;
        for (int cell : cells)
            matches = matches && drawnCellFor(probe.next()) == cell;
        if (matches)
            return;
        random.next();
    }
}

// The unit above; a table-driven test makes one per row.
struct UnitRig : LoopRig {
    UnitRig() { setUpDivingUnit(sim); }

    std::vector<SoundCall> callsOn(int channel) {
        std::vector<SoundCall> calls;
        for (const SoundCall& call : sim.sound().log())
            if (call.channel == channel)
                calls.push_back(call);
        return calls;
    }
    std::string statusAt(int row) const {
        const RecordValue& value = sim.recording().table().row(row)[kStatusColumn];
        const std::string* text = std::get_if<std::string>(&value);
        return text ? *text : std::string();
    }
    const std::string& textOf(const std::string& element) {
        return sim.view().element(element).textOrEmpty();
    }
};

struct DivingUnit : ::testing::Test, UnitRig {};

}  // namespace loopsim::testing
