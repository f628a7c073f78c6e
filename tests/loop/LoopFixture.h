// A fresh simulation driven the way the window and the runner drive it: actions on named
// elements at times of the virtual clock. Shared by the tests of the loop subsystems.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "core/Simulation.h"

namespace loopsim {

// Rows of a test table carry a name: it names the generated test and is what a failure
// prints instead of the row's bytes. A test file's rows live in its unnamed namespace,
// which argument lookup searches alone, so each file brings this in with a using-declaration.
template <typename Case>
requires requires(const Case& row) {
    row.name;
}
void PrintTo(const Case& row, std::ostream* out) {
    *out << row.name;
}
inline constexpr auto kCaseName = [](const auto& info) { return std::string(info.param.name); };

class LoopFixture : public ::testing::Test {
  public:
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

    // Stops every periodic tick, so a test sees only the handlers it drives.
    void stopTicks() {
        for (const SimTimer& timer : sim.clock().timers())
            sim.clock().timer(timer.name()).setEnabled(false);
    }
    void stopTick(const std::string& name) { sim.clock().timer(name).setEnabled(false); }
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

}  // namespace loopsim
