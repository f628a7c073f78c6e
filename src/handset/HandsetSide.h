// What tells the two handsets apart: their state records and the names of their window
// elements, timers and messages. Every handler of a handset works on one of these two
// descriptions, so the left and the right handset run the same code.
#pragma once

#include <string>

#include "core/SimulationState.h"

namespace loopsim {

struct HandsetSide {
    HandsetState SimulationState::*record;
    HandsetState SimulationState::*otherRecord;
    const char* name;           // "Left" or "Right": messages and SwitchOffSide
    const char* setpointCode;   // "L" or "R": SetpointSide
    const char* display;        // the two-line display text
    const char* displayTick;    // the display cycle's timer
    const char* picture;        // the handset picture
    const char* backlight;      // the display background the buttons light
    const char* backlightTick;  // puts the unlit colour back
    const char* pictureTick;    // puts the resting picture back after a hover
    const char* powerSwitch;    // the hardware on/off switch
    const char* leftButton;
    const char* middleButton;
    const char* rightButton;
    const char* bothOuterButtons;  // the area that stands for left and right held together
    const char* bothRightButtons;  // the area that stands for middle and right held together

    // "Left handset" or "Right handset", the start of every status message.
    std::string messagePrefix() const { return std::string(name) + " handset"; }
};

inline constexpr HandsetSide kLeftSide{
    &SimulationState::LeftHandset,
    &SimulationState::RightHandset,
    "Left",
    "L",
    "Label14",
    "Timer8",
    "Image2",
    "Shape1",
    "LHLightTimer",
    "Timer6",
    "LHOO",
    "Label8",
    "Label10",
    "Label9",
    "Label18",
    "Label19",
};

inline constexpr HandsetSide kRightSide{
    &SimulationState::RightHandset,
    &SimulationState::LeftHandset,
    "Right",
    "R",
    "Label15",
    "Timer9",
    "Image3",
    "Shape2",
    "RHLightTimer",
    "Timer7",
    "RHOO",
    "Label11",
    "Label12",
    "Label13",
    "Label20",
    "Label21",
};

}  // namespace loopsim
