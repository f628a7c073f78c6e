// One handset's record. The unit's electronics keep it as 17 numbered slots (0 and 2
// unused); the fields below are those slots by name, each marked with its number. Cell
// readings and factors are indexed by cell number 1..3; index 0 is unused.
#pragma once

#include <array>

namespace loopsim {

using CellValues = std::array<double, 4>;

struct HandsetState {
    int UnitOn = 0;           // slot 1
    CellValues CellPO2{};     // slots 3, 4, 5
    CellValues CellFactor{};  // slots 6, 7, 8
    double OnMinutes = 0;     // slot 9
    double HighSetpoint = 0;  // slot 10
    double LowSetpoint = 0;   // slot 11
    int IsMaster = 0;         // slot 12
    int SwitchOn = 0;         // slot 13
    int Screen = 0;           // slot 14
    int Brightness = 0;       // slot 15
    double BatteryVolts = 0;  // slot 16
};

}  // namespace loopsim
