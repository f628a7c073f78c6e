// The states of the unit's cylinder valves, solenoid and mouthpiece. Each state has the
// unit's own text, which the valve labels and the state dumps show; text() is the one place
// those texts live. The states are distinct types, so a valve's "OPEN" cannot be mistaken
// for the mouthpiece's "Open".
#pragma once

#include <string_view>

namespace loopsim {

// A cylinder valve, oxygen or diluent.
enum class ValveState { Off, Open };

// The solenoid as failure injection leaves it: working, or stuck open or closed.
enum class SolenoidCondition { Normal, StuckOpen, StuckClosed };

enum class MouthpieceState { Closed, Open };

constexpr std::string_view text(ValveState state) {
    switch (state) {
        case ValveState::Off:
            return "OFF";
        case ValveState::Open:
            return "OPEN";
    }
    return {};
}

constexpr std::string_view text(SolenoidCondition condition) {
    switch (condition) {
        case SolenoidCondition::Normal:
            return "Normal";
        case SolenoidCondition::StuckOpen:
            return "Open";
        case SolenoidCondition::StuckClosed:
            return "Closed";
    }
    return {};
}

constexpr std::string_view text(MouthpieceState state) {
    switch (state) {
        case MouthpieceState::Closed:
            return "Closed";
        case MouthpieceState::Open:
            return "Open";
    }
    return {};
}

}  // namespace loopsim
