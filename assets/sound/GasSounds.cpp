#include <algorithm>
#include <cmath>
#include <numbers>

#include "SoundRecipes.h"

namespace loopsim::assets {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

struct HissShape {
    double seconds;
    double highPass;
    double bandCentre;
    double bandQ;
    double rms;
};

// Noise shaped as a loop: circular filters and a level set by RMS, left and right from
// different seeds so the hiss has some width.
Signal loopHiss(const HissShape& shape, std::uint64_t seed) {
    NoiseSource noise(seed);
    Signal out = whiteNoise(samplesFor(shape.seconds), noise);
    out = filteredCircular(out, Biquad::highPass(shape.highPass, 0.7));
    out = filteredCircular(out, Biquad::bandPass(shape.bandCentre, shape.bandQ));
    scale(out, shape.rms / rmsOf(out));
    return out;
}

// Level swell whose period divides the loop length, so it is the same at both ends.
void swell(Signal& signal, int cyclesPerLoop, double depth) {
    const double n = static_cast<double>(signal.size());
    for (std::size_t i = 0; i < signal.size(); ++i) {
        signal[i] *= 1.0 + depth * std::sin(kTwoPi * cyclesPerLoop * static_cast<double>(i) / n);
    }
}

// The solenoid's clack: two damped body resonances and a short burst of noise.
Signal solenoidClick(double pitch, std::uint64_t seed) {
    NoiseSource noise(seed);
    Signal out(static_cast<std::size_t>(samplesFor(0.060)));
    const Signal burst =
        filtered(whiteNoise(static_cast<int>(out.size()), noise), Biquad::highPass(2500, 0.7));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = secondsAt(static_cast<int>(i));
        out[i] = 0.55 * std::sin(kTwoPi * pitch * t) * std::exp(-t / 0.005) +
                 0.35 * std::sin(kTwoPi * pitch * 0.41 * t) * std::exp(-t / 0.010) +
                 0.40 * burst[i] * std::exp(-t / 0.002);
    }
    fade(out, 5, samplesFor(0.010));
    return out;
}

// Gas rushing in after the valve opens: the hiss rises by half and settles, starting and
// ending at its steady level so the loop stays smooth.
void inrush(Signal& signal, double seconds) {
    for (std::size_t i = 0; i < signal.size(); ++i) {
        const double x = secondsAt(static_cast<int>(i)) / seconds;
        signal[i] *= 1.0 + 0.5 * x * std::exp(1.0 - x);
    }
}

StereoSignal injector(double loopSeconds, double band, double clickPitch, std::uint64_t seed) {
    const HissShape shape{loopSeconds, 700, band, 0.8, 0.11};
    StereoSignal out{loopHiss(shape, seed), loopHiss(shape, seed + 1)};
    const Signal click = solenoidClick(clickPitch, seed + 2);
    for (Signal* side : {&out.left, &out.right}) {
        inrush(*side, 0.06);
        mixInto(*side, click, 0, 0.65);
    }
    return out;
}

}  // namespace

StereoSignal shortHiss() {
    const HissShape shape{1.0, 1200, 4500, 0.7, 0.14};
    return {loopHiss(shape, 21), loopHiss(shape, 22)};
}

StereoSignal longHiss() {
    const HissShape shape{3.0, 900, 3800, 0.5, 0.15};
    StereoSignal out{loopHiss(shape, 31), loopHiss(shape, 32)};
    swell(out.left, 2, 0.08);
    swell(out.right, 2, 0.08);
    return out;
}

StereoSignal longThinHiss() {
    // Higher and thinner than the long hiss, with a faint whistle of a whole number of cycles
    // per loop (3300 Hz over 3 s).
    const HissShape shape{3.0, 3500, 6500, 0.9, 0.11};
    StereoSignal out{loopHiss(shape, 41), loopHiss(shape, 42)};
    const Signal whistle = tone(
        samplesFor(3.0), [](int) { return 3300.0; }, 0.0);
    mixInto(out.left, whistle, 0, 0.02);
    mixInto(out.right, whistle, 0, 0.02);
    swell(out.left, 3, 0.05);
    swell(out.right, 3, 0.05);
    return out;
}

StereoSignal injectorLoop() {
    return injector(2.0, 3000, 1800, 51);
}

StereoSignal injectorShortLoop() {
    return injector(1.0, 3800, 2100, 61);
}

StereoSignal bubbles() {
    // Rising blips at seeded random times, each a whole bubble inside the file: the file ends
    // in silence when played once and runs into its own start when looped.
    constexpr int kBubbles = 40;
    const int length = samplesFor(2.0);
    StereoSignal out{Signal(static_cast<std::size_t>(length)),
                     Signal(static_cast<std::size_t>(length))};
    NoiseSource random(71);
    const auto between = [&random](double low, double high) {
        return low + (high - low) * (random.next() + 1.0) / 2.0;
    };
    for (int b = 0; b < kBubbles; ++b) {
        const double life = between(0.025, 0.070);
        const double start = between(0.010, 2.0 - life - 0.010);
        const double pitch = between(350, 1100);
        const double gain = between(0.15, 0.45);
        const double pan = between(0.2, 0.8);
        const int samples = samplesFor(life);
        Signal blip = tone(
            samples, [=](int i) { return pitch * (1.0 + 0.6 * i / samples); }, 0.0);
        for (std::size_t i = 0; i < blip.size(); ++i) {
            blip[i] *= std::exp(-secondsAt(static_cast<int>(i)) / (life / 4));
        }
        fade(blip, samplesFor(0.001), samplesFor(0.004));
        mixInto(out.left, blip, samplesFor(start), gain * (1.0 - pan) * 2.0);
        mixInto(out.right, blip, samplesFor(start), gain * pan * 2.0);
    }
    const double peak = std::max(peakOf(out.left), peakOf(out.right));
    scale(out.left, 0.8 / peak);
    scale(out.right, 0.8 / peak);
    return out;
}

}  // namespace loopsim::assets
