#include "drills/FailureLine.h"

#include "core/MessageExcerpt.h"
#include "debrief/FailureResponses.h"
#include "drills/Quantities.h"
#include "instructor/OptionsDialog.h"

namespace loopsim {
namespace {

using Kind = DrillTrigger::Kind;

constexpr const char* kTriggers =
    "'at 2 min', 'at 20 m', 'after 1 min at 20 m', 'after calibration' or 'after cell_drift "
    "answered'";

std::string unknownFailure(std::string_view key) {
    return "unknown failure " + quotedExcerpt(key) +
           ": failures go by their debrief names, as 'cell_drift' or 'solenoid_stuck_closed'";
}

// After "after": calibration, a failure answered, or a time at a depth.
std::optional<std::string> readAfter(WordCursor& words, DrillTrigger& trigger) {
    if (words.takeWord("calibration")) {
        trigger.kind = Kind::AfterCalibration;
        return std::nullopt;
    }
    if (words.peek(1) == "answered") {
        trigger.kind = Kind::AfterAnswered;
        trigger.answered = failureOption(words.peek());
        if (trigger.answered == 0)
            return unknownFailure(words.peek());
        words.take();
        words.take();
        return std::nullopt;
    }
    if (trigger.time != 0)
        return "after " + quotedExcerpt(words.rest()) +
               ": a wait goes before 'after calibration' or "
               "'after cell_drift answered'";
    const TimeRead time = readTime(words);
    if (time.error)
        return time.error;
    if (!words.takeWord("at"))
        return "after " + formatDrillTime(time.time) + " at what depth? write it as 'after " +
               formatDrillTime(time.time) + " at 20 m'";
    const DepthRead depth = readDepth(words);
    trigger = {Kind::TimeAtDepth, time.time, depth.depth, 0};
    return depth.error;
}

std::optional<std::string> readTrigger(WordCursor& words, DrillTrigger& trigger) {
    if (words.takeWord("at")) {
        if (depthAhead(words)) {
            const DepthRead depth = readDepth(words);
            trigger = {Kind::AtDepth, 0, depth.depth, 0};
            return depth.error;
        }
        const TimeRead time = readTime(words);
        trigger = {Kind::AtTime, time.time, 0, 0};
        return time.error;
    }
    if (words.takeWord("after"))
        return readAfter(words, trigger);
    if (words.atEnd())
        return std::string("a failure needs a trigger: ") + kTriggers;
    // A wait, then what it waits for.
    const TimeRead wait = readTime(words);
    if (wait.error)
        return "a failure's trigger is " + std::string(kTriggers) + ", not " +
               quotedExcerpt(words.rest());
    trigger.time = wait.time;
    if (!words.takeWord("after"))
        return formatDrillTime(wait.time) +
               " after what? write 'after calibration' or 'after cell_drift answered'";
    if (auto error = readAfter(words, trigger))
        return error;
    return std::nullopt;
}

std::optional<std::string> readDelay(WordCursor& words, int& minutes) {
    if (!words.takeWord("delayed"))
        return std::nullopt;
    const TimeRead delay = readTime(words);
    if (delay.error)
        return delay.error;
    const Millis longest = Millis{OptionsDialog::kLongestDelay} * 60000;
    if (delay.time % 60000 != 0 || delay.time == 0 || delay.time > longest)
        return "the options' delay is whole minutes from 1 to " +
               std::to_string(OptionsDialog::kLongestDelay) + ", not " +
               formatDrillTime(delay.time);
    minutes = static_cast<int>(delay.time / 60000);
    return std::nullopt;
}

}  // namespace

int failureOption(std::string_view key) {
    for (const FailureResponse& failure : failureResponses()) {
        if (key == failure.key)
            return failure.option;
    }
    return 0;
}

FailureLineRead readFailureLine(std::string_view text) {
    FailureLineRead read;
    WordCursor words(text);
    const std::string_view key = words.take();
    read.failure.option = failureOption(key);
    if (read.failure.option == 0) {
        read.error = unknownFailure(key);
        return read;
    }
    read.error = readTrigger(words, read.failure.trigger);
    if (!read.error)
        read.error = readDelay(words, read.failure.delayMinutes);
    if (!read.error && read.failure.trigger.answered == read.failure.option)
        read.error = "a failure cannot wait for its own answer";
    if (!read.error && !words.atEnd())
        read.error = "unexpected " + quotedExcerpt(words.rest()) + " at the end of the line";
    return read;
}

}  // namespace loopsim
