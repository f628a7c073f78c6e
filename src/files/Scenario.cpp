#include "files/Scenario.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "core/Format.h"
#include "core/MessageExcerpt.h"
#include "files/FileText.h"

namespace loopsim {
namespace {

std::string_view nextWord(std::string_view& rest) {
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t'))
        rest.remove_prefix(1);
    std::size_t end = 0;
    while (end < rest.size() && rest[end] != ' ' && rest[end] != '\t')
        ++end;
    std::string_view word = rest.substr(0, end);
    rest.remove_prefix(end);
    return word;
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

std::optional<std::string> checkElement(const Action& action, const InputRouter* router) {
    if (!router)
        return std::nullopt;
    if (!router->accepts(action.element))
        return "unknown element " + quotedExcerpt(action.element);
    const ElementHandlers* handlers = router->find(action.element);
    const auto kind = handlers ? handlers->kind : ElementHandlers::Kind::Plain;
    if ((action.verb == Verb::Check || action.verb == Verb::Uncheck) &&
        kind != ElementHandlers::Kind::CheckBox)
        return quotedExcerpt(action.element) + " is not a check box";
    if (action.verb == Verb::Set && kind != ElementHandlers::Kind::Slider)
        return quotedExcerpt(action.element) + " is not a slider";
    return std::nullopt;
}

// Parses one non-empty line that is not a comment; returns an error message on failure.
std::optional<std::string> parseLine(std::string_view line, const InputRouter* router,
                                     ScenarioLine& parsed) {
    std::string_view rest = line;
    std::string_view timeWord = nextWord(rest);
    auto time = parseScenarioTime(timeWord);
    if (!time)
        return "the time " + quotedExcerpt(timeWord) +
               " is not a number of seconds with at most three decimals";
    if (*time > kLatestScenarioTime)
        return "the time " + quotedExcerpt(timeWord) + " is past " +
               formatScenarioTime(kLatestScenarioTime) + " s, the latest a scenario may have";
    parsed.time = *time;

    std::string_view verbWord = nextWord(rest);
    if (verbWord.empty())
        return std::string("a verb is missing after the time");
    auto verb = verbFromName(verbWord);
    if (!verb)
        return "unknown verb " + quotedExcerpt(verbWord);
    parsed.action.verb = *verb;

    if (*verb == Verb::Answer || *verb == Verb::Note) {
        // The answer or note is the rest of the line after one space, as typed.
        if (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t'))
            rest.remove_prefix(1);
        parsed.action.value = std::string(rest);
        return std::nullopt;
    }

    if (verbTakesElement(*verb)) {
        std::string_view element = nextWord(rest);
        if (element.empty())
            return quotedExcerpt(verbWord) + " needs an element";
        parsed.action.element = std::string(element);
    }
    if (*verb == Verb::Hold || *verb == Verb::Set) {
        std::string_view value = nextWord(rest);
        auto number = parseNumber(value);
        if (!number)
            return "the value " + quotedExcerpt(value) + " is not a number";
        if (*verb == Verb::Hold && *number < 0)
            return std::string("a hold cannot last a negative time");
        parsed.action.value = std::string(value);
    }
    if (*verb == Verb::Speed) {
        std::string_view value = nextWord(rest);
        auto number = parseNumber(value);
        if (!number || *number < 1 || *number > kFastestScenarioSpeed ||
            std::floor(*number) != *number)
            return "the speed " + quotedExcerpt(value) + " is not a whole number from 1 to " +
                   std::to_string(kFastestScenarioSpeed);
        parsed.action.value = std::string(value);
    }
    if (!trim(rest).empty())
        return "unexpected " + quotedExcerpt(trim(rest)) + " at the end of the line";
    if (verbTakesElement(*verb))
        return checkElement(parsed.action, router);
    return std::nullopt;
}

}  // namespace

std::optional<Millis> parseScenarioTime(std::string_view text) {
    if (text.empty())
        return std::nullopt;
    Millis seconds = 0;
    std::size_t i = 0;
    // Past the latest time a scenario may have, more digits change nothing.
    constexpr Millis kPastLatestSeconds = kLatestScenarioTime / 1000 + 1;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        seconds = std::min(seconds * 10 + (text[i] - '0'), kPastLatestSeconds);
    if (i == 0)
        return std::nullopt;
    Millis millis = 0;
    if (i < text.size()) {
        if (text[i] != '.')
            return std::nullopt;
        const std::size_t decimals = text.size() - i - 1;
        if (decimals == 0 || decimals > 3)
            return std::nullopt;
        Millis scale = 100;
        for (++i; i < text.size(); ++i, scale /= 10) {
            if (!std::isdigit(static_cast<unsigned char>(text[i])))
                return std::nullopt;
            millis += (text[i] - '0') * scale;
        }
    }
    return seconds * 1000 + millis;
}

std::string formatScenarioTime(Millis time) {
    std::string text = std::to_string(time / 1000);
    Millis fraction = time % 1000;
    if (fraction != 0) {
        std::string digits = std::to_string(1000 + fraction).substr(1);
        while (digits.back() == '0')
            digits.pop_back();
        text += "." + digits;
    }
    return text;
}

std::string formatScenarioLine(Millis time, const Action& action) {
    std::string line = formatScenarioTime(time) + " " + std::string(verbName(action.verb));
    if (verbTakesElement(action.verb))
        line += " " + action.element;
    if (action.verb == Verb::Answer || action.verb == Verb::Note || !action.value.empty())
        line += " " + action.value;
    return line;
}

Scenario parseScenario(std::string_view text, const InputRouter* router) {
    Scenario scenario;
    text = withoutByteOrderMark(text);
    int lineNumber = 0;
    Millis previousTime = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (trim(line).empty() || trim(line).front() == '#')
            continue;
        ScenarioLine parsed;
        parsed.lineNumber = lineNumber;
        if (auto error = parseLine(line, router, parsed)) {
            scenario.error = ScenarioError{lineNumber, *error};
            return scenario;
        }
        if (parsed.time < previousTime) {
            scenario.error = ScenarioError{
                lineNumber, "the time " + formatScenarioTime(parsed.time) + " s goes back before " +
                                formatScenarioTime(previousTime) + " s"};
            return scenario;
        }
        previousTime = parsed.time;
        scenario.lines.push_back(std::move(parsed));
    }
    return scenario;
}

}  // namespace loopsim
