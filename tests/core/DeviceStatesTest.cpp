#include <gtest/gtest.h>

#include "core/DeviceStates.h"

namespace loopsim {
namespace {

// The texts the valve labels and the state dumps show, each state's own.
TEST(DeviceStates, EveryStateHasTheUnitsText) {
    const std::pair<std::string_view, std::string_view> rows[] = {
        {text(ValveState::Off), "OFF"},
        {text(ValveState::Open), "OPEN"},
        {text(SolenoidCondition::Normal), "Normal"},
        {text(SolenoidCondition::StuckOpen), "Open"},
        {text(SolenoidCondition::StuckClosed), "Closed"},
        {text(MouthpieceState::Closed), "Closed"},
        {text(MouthpieceState::Open), "Open"},
    };
    for (const auto& [actual, expected] : rows)
        EXPECT_EQ(actual, expected);
}

}  // namespace
}  // namespace loopsim
