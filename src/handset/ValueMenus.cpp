#include "handset/ValueMenus.h"

#include <algorithm>

#include "handset/ScreenTexts.h"
#include "handset/Screens.h"

namespace loopsim {
namespace {

template <typename T>
void stepWithin(T& value, T step, MenuStep direction, T lowest, T highest) {
    value = direction == MenuStep::Up ? value + step : value - step;
    value = std::clamp(value, lowest, highest);
}

}  // namespace

std::optional<std::string> valueMenuText(const SimulationState& state, const HandsetState& handset,
                                         int screen) {
    switch (screen) {
        case kAmbientPressureMenu:
            return ambientPressureText(state.CalPressure);
        case kOxygenPercentMenu:
            return oxygenPercentText(state.CalOxygenPercent);
        case kHighSetpointMenu:
            return highSetpointText(handset.HighSetpoint);
        case kLowSetpointMenu:
            return lowSetpointText(handset.LowSetpoint);
        case kBrightnessMenu:
            return brightnessText(handset.Brightness);
        default:
            return std::nullopt;
    }
}

std::optional<std::string> stepValueMenu(SimulationState& state, HandsetState& handset, int screen,
                                         MenuStep step) {
    switch (screen) {
        case kAmbientPressureMenu:
            stepWithin(state.CalPressure, 10, step, 700, 1050);
            break;
        case kOxygenPercentMenu:
            stepWithin(state.CalOxygenPercent, 1, step, 21, 100);
            break;
        case kHighSetpointMenu:
            stepWithin(handset.HighSetpoint, 0.05, step, 1.0, 1.5);
            break;
        case kLowSetpointMenu:
            stepWithin(handset.LowSetpoint, 0.05, step, 0.5, 1.0);
            break;
        case kBrightnessMenu:
            stepWithin(handset.Brightness, 1, step, 0, 99);
            break;
        default:
            return std::nullopt;
    }
    return valueMenuText(state, handset, screen);
}

}  // namespace loopsim
