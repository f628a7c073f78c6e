// How a session went, in numbers, from its timeline. Every figure counts the seconds the
// diver breathed from the loop (regulator in, mouthpiece open, not bailed out), one sample
// a second; events are timed to the millisecond, failures to the second they came into
// force.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "debrief/Timeline.h"

namespace loopsim {

inline constexpr double kHypoxicPO2 = 0.4;       // bar: below it the loop does not keep a diver
inline constexpr double kHyperoxicPO2 = 1.6;     // bar: above it oxygen toxicity looms
inline constexpr double kUnconsciousPO2 = 0.16;  // bar: below it unconsciousness is likely
inline constexpr double kSetpointBand = 0.1;     // bar either side of the setpoint
inline constexpr double kMisleadingGap = 0.2;    // bar between handset and loop
inline constexpr int kInHandSeconds = 30;        // within the band this long: back in hand
inline constexpr double kSafeAscentMetresPerMinute = 10;
inline constexpr int kAscentWindowSeconds = 10;

// A stretch of seconds: from the first sample's time to the last one's.
struct Episode {
    Millis start = 0;
    Millis end = 0;
    int seconds() const { return static_cast<int>((end - start) / 1000) + 1; }
};

struct ExposureFigures {
    int lowSeconds = 0;  // below kHypoxicPO2
    int highSeconds = 0;
    int unconsciousSeconds = 0;
    int longestLowSeconds = 0;
    int longestHighSeconds = 0;
    double excessBarSeconds = 0;  // the area outside 0.4 to 1.6 bar
    std::vector<Episode> low;
    std::vector<Episode> high;
};

struct TrackingFigures {
    int breathingSeconds = 0;
    double rmsBar = 0;       // of true PO2 less the setpoint
    double withinShare = 0;  // of breathing seconds within kSetpointBand, 0 to 1
};

struct OxygenDoseFigures {
    double cnsPercent = 0;
    double otu = 0;
};

struct FailureOutcome {
    int option = 0;
    Millis inForce = 0;
    std::optional<Millis> respondedAt;  // the first action that answers it
    std::string response;
    std::optional<Millis> recoveredAt;  // back in hand, or bailed out
    std::string recovery;               // how, in words
};

struct MisledEpisode {
    Episode episode;
    std::vector<std::string> actions;  // what the trainee did meanwhile
};

struct AscentFigures {
    double fastestMetresPerMinute = 0;  // over any kAscentWindowSeconds
    Millis at = 0;                      // when that window began
};

struct WarningFigures {
    std::string kind;  // the unit's own text: "Low O2", "Cell Warning"
    int raised = 0;    // episodes: raised again after a second without it
    int seconds = 0;
    std::vector<Episode> episodes;
};

struct Debrief {
    Timeline timeline;
    ExposureFigures exposure;
    TrackingFigures tracking;
    OxygenDoseFigures dose;
    std::vector<FailureOutcome> failures;
    int misledSeconds = 0;
    std::vector<MisledEpisode> misled;
    AscentFigures ascent;
    std::vector<WarningFigures> warnings;
};

Debrief computeDebrief(Timeline timeline);

}  // namespace loopsim
