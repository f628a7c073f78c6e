// The one record of simulator state. Every tick and every handler reads and writes these
// fields directly; the names are the unit's own. Numbers are doubles unless the unit keeps
// a whole number; device states are the types of core/DeviceStates.h.
// One record belongs to one Simulation object: a test may make as many as it likes.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/DeviceStates.h"
#include "core/HandsetState.h"
#include "core/ViewModel.h"

namespace loopsim {

struct OxygenCell {
    double AirMillivolts = 0;     // output in air (0.21 bar): the cell's sensitivity
    double Millivolts = 0;        // present output
    double OffsetMillivolts = 0;  // fixed error subtracted from the ideal output
};

inline constexpr int kScreenCount = 56;

struct SimulationState {
    // Environment
    int Depth = 0;             // whole metres, 0..40
    int DepthStep = 0;         // metres per click of a depth arrow
    int AmbientPressure = 0;   // millibar at the surface, 750..1050
    int OxygenAnalysis = 0;    // percent oxygen of the oxygen cylinder
    double MetabolicRate = 0;  // litres of oxygen per minute

    // Breathing loop
    double LoopPO2 = 0;            // bar, the true oxygen partial pressure
    double CounterlungVolume = 0;  // percent of a full counterlung
    int LoopCapacity = 0;          // litres of gas at CounterlungVolume 100

    // Gas supply
    ValveState OxygenValve = ValveState::Off;
    ValveState DiluentValve = ValveState::Off;
    SolenoidCondition SolenoidState = SolenoidCondition::Normal;

    // Diver
    MouthpieceState Mouthpiece = MouthpieceState::Closed;
    int Breathing = 0;
    double ScrubberMinutes = 0;

    // Failures in force (1 = in force)
    int AdvFailed = 0;
    int AdvFreeFlow = 0;
    int OxygenInjectorFailed = 0;
    int OxygenInjectorStuckOn = 0;
    int DiluentInjectorFailed = 0;
    int DiluentInjectorStuckOn = 0;
    int OxygenButtonMissing = 0;
    int DiluentButtonMissing = 0;
    int DumpValveFailed = 0;
    int DarkAtDepth = 0;
    int SlowCell = 0;        // cell 1..3 that responds slowly; anything else: none
    CellValues CellDrift{};  // millivolts per cell 1..3; slot 0 may be written, never read

    // Electronics
    std::array<OxygenCell, 4> OxygenCells{};  // cells 1..3; slot 0 is never read
    double ActiveSetpoint = 0;
    std::string HandsetPO2;  // the voted PO2 as "0.00", empty until the first vote
    double CellSpread = 0;
    Rgb DisplayColour;
    int SoundEnabled = 0;
    int DrawnCell = 0;
    std::string SetpointSide;   // "L" or "R"
    std::string SwitchOffSide;  // "Left" or "Right"
    std::uint32_t OptionsSetTime = 0;

    // Handsets
    HandsetState LeftHandset;
    HandsetState RightHandset;
    std::array<std::string, kScreenCount> HandsetScreens;
    int CalPressure = 0;       // millibar assumed by calibration
    int CalOxygenPercent = 0;  // percent assumed by calibration
    double CalibrationCount = 0;
    int FailedCell = 0;  // the cell that failed the start-up check

    // Recording
    int RecordIndex = 0;  // present row of the recording table, 0..18000

    // Application shell
    int DisclaimerAccepted = 0;
};

}  // namespace loopsim
