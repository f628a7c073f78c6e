#include <cmath>

#include "SoundRecipes.h"

namespace loopsim::assets {
namespace {

constexpr double kPiezoEdge = 0.35;

// One note of the sounder: a steady pitch with soft edges so it starts and stops without a pop.
Signal note(double frequency, double seconds, double attackSeconds, double releaseSeconds) {
    Signal out = tone(
        samplesFor(seconds), [frequency](int) { return frequency; }, kPiezoEdge);
    fade(out, samplesFor(attackSeconds), samplesFor(releaseSeconds));
    return out;
}

void addNote(Signal& target, double atSeconds, const Signal& source, double gain) {
    mixInto(target, source, samplesFor(atSeconds), gain);
}

}  // namespace

StereoSignal buttonClick() {
    Signal out(static_cast<std::size_t>(samplesFor(0.070)));
    NoiseSource noise(11);
    Signal tick = filtered(whiteNoise(samplesFor(0.012), noise), Biquad::highPass(1800, 0.7));
    for (std::size_t i = 0; i < tick.size(); ++i) {
        tick[i] *= std::exp(-secondsAt(static_cast<int>(i)) / 0.0015);
    }
    fade(tick, 6, 40);
    mixInto(out, tick, 0, 0.45);
    addNote(out, 0.003, note(2400, 0.045, 0.002, 0.010), 0.30);
    return bothSides(out);
}

StereoSignal turnOnBeep() {
    Signal out(static_cast<std::size_t>(samplesFor(0.300)));
    addNote(out, 0.0, note(2093, 0.085, 0.004, 0.012), 0.55);
    addNote(out, 0.110, note(2794, 0.150, 0.004, 0.030), 0.55);
    return bothSides(out);
}

StereoSignal doubleBeep() {
    Signal out(static_cast<std::size_t>(samplesFor(0.380)));
    const Signal beep = note(2700, 0.120, 0.005, 0.012);
    addNote(out, 0.0, beep, 0.6);
    addNote(out, 0.210, beep, 0.6);
    return bothSides(out);
}

StereoSignal alarmWarble() {
    // Two pitches alternating every 125 ms, gliding over 6 ms so each change is smooth.
    constexpr double kLow = 1000, kHigh = 1500, kSegment = 0.125;
    const int glide = samplesFor(0.006);
    const int segment = samplesFor(kSegment);
    Signal out = tone(
        segment * 10,
        [=](int i) {
            const int inSegment = i % segment;
            const bool high = (i / segment) % 2 == 1;
            const double from = high ? kLow : kHigh;
            const double to = high ? kHigh : kLow;
            if (i >= segment && inSegment < glide) {
                return from + (to - from) * inSegment / glide;
            }
            return to;
        },
        kPiezoEdge);
    fade(out, samplesFor(0.008), samplesFor(0.030));
    scale(out, 0.65);
    return bothSides(out);
}

StereoSignal lowOxygenAlert() {
    // A falling three-note figure, twice: unlike the alarm's warble at a glance of the ear.
    Signal out(static_cast<std::size_t>(samplesFor(1.320)));
    const double pitches[] = {1568, 1319, 1047};
    for (int repeat = 0; repeat < 2; ++repeat) {
        for (int n = 0; n < 3; ++n) {
            addNote(out, repeat * 0.660 + n * 0.190, note(pitches[n], 0.140, 0.005, 0.020), 0.6);
        }
    }
    return bothSides(out);
}

}  // namespace loopsim::assets
