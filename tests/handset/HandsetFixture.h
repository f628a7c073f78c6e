// A fresh simulation with cells whose in-air outputs pass the start-up check, and short
// ways to act on the handsets and to read what they show. The handsets are tested on
// their own: the cell tick, the controller and the warning tick are stopped, so readings,
// screens and status messages change only by what the test and the handsets do.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "simulation/Simulation.h"

namespace loopsim {

struct HandsetRig {
    Simulation sim;
    SimulationState& s = sim.state();
    HandsetState& left = s.LeftHandset;
    HandsetState& right = s.RightHandset;

    HandsetRig() {
        const double air[] = {0, 10.5, 11.6, 9.5};
        for (std::size_t cell = 1; cell <= 3; ++cell) {
            s.OxygenCells[cell].AirMillivolts = air[cell];
            s.OxygenCells[cell].OffsetMillivolts = 0;
        }
        for (const char* other : {"CellMillivoltTimer", "ComputerTimer", "WarningTimer"})
            sim.clock().timer(other).setEnabled(false);
        sim.sound().takeLog();
    }

    void act(Verb verb, const std::string& element, const std::string& value = {}) {
        ASSERT_EQ(sim.apply({verb, element, value}), std::nullopt);
    }
    void tap(const std::string& element) { act(Verb::Tap, element); }
    void click(const std::string& element) { act(Verb::Click, element); }
    void press(const std::string& element) { act(Verb::Press, element); }
    void release(const std::string& element) { act(Verb::Release, element); }
    void move(const std::string& element) { act(Verb::Move, element); }

    void runFor(Millis milliseconds) { sim.advanceTo(sim.now() + milliseconds); }
    // Runs until the given timer has run once more.
    void runTimer(const std::string& name) {
        const SimTimer& timer = sim.clock().timer(name);
        const Millis due = timer.due();
        ASSERT_NE(due, kNever) << name << " is not running";
        sim.advanceTo(due);
    }

    std::string text(const std::string& element) {
        return sim.view().element(element).textOrEmpty();
    }
    std::string picture(const std::string& element) {
        return sim.view().element(element).picture().value_or("");
    }
    std::string tag(const std::string& element) {
        return sim.view().element(element).tag().value_or("");
    }
    std::optional<Rgb> fill(const std::string& element) {
        return sim.view().element(element).fill();
    }
    SimTimer& timer(const std::string& name) { return sim.clock().timer(name); }
    // The status message of one recording row; lastMessage() is the row being written.
    std::string messageAt(int row) {
        const auto* message =
            std::get_if<std::string>(&sim.recording().table().row(row)[kStatusColumn]);
        return message ? *message : std::string();
    }
    std::string lastMessage() { return messageAt(s.RecordIndex); }
    // The files played since the last call, in order, each as "channel:file" ("-7" for a stop).
    std::vector<std::string> sounds() {
        std::vector<std::string> result;
        for (const SoundCall& call : sim.sound().takeLog())
            result.push_back(call.isPlay ? std::to_string(call.channel) + ":" + call.file
                                         : "-" + std::to_string(call.channel));
        return result;
    }

    // A running handset put straight onto a screen, its next tick due a whole cycle on;
    // made the master when asked (otherwise its role is left as it is).
    void putOn(HandsetState& handset, int screen, bool master = false) {
        handset.SwitchOn = 1;
        handset.UnitOn = 1;
        handset.Screen = screen;
        if (master)
            handset.IsMaster = 1;
    }
};

struct HandsetFixture : ::testing::Test, HandsetRig {};

}  // namespace loopsim
