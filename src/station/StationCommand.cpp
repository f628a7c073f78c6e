#include "station/StationCommand.h"

#include <algorithm>
#include <cmath>

#include "core/Elements.h"
#include "core/Format.h"
#include "core/MessageExcerpt.h"
#include "files/LoggableAction.h"
#include "files/Scenario.h"
#include "instructor/OptionsDialog.h"
#include "simulation/Simulation.h"

namespace loopsim {
namespace {

using Result = std::variant<StationCommand, std::string>;

const std::string* field(const StationRequest& request, std::string_view name) {
    auto found = request.fields.find(name);
    return found == request.fields.end() ? nullptr : &found->second;
}

std::optional<int> wholeNumber(std::string_view text, int lowest, int highest) {
    auto number = parseNumber(text);
    if (!number || std::floor(*number) != *number || *number < lowest || *number > highest)
        return std::nullopt;
    return static_cast<int>(*number);
}

// What the options window makes of the boxes wanted and the delay.
Result optionsCommand(const StationRequest& request, const Simulation& simulation) {
    std::uint32_t wanted = 0;
    if (const std::string* list = field(request, "failures")) {
        std::string_view rest = *list;
        while (!rest.empty()) {
            const std::size_t comma = std::min(rest.find(','), rest.size());
            auto number = wholeNumber(rest.substr(0, comma), 1, OptionsDialog::kBoxCount);
            if (!number)
                return "no failure option " + quotedExcerpt(rest.substr(0, comma)) +
                       ": the options are numbered 1 to " +
                       std::to_string(OptionsDialog::kBoxCount);
            wanted |= 1u << *number;
            rest.remove_prefix(std::min(comma + 1, rest.size()));
        }
    }
    int delay = 0;
    if (const std::string* text = field(request, "delay")) {
        auto minutes = wholeNumber(*text, 0, OptionsDialog::kLongestDelay);
        if (!minutes)
            return "the delay " + quotedExcerpt(*text) +
                   " is not a whole number of minutes from 0 to " +
                   std::to_string(OptionsDialog::kLongestDelay);
        delay = *minutes;
    }
    for (const auto& [one, other] :
         {std::pair{elements::kCellDrift, elements::kTwoCellDrift},
          std::pair{elements::kSolenoidStuckClosed, elements::kSolenoidStuckOpen},
          std::pair{elements::kMasterBatteryLow, elements::kMasterBatteryExhausted}}) {
        if ((wanted & (1u << one)) && (wanted & (1u << other)))
            return "failure options " + std::to_string(one) + " and " + std::to_string(other) +
                   " exclude each other";
    }

    StationCommand command;
    const OptionsDialog& options = simulation.optionsDialog();
    // Unticks first: ticking a box of an exclusive pair unticks its partner by itself.
    for (bool tick : {false, true}) {
        for (const OptionBox& box : optionBoxes()) {
            const bool want = (wanted & (1u << box.number)) != 0;
            if (want == tick && options.isTicked(box.number) != want)
                command.actions.push_back(
                    {want ? Verb::Check : Verb::Uncheck, elements::optionBox(box.number), {}});
        }
    }
    if (options.delayMinutes() != delay)
        command.actions.push_back(
            {Verb::Set, elements::kFailureDelaySlider, std::to_string(delay)});
    command.actions.push_back({Verb::Tap, elements::kApplyOptionsButton, {}});
    return command;
}

bool pageMayUse(Verb verb) {
    switch (verb) {
        case Verb::Press:
        case Verb::Release:
        case Verb::Click:
        case Verb::Tap:
        case Verb::Hold:
        case Verb::DblClick:
        case Verb::Move:
        case Verb::Check:
        case Verb::Uncheck:
        case Verb::Set:
            return true;
        default:
            return false;
    }
}

// What only the trainee may press: the ways out of the session, which write its files, and
// the bug report form, which sends mail.
bool traineeOnly(std::string_view element) {
    return element == elements::kExitButton || element == elements::kBailoutExitButton ||
           element == elements::kBugReportButton ||
           element.starts_with(std::string(elements::kBugReportDialog) + ".");
}

// One action, checked as a scenario line is: the verb, the element's name and kind, the value.
Result actionCommand(const StationRequest& request, const Simulation& simulation) {
    const std::string* verbText = field(request, "verb");
    const std::string* element = field(request, "element");
    if (!verbText || !element)
        return std::string("an action needs a verb and an element");
    auto verb = verbFromName(*verbText);
    if (!verb || !pageMayUse(*verb))
        return "the station does not send " + quotedExcerpt(*verbText) +
               " (it sends press, release, click, tap, hold, dblclick, move, check, uncheck, "
               "set)";
    std::string line = "0 " + *verbText + " " + *element;
    if (const std::string* value = field(request, "value"))
        line += " " + *value;
    if (line.find_first_of("\r\n") != std::string::npos)
        return "an action is one line";
    if (traineeOnly(*element))
        return quotedExcerpt(*element) + " is the trainee's to press, not the station's";
    Scenario parsed = parseScenario(line, &simulation.input());
    if (parsed.error)
        return parsed.error->message;
    if (parsed.lines.size() != 1)
        return std::string("an action is one line");
    StationCommand command;
    command.actions.push_back(parsed.lines.front().action);
    return command;
}

Result noteCommand(const StationRequest& request) {
    const std::string* text = field(request, "text");
    if (!text || text->empty())
        return std::string("a note needs its text");
    if (text->size() > kLongestStationNote)
        return "a note holds at most " + std::to_string(kLongestStationNote) + " bytes";
    auto loggable = loggableAction(Action{Verb::Note, {}, *text});
    StationCommand command;
    command.kind = StationCommand::Kind::Note;
    command.actions.push_back(*loggable);
    return command;
}

Result simpleCommand(StationCommand::Kind kind) {
    StationCommand command;
    command.kind = kind;
    return command;
}

}  // namespace

std::variant<StationCommand, std::string> readStationCommand(const StationRequest& request,
                                                             const Simulation& simulation) {
    const std::string* type = field(request, "type");
    if (!type)
        return std::string("a message needs its \"type\"");
    if (*type == "hello") {
        const std::string* code = field(request, "code");
        if (!code)
            return std::string("pairing needs the code the simulator shows");
        StationCommand command =
            std::get<StationCommand>(simpleCommand(StationCommand::Kind::Hello));
        command.text = *code;
        return command;
    }
    if (*type == "options")
        return optionsCommand(request, simulation);
    if (*type == "action")
        return actionCommand(request, simulation);
    if (*type == "pause")
        return simpleCommand(StationCommand::Kind::Pause);
    if (*type == "resume")
        return simpleCommand(StationCommand::Kind::Resume);
    if (*type == "speed") {
        const std::string* value = field(request, "value");
        auto speed = value ? wholeNumber(*value, 1, kFastestScenarioSpeed) : std::nullopt;
        if (!speed)
            return "the speed is a whole number from 1 to " + std::to_string(kFastestScenarioSpeed);
        StationCommand command =
            std::get<StationCommand>(simpleCommand(StationCommand::Kind::Speed));
        command.speed = *speed;
        return command;
    }
    if (*type == "drill") {
        const std::string* name = field(request, "name");
        if (!name || name->empty())
            return std::string("a drill is started by its name");
        StationCommand command =
            std::get<StationCommand>(simpleCommand(StationCommand::Kind::Drill));
        command.text = *name;
        return command;
    }
    if (*type == "note")
        return noteCommand(request);
    return "unknown message type " + quotedExcerpt(*type);
}

}  // namespace loopsim
