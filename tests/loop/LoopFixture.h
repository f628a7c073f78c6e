// A fresh simulation driven the way the window and the runner drive it: actions on named
// elements at times of the virtual clock. Shared by the tests of the loop subsystems; a
// table-driven test makes one LoopRig per row, so every row starts from a fresh simulation.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "simulation/Simulation.h"

namespace loopsim {

struct LoopRig {
    Simulation sim;
    SimulationState& s = sim.state();

    void act(Verb verb, const std::string& element = {}, const std::string& value = {}) {
        const auto refused = sim.apply({verb, element, value});
        ASSERT_FALSE(refused) << *refused;
    }
    void tap(const std::string& element) { act(Verb::Tap, element); }
    void at(Millis time) { sim.advanceTo(time); }
    // Press now, release and click the given milliseconds later.
    void hold(const std::string& element, Millis milliseconds) {
        act(Verb::Press, element);
        at(sim.now() + milliseconds);
        act(Verb::Release, element);
        act(Verb::Click, element);
    }
    // Mouthpiece open, regulator in: the diver breathes from the loop.
    void breathe() {
        tap("Image18");
        tap("Image19");
    }

    // Stops every periodic tick but the ones named, so a test sees only what it drives.
    void onlyTicks(std::initializer_list<const char*> kept = {}) {
        for (const SimTimer& timer : sim.clock().timers())
            sim.clock().timer(timer.name()).setEnabled(false);
        for (const char* name : kept)
            sim.clock().timer(name).setEnabled(true);
    }
    const SimTimer& timer(const std::string& name) { return sim.clock().timer(name); }

    const ElementView& element(const std::string& name) { return sim.view().element(name); }

    // The status message of the present recording row, empty when there is none.
    std::string status() const {
        const RecordValue& value = sim.recording().table().row(s.RecordIndex)[kStatusColumn];
        const auto* text = std::get_if<std::string>(&value);
        return text ? *text : std::string();
    }

    std::vector<SoundCall> takeSounds() { return sim.sound().takeLog(); }
    static SoundCall played(Millis time, int channel, const char* file) {
        return {time, true, channel, file};
    }
    static SoundCall stopped(Millis time, int channel) { return {time, false, channel, {}}; }
};

struct LoopFixture : ::testing::Test, LoopRig {};

}  // namespace loopsim
