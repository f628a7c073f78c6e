#include "core/HandsetState.h"

namespace loopsim {

double HandsetState::slot(int number) const {
    switch (number) {
        case 1:
            return UnitOn;
        case 3:
        case 4:
        case 5:
            return CellPO2[number - 2];
        case 6:
        case 7:
        case 8:
            return CellFactor[number - 5];
        case 9:
            return OnMinutes;
        case 10:
            return HighSetpoint;
        case 11:
            return LowSetpoint;
        case 12:
            return IsMaster;
        case 13:
            return SwitchOn;
        case 14:
            return Screen;
        case 15:
            return Brightness;
        case 16:
            return BatteryVolts;
        default:
            return 0;
    }
}

void HandsetState::setSlot(int number, double value) {
    const int whole = static_cast<int>(value);
    switch (number) {
        case 1:
            UnitOn = whole;
            break;
        case 3:
        case 4:
        case 5:
            CellPO2[number - 2] = value;
            break;
        case 6:
        case 7:
        case 8:
            CellFactor[number - 5] = value;
            break;
        case 9:
            OnMinutes = value;
            break;
        case 10:
            HighSetpoint = value;
            break;
        case 11:
            LowSetpoint = value;
            break;
        case 12:
            IsMaster = whole;
            break;
        case 13:
            SwitchOn = whole;
            break;
        case 14:
            Screen = whole;
            break;
        case 15:
            Brightness = whole;
            break;
        case 16:
            BatteryVolts = value;
            break;
        default:
            break;
    }
}

}  // namespace loopsim
