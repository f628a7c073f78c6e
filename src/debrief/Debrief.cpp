#include "debrief/Debrief.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

#include "core/Elements.h"
#include "debrief/FailureResponses.h"
#include "debrief/OxygenDose.h"

namespace loopsim {
namespace {

constexpr double kMinutesPerSample = 1.0 / 60;
// Warnings come once a second; a longer gap starts a new episode.
constexpr Millis kWarningGap = 1500;

using SampleTest = std::function<bool(const SecondSample&)>;

// The runs of consecutive samples that pass the test.
std::vector<Episode> episodesOf(const std::vector<SecondSample>& seconds, const SampleTest& test) {
    std::vector<Episode> episodes;
    bool inside = false;
    for (const SecondSample& sample : seconds) {
        if (!test(sample)) {
            inside = false;
            continue;
        }
        if (inside)
            episodes.back().end = sample.time;
        else
            episodes.push_back({sample.time, sample.time});
        inside = true;
    }
    return episodes;
}

int longest(const std::vector<Episode>& episodes) {
    int seconds = 0;
    for (const Episode& episode : episodes)
        seconds = std::max(seconds, episode.seconds());
    return seconds;
}

int total(const std::vector<Episode>& episodes) {
    int seconds = 0;
    for (const Episode& episode : episodes)
        seconds += episode.seconds();
    return seconds;
}

ExposureFigures exposureOf(const std::vector<SecondSample>& seconds) {
    ExposureFigures figures;
    figures.low = episodesOf(
        seconds, [](const SecondSample& s) { return s.onLoop && s.loopPO2 < kHypoxicPO2; });
    figures.high = episodesOf(
        seconds, [](const SecondSample& s) { return s.onLoop && s.loopPO2 > kHyperoxicPO2; });
    figures.lowSeconds = total(figures.low);
    figures.highSeconds = total(figures.high);
    figures.longestLowSeconds = longest(figures.low);
    figures.longestHighSeconds = longest(figures.high);
    for (const SecondSample& s : seconds) {
        if (!s.onLoop)
            continue;
        if (s.loopPO2 < kUnconsciousPO2)
            ++figures.unconsciousSeconds;
        if (s.loopPO2 < kHypoxicPO2)
            figures.excessBarSeconds += kHypoxicPO2 - s.loopPO2;
        else if (s.loopPO2 > kHyperoxicPO2)
            figures.excessBarSeconds += s.loopPO2 - kHyperoxicPO2;
    }
    return figures;
}

bool inHand(const SecondSample& s) {
    return s.onLoop && std::abs(s.loopPO2 - s.setpoint) <= kSetpointBand;
}

TrackingFigures trackingOf(const std::vector<SecondSample>& seconds) {
    TrackingFigures figures;
    double squares = 0;
    int within = 0;
    for (const SecondSample& s : seconds) {
        if (!s.onLoop)
            continue;
        ++figures.breathingSeconds;
        squares += (s.loopPO2 - s.setpoint) * (s.loopPO2 - s.setpoint);
        if (inHand(s))
            ++within;
    }
    if (figures.breathingSeconds > 0) {
        figures.rmsBar = std::sqrt(squares / figures.breathingSeconds);
        figures.withinShare = static_cast<double>(within) / figures.breathingSeconds;
    }
    return figures;
}

OxygenDoseFigures doseOf(const std::vector<SecondSample>& seconds) {
    OxygenDoseFigures figures;
    for (const SecondSample& s : seconds) {
        if (!s.onLoop)
            continue;
        figures.cnsPercent += cnsPercentPerMinute(s.loopPO2) * kMinutesPerSample;
        figures.otu += otuPerMinute(s.loopPO2) * kMinutesPerSample;
    }
    return figures;
}

// Back in hand: once the trainee has answered the failure, the first of kInHandSeconds
// seconds in a row with the loop within the setpoint's band; or the bail-out, whichever comes
// first. A loop that never left the band until then stayed in hand, answered or not.
void findRecovery(const Timeline& timeline, FailureOutcome& outcome) {
    std::optional<Millis> bailedOutAt;
    for (const TimelineEvent& event : timeline.events) {
        if (event.kind == EventKind::Trainee && event.time >= outcome.inForce &&
            event.element == elements::kBailOutButton) {
            bailedOutAt = event.time;
            break;
        }
    }
    auto beforeBailOut = [&](const SecondSample& s) {
        return s.time >= outcome.inForce && (!bailedOutAt || s.time <= *bailedOutAt);
    };
    const std::vector<SecondSample>& seconds = timeline.seconds;
    const bool leftTheBand = std::any_of(
        seconds.begin(), seconds.end(),
        [&](const SecondSample& s) { return beforeBailOut(s) && s.onLoop && !inHand(s); });
    if (leftTheBand && outcome.respondedAt) {
        int run = 0;
        for (std::size_t i = 0; i < seconds.size(); ++i) {
            const SecondSample& s = seconds[i];
            if (s.time < *outcome.respondedAt || !beforeBailOut(s))
                continue;
            run = inHand(s) ? run + 1 : 0;
            if (run == kInHandSeconds) {
                outcome.recoveredAt = seconds[i + 1 - kInHandSeconds].time;
                outcome.recovery = "loop back at the setpoint";
                return;
            }
        }
    }
    if (bailedOutAt) {
        outcome.recoveredAt = bailedOutAt;
        outcome.recovery = "bailed out";
    } else if (!leftTheBand) {
        outcome.recoveredAt = outcome.inForce;
        outcome.recovery = "loop stayed at the setpoint";
    }
}

std::vector<FailureOutcome> failuresOf(const Timeline& timeline) {
    std::vector<FailureOutcome> outcomes;
    for (const TimelineEvent& event : timeline.events) {
        if (event.kind != EventKind::Failure)
            continue;
        FailureOutcome outcome;
        outcome.option = event.option;
        outcome.inForce = event.time;
        if (const FailureResponse* row = failureResponse(event.option)) {
            for (const TimelineEvent& action : timeline.events) {
                if (action.kind == EventKind::Trainee && action.time >= event.time &&
                    answers(*row, action.element)) {
                    outcome.respondedAt = action.time;
                    outcome.response = action.what;
                    break;
                }
            }
        }
        findRecovery(timeline, outcome);
        outcomes.push_back(std::move(outcome));
    }
    return outcomes;
}

std::vector<MisledEpisode> misledOf(const Timeline& timeline) {
    std::vector<MisledEpisode> misled;
    for (const Episode& episode : episodesOf(timeline.seconds, [](const SecondSample& s) {
             return s.onLoop && s.handsetPO2 &&
                    std::abs(*s.handsetPO2 - s.loopPO2) > kMisleadingGap;
         })) {
        MisledEpisode entry{episode, {}};
        // A sample stands for the second before it.
        for (const TimelineEvent& event : timeline.events) {
            if (event.kind == EventKind::Trainee && event.time > episode.start - 1000 &&
                event.time <= episode.end)
                entry.actions.push_back(event.what);
        }
        misled.push_back(std::move(entry));
    }
    return misled;
}

AscentFigures ascentOf(const std::vector<SecondSample>& seconds) {
    AscentFigures figures;
    for (std::size_t i = 0; i + kAscentWindowSeconds < seconds.size(); ++i) {
        const SecondSample& from = seconds[i];
        const SecondSample& to = seconds[i + kAscentWindowSeconds];
        const double minutes = static_cast<double>(to.time - from.time) / 60000;
        const double rate = (from.depth - to.depth) / minutes;
        if (rate > figures.fastestMetresPerMinute) {
            figures.fastestMetresPerMinute = rate;
            figures.at = from.time;
        }
    }
    return figures;
}

std::vector<WarningFigures> warningsOf(const std::vector<TimelineEvent>& events) {
    std::map<std::string, WarningFigures> byKind;
    for (const TimelineEvent& event : events) {
        if (event.kind != EventKind::Warning)
            continue;
        WarningFigures& figures = byKind[event.what];
        figures.kind = event.what;
        if (figures.episodes.empty() || event.time - figures.episodes.back().end > kWarningGap)
            figures.episodes.push_back({event.time, event.time});
        else if (event.time / 1000 != figures.episodes.back().end / 1000)
            figures.episodes.back().end = event.time;
        else
            continue;  // raised again within the same second
    }
    std::vector<WarningFigures> warnings;
    for (auto& [kind, figures] : byKind) {
        figures.raised = static_cast<int>(figures.episodes.size());
        figures.seconds = total(figures.episodes);
        warnings.push_back(std::move(figures));
    }
    return warnings;
}

}  // namespace

Debrief computeDebrief(Timeline timeline) {
    Debrief debrief;
    debrief.exposure = exposureOf(timeline.seconds);
    debrief.tracking = trackingOf(timeline.seconds);
    debrief.dose = doseOf(timeline.seconds);
    debrief.failures = failuresOf(timeline);
    debrief.misled = misledOf(timeline);
    for (const MisledEpisode& entry : debrief.misled)
        debrief.misledSeconds += entry.episode.seconds();
    debrief.ascent = ascentOf(timeline.seconds);
    debrief.warnings = warningsOf(timeline.events);
    debrief.timeline = std::move(timeline);
    return debrief;
}

}  // namespace loopsim
