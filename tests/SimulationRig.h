// A fresh simulation driven the way the window and the runner drive it: actions on named
// elements at times of the virtual clock, and short ways to read what it shows and plays.
// A table-driven test makes one Rig per row, so that every row starts afresh.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "electronics/DisplayLines.h"
#include "simulation/Simulation.h"

namespace loopsim::test {

struct Rig {
    Rig() { sim.sound().setLogging(true); }

    Simulation sim;
    SimulationState& s = sim.state();
    HandsetState& left = s.LeftHandset;
    HandsetState& right = s.RightHandset;

    void act(Verb verb, const std::string& element = {}, const std::string& value = {}) {
        const auto refused = sim.apply({verb, element, value});
        ASSERT_FALSE(refused) << *refused;
    }
    void tap(const std::string& element) { act(Verb::Tap, element); }
    void press(const std::string& element) { act(Verb::Press, element); }

    void at(Millis time) { sim.advanceTo(time); }
    void runFor(Millis milliseconds) { at(sim.now() + milliseconds); }
    // Runs until the named timer has run once more.
    void runTimer(const std::string& name) {
        ASSERT_NE(timer(name).due(), kNever) << name << " is not running";
        at(timer(name).due());
    }
    SimTimer& timer(const std::string& name) { return sim.clock().timer(name); }

    ElementView& element(const std::string& name) { return sim.view().element(name); }
    std::string text(const std::string& name) { return element(name).textOrEmpty(); }
    // The status message of a recording row, by default the row being written.
    std::string status(int row = -1) {
        const RecordValue& value =
            sim.recording().table().row(row < 0 ? s.RecordIndex : row)[kStatusColumn];
        const auto* message = std::get_if<std::string>(&value);
        return message ? *message : std::string();
    }
    // The sound calls since the last look, as "time channel:file", or "time -channel" for a
    // stop.
    std::vector<std::string> sounds() {
        std::vector<std::string> calls;
        for (const SoundCall& call : sim.sound().takeLog())
            calls.push_back(std::to_string(call.time) + " " +
                            (call.isPlay ? std::to_string(call.channel) + ":" + call.file
                                         : "-" + std::to_string(call.channel)));
        return calls;
    }

    // A running handset put straight onto a screen, made the master when asked.
    void putOn(HandsetState& handset, int screen, bool master = false) {
        handset.SwitchOn = 1;
        handset.UnitOn = 1;
        handset.Screen = screen;
        if (master)
            handset.IsMaster = 1;
    }
    // Both handsets running as in a dive, set directly: the left one master on its main
    // screen, the right one slave on its own, the oxygen valve open, at 20 m.
    void diving() {
        putOn(left, kMasterMainScreen, true);
        putOn(right, kSlaveMainScreen);
        s.OxygenValve = ValveState::Open;
        s.Depth = 20;
    }
};

struct RigTest : ::testing::Test, Rig {};

}  // namespace loopsim::test
