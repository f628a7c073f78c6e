#include "instructor/OptionsStatus.h"

#include <algorithm>

#include "core/Format.h"
#include "instructor/OptionsDialog.h"

namespace loopsim {
namespace {

template <typename Included>
std::string namesOf(Included included) {
    std::string names;
    for (const OptionBox& box : optionBoxes()) {
        if (!included(box.number))
            continue;
        names += (names.empty() ? "" : ", ") + optionName(box.number);
    }
    return names;
}

}  // namespace

std::string optionName(int number) {
    const auto boxes = optionBoxes();
    const auto box = std::find_if(boxes.begin(), boxes.end(), [number](const OptionBox& each) {
        return each.number == number;
    });
    if (box == boxes.end())
        return {};
    const std::string_view caption = box->caption;
    const auto sharing = std::count_if(
        boxes.begin(), boxes.end(), [&](const OptionBox& each) { return caption == each.caption; });
    const std::string name(trimBlanks(caption));
    return sharing > 1 ? name + " (" + box->frame + ")" : name;
}

std::string inForceText(const OptionsDialog& options) {
    const std::uint32_t applied = options.appliedBoxes();
    const std::string names =
        namesOf([applied](int number) { return (applied & (1u << number)) != 0; });
    return "In force: " + (names.empty() ? std::string("none") : names);
}

std::string pendingText(const OptionsDialog& options, Millis now) {
    const auto strikes = options.pendingApplyTime();
    if (!strikes)
        return "Pending: none";
    const Millis secondsLeft = (std::max<Millis>(0, *strikes - now) + 999) / 1000;
    const std::string seconds = std::to_string(secondsLeft % 60);
    const std::uint32_t applied = options.appliedBoxes();
    auto inForce = [applied](int number) { return (applied & (1u << number)) != 0; };
    const std::string added =
        namesOf([&](int number) { return options.isTicked(number) && !inForce(number); });
    const std::string cleared =
        namesOf([&](int number) { return !options.isTicked(number) && inForce(number); });
    std::string changes = added;
    if (!cleared.empty())
        changes += (changes.empty() ? "clears " : "; clears ") + cleared;
    return "Pending, in " + std::to_string(secondsLeft / 60) + ":" +
           (seconds.size() < 2 ? "0" : "") + seconds + ": " +
           (changes.empty() ? std::string("no change") : changes);
}

}  // namespace loopsim
