#include "debrief/FailureResponses.h"

#include <algorithm>
#include <array>

#include "core/Elements.h"
#include "instructor/OptionsDialog.h"

namespace loopsim {
namespace {

using namespace elements;

// What a diver does about a failure, in the groups the table uses.
constexpr std::array<const char*, 2> kBailOut{kBailOutButton, kReturnToLoopButton};
// Checking the readings against a known gas: a diluent flush, or oxygen added by hand.
constexpr std::array<const char*, 5> kGasCheck{kDiluentButton, kOxygenButton, kDumpValve,
                                               kBailOutButton, kAdvButton};
constexpr std::array<const char*, 3> kFlyOnOxygen{kOxygenButton, kOxygenValve, kBailOutButton};
constexpr std::array<const char*, 4> kStopOxygen{kOxygenValve, kDiluentButton, kDumpValve,
                                                 kBailOutButton};
constexpr std::array<const char*, 4> kStopDiluent{kDiluentValve, kDumpValve, kOxygenButton,
                                                  kBailOutButton};
constexpr std::array<const char*, 3> kDiluentByHand{kDiluentButton, kAdvBox, kBailOutButton};
constexpr std::array<const char*, 12> kHandsetButtons{
    kLeftHandset.powerSwitch,
    kLeftHandset.leftButton,
    kLeftHandset.middleButton,
    kLeftHandset.rightButton,
    kRightHandset.powerSwitch,
    kRightHandset.leftButton,
    kRightHandset.middleButton,
    kRightHandset.rightButton,
    kLeftHandset.bothOuterButtons,
    kRightHandset.bothOuterButtons,
    kBailOutButton,
    kOxygenButton,
};

constexpr std::array kResponses{
    FailureResponse{kMustCalibrate, "must_calibrate", "calibrate from a handset", kHandsetButtons},
    FailureResponse{kDarkAtDepth, "dark_at_depth", "light the display, check the readings",
                    kHandsetButtons},
    FailureResponse{kCellSlow, "cell_slow", "check the cells with a flush", kGasCheck},
    FailureResponse{kCellDrift, "cell_drift", "check the cells with a diluent flush", kGasCheck},
    FailureResponse{kTwoCellDrift, "two_cell_drift",
                    "check the cells with a diluent flush, bail out", kGasCheck},
    FailureResponse{kCellFailure, "cell_failure", "check the cells with a flush", kGasCheck},
    FailureResponse{kBatteryBounce, "battery_bounce", "watch the handsets", kHandsetButtons},
    FailureResponse{kSolenoidStuckClosed, "solenoid_stuck_closed",
                    "add oxygen by hand, or bail out", kFlyOnOxygen},
    FailureResponse{kMasterBatteryLow, "master_battery_low", "end the dive, watch the handsets",
                    kHandsetButtons},
    FailureResponse{kMasterBatteryExhausted, "master_battery_exhausted",
                    "end the dive on the other handset", kHandsetButtons},
    FailureResponse{kSolenoidStuckOpen, "solenoid_stuck_open",
                    "close the oxygen valve, flush with diluent", kStopOxygen},
    FailureResponse{kAdvFailed, "adv_failed", "add diluent by hand", kDiluentByHand},
    FailureResponse{kAdvFreeFlow, "adv_free_flow", "close the diluent valve", kStopDiluent},
    FailureResponse{kOxygenInjectorFailed, "oxygen_add_failed", "fly on the solenoid, bail out",
                    kBailOut},
    FailureResponse{kOxygenInjectorStuckOn, "oxygen_add_stuck_on",
                    "close the oxygen valve, flush with diluent", kStopOxygen},
    FailureResponse{kDiluentInjectorStuckOn, "diluent_add_stuck_on",
                    "close the diluent valve, add oxygen", kStopDiluent},
    FailureResponse{kDiluentInjectorFailed, "diluent_add_failed", "use the ADV, bail out",
                    kDiluentByHand},
    FailureResponse{kSlaveTurnedOff, "slave_turned_off", "switch the handset on again",
                    kHandsetButtons},
    FailureResponse{kMasterTurnedOff, "master_turned_off", "switch the handset on again",
                    kHandsetButtons},
    FailureResponse{kHandsetFlood, "handset_flood", "bail out", kBailOut},
    FailureResponse{kOxygenButtonMissing, "oxygen_add_missing", "fly on the solenoid", kBailOut},
    FailureResponse{kDumpValveMissing, "dump_valve_missing", "vent through the nose", kBailOut},
    FailureResponse{kDiluentButtonMissing, "diluent_add_missing", "use the ADV", kDiluentByHand},
};

}  // namespace

std::span<const FailureResponse> failureResponses() {
    return kResponses;
}

const FailureResponse* failureResponse(int option) {
    for (const FailureResponse& response : kResponses) {
        if (response.option == option)
            return &response;
    }
    return nullptr;
}

std::string failureName(int option) {
    for (const OptionBox& box : optionBoxes()) {
        if (box.number != option)
            continue;
        std::string caption = box.caption;
        while (!caption.empty() && caption.back() == ' ')
            caption.pop_back();
        return caption == "Physical Failure" ? std::string(box.frame) + ": " + caption : caption;
    }
    return {};
}

bool answers(const FailureResponse& failure, std::string_view element) {
    return std::any_of(failure.elements.begin(), failure.elements.end(),
                       [element](const char* answering) { return element == answering; });
}

}  // namespace loopsim
