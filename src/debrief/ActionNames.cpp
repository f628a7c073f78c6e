#include "debrief/ActionNames.h"

#include <array>
#include <utility>

#include "core/Elements.h"
#include "core/Format.h"
#include "instructor/OptionsDialog.h"

namespace loopsim {
namespace {

using namespace elements;

struct RoleName {
    const char* element;
    const char* role;
};

constexpr std::array kRoleNames{
    RoleName{kLeftHandset.powerSwitch, "left handset power switch"},
    RoleName{kLeftHandset.leftButton, "left handset left button (YES)"},
    RoleName{kLeftHandset.middleButton, "left handset middle button (setpoint)"},
    RoleName{kLeftHandset.rightButton, "left handset right button (NO)"},
    RoleName{kLeftHandset.bothOuterButtons, "left handset outer buttons together"},
    RoleName{kLeftHandset.bothRightButtons, "left handset middle and right buttons together"},
    RoleName{kLeftHandset.picture, "left handset"},
    RoleName{kLeftHandset.display, "left handset display"},
    RoleName{kRightHandset.powerSwitch, "right handset power switch"},
    RoleName{kRightHandset.leftButton, "right handset left button (YES)"},
    RoleName{kRightHandset.middleButton, "right handset middle button (setpoint)"},
    RoleName{kRightHandset.rightButton, "right handset right button (NO)"},
    RoleName{kRightHandset.bothOuterButtons, "right handset outer buttons together"},
    RoleName{kRightHandset.bothRightButtons, "right handset middle and right buttons together"},
    RoleName{kRightHandset.picture, "right handset"},
    RoleName{kRightHandset.display, "right handset display"},
    RoleName{kMouthpiece, "mouthpiece"},
    RoleName{kRegulator, "regulator"},
    RoleName{kBailOutButton, "bail-out"},
    RoleName{kOxygenValve, "oxygen cylinder valve"},
    RoleName{kOxygenButton, "oxygen manual add"},
    RoleName{kDiluentValve, "diluent cylinder valve"},
    RoleName{kDiluentButton, "diluent manual add"},
    RoleName{kAdvBox, "automatic diluent valve on"},
    RoleName{kAdvButton, "automatic diluent valve"},
    RoleName{kDumpValve, "dump valve"},
    RoleName{kAscendArrow, "ascend"},
    RoleName{kDescendArrow, "descend"},
    RoleName{kDepthReadout, "depth"},
    RoleName{kAmbientPressureUpArrow, "surface pressure up"},
    RoleName{kAmbientPressureDownArrow, "surface pressure down"},
    RoleName{kAmbientPressureReadout, "surface pressure"},
    RoleName{kOxygenAnalysisUpArrow, "oxygen analysis up"},
    RoleName{kOxygenAnalysisDownArrow, "oxygen analysis down"},
    RoleName{kOxygenAnalysisReadout, "oxygen analysis"},
    RoleName{kMetabolicRateUpArrow, "metabolic rate up"},
    RoleName{kMetabolicRateDownArrow, "metabolic rate down"},
    RoleName{kMetabolicRateReadout, "metabolic rate"},
    RoleName{kSoundBox, "sound"},
    RoleName{kWarningsBox, "warnings"},
    RoleName{kExitButton, "exit"},
    RoleName{kOptionsButton, "options"},
    RoleName{kBugReportButton, "bug report"},
    RoleName{kApplyOptionsButton, "options: change now"},
    RoleName{kRefillScrubberButton, "options: refill scrubber"},
    RoleName{kChangeBatteriesButton, "options: change batteries"},
    RoleName{kFailureDelaySlider, "options: failure delay"},
    RoleName{kOptionsClose, "options: close"},
    RoleName{kReturnToLoopButton, "bail-out: return to the loop"},
    RoleName{kBailoutExitButton, "bail-out: exit"},
};

// The caption of the option box the element names, or nothing.
const OptionBox* optionBoxOf(std::string_view element) {
    for (const OptionBox& box : optionBoxes()) {
        if (element == optionBox(box.number))
            return &box;
    }
    return nullptr;
}

}  // namespace

std::string elementRoleName(std::string_view element) {
    for (const RoleName& name : kRoleNames) {
        if (element == name.element)
            return name.role;
    }
    if (const OptionBox* box = optionBoxOf(element))
        return "\"" + std::string(box->caption) + "\"";
    return std::string(element);
}

std::string describeAction(const Action& action) {
    const std::string role = elementRoleName(action.element);
    switch (action.verb) {
        case Verb::Hold: {
            const double seconds = parseNumber(action.value).value_or(0) / 1000;
            return "hold " + role + " " + formatFixed(seconds, 1) + " s";
        }
        case Verb::Check:
            return "tick " + role;
        case Verb::Uncheck:
            return "untick " + role;
        case Verb::Set:
            return action.element == kFailureDelaySlider ? role + " " + action.value + " min"
                                                         : role + " " + action.value;
        case Verb::Answer:
            return "type " + action.value;
        case Verb::Speed:
            return "speed ×" + action.value;
        case Verb::Note:
            return "note: " + action.value;
        default:
            break;
    }
    if (!verbTakesElement(action.verb))
        return std::string(verbName(action.verb));
    return std::string(verbName(action.verb)) + " " + role;
}

bool isInstructorAction(const Action& action) {
    const std::string_view element = action.element;
    return element == kOptionsButton ||
           element.substr(0, std::string_view(kOptionsDialog).size() + 1) ==
               std::string(kOptionsDialog) + ".";
}

}  // namespace loopsim
