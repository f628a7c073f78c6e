// What tells the two handsets apart: their state records, their window elements (from the
// one table of elements) and the names of their timers and messages. Every handler of a
// handset works on one of these two descriptions, so the left and the right handset run
// the same code.
#pragma once

#include <string>

#include "core/Elements.h"
#include "core/SimulationState.h"

namespace loopsim {

struct HandsetSide : elements::HandsetElements {
    HandsetState SimulationState::*record;
    HandsetState SimulationState::*otherRecord;
    const char* name;           // "Left" or "Right": messages and SwitchOffSide
    const char* setpointCode;   // "L" or "R": SetpointSide
    const char* displayTick;    // the display cycle's timer
    const char* backlightTick;  // puts the unlit colour back
    const char* pictureTick;    // puts the resting picture back after a hover

    // "Left handset" or "Right handset", the start of every status message.
    std::string messagePrefix() const { return std::string(name) + " handset"; }
};

inline constexpr HandsetSide kLeftSide{
    elements::kLeftHandset,
    &SimulationState::LeftHandset,
    &SimulationState::RightHandset,
    "Left",
    "L",
    "Timer8",
    "LHLightTimer",
    "Timer6",
};

inline constexpr HandsetSide kRightSide{
    elements::kRightHandset,
    &SimulationState::RightHandset,
    &SimulationState::LeftHandset,
    "Right",
    "R",
    "Timer9",
    "RHLightTimer",
    "Timer7",
};

}  // namespace loopsim
