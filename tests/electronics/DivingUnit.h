// A simulation with both handsets running as they do in a dive: the left one master on
// its main screen, the right one slave on its own, both cylinder valves as a diver leaves
// them, at 20 m. The handset screens are set directly, not played through start-up.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Simulation.h"
#include "electronics/DisplayLines.h"
#include "electronics/FailureInjection.h"

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
    s.OxygenValve = "OPEN";
    s.DiluentValve = "OFF";
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

struct DivingUnit : ::testing::Test {
    Simulation simulation;
    SimulationState& s = simulation.state();

    void SetUp() override { setUpDivingUnit(simulation); }

    void advanceTo(Millis time) { simulation.advanceTo(time); }

    void act(Verb verb, const std::string& element, const std::string& value = {}) {
        ASSERT_FALSE(simulation.apply({verb, element, value}).has_value());
    }

    std::vector<SoundCall> callsOn(int channel) {
        std::vector<SoundCall> calls;
        for (const SoundCall& call : simulation.sound().log())
            if (call.channel == channel)
                calls.push_back(call);
        return calls;
    }

    std::string statusAt(int row) const {
        const RecordValue& value = simulation.recording().table().row(row)[kStatusColumn];
        const std::string* text = std::get_if<std::string>(&value);
        return text ? *text : std::string();
    }

    const std::string& textOf(const std::string& element) {
        return simulation.view().element(element).textOrEmpty();
    }
};

}  // namespace loopsim::testing
