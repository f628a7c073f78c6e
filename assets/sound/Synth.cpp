#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace loopsim::assets {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

struct BiquadState {
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;

    double step(const Biquad& f, double x) {
        const double y = f.b0 * x + f.b1 * x1 + f.b2 * x2 - f.a1 * y1 - f.a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return y;
    }
};

Biquad normalised(double b0, double b1, double b2, double a0, double a1, double a2) {
    return Biquad{b0 / a0, b1 / a0, b2 / a0, a1 / a0, a2 / a0};
}

struct CookbookTerms {
    double cosw;
    double alpha;
};

CookbookTerms termsFor(double frequency, double q) {
    const double w = kTwoPi * frequency / kSampleRate;
    return {std::cos(w), std::sin(w) / (2.0 * q)};
}

}  // namespace

int samplesFor(double seconds) {
    return static_cast<int>(std::lround(seconds * kSampleRate));
}

double secondsAt(int sample) {
    return static_cast<double>(sample) / kSampleRate;
}

double NoiseSource::next() {
    // xorshift64*: small, fast and fully defined, unlike the standard distributions.
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    const std::uint64_t bits = state_ * 0x2545F4914F6CDD1Dull;
    return static_cast<double>(bits >> 11) * 0x1.0p-52 - 1.0;
}

Signal whiteNoise(int samples, NoiseSource& noise) {
    Signal out(static_cast<std::size_t>(samples));
    for (double& s : out) {
        s = noise.next();
    }
    return out;
}

Biquad Biquad::lowPass(double frequency, double q) {
    const auto [c, a] = termsFor(frequency, q);
    return normalised((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + a, -2 * c, 1 - a);
}

Biquad Biquad::highPass(double frequency, double q) {
    const auto [c, a] = termsFor(frequency, q);
    return normalised((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + a, -2 * c, 1 - a);
}

Biquad Biquad::bandPass(double frequency, double q) {
    const auto [c, a] = termsFor(frequency, q);
    return normalised(a, 0, -a, 1 + a, -2 * c, 1 - a);
}

Signal filtered(const Signal& input, const Biquad& filter) {
    BiquadState state;
    Signal out(input.size());
    for (std::size_t i = 0; i < input.size(); ++i) {
        out[i] = state.step(filter, input[i]);
    }
    return out;
}

Signal filteredCircular(const Signal& input, const Biquad& filter) {
    // One pass to reach the state the filter has at the end of the loop, then the real pass.
    BiquadState state;
    for (double x : input) {
        state.step(filter, x);
    }
    Signal out(input.size());
    for (std::size_t i = 0; i < input.size(); ++i) {
        out[i] = state.step(filter, input[i]);
    }
    return out;
}

Signal tone(int samples, const std::function<double(int)>& frequencyAt, double oddHarmonics) {
    Signal out(static_cast<std::size_t>(samples));
    const double norm = 1.0 / (1.0 + oddHarmonics * (1.0 / 3.0 + 1.0 / 5.0));
    double phase = 0;
    for (int i = 0; i < samples; ++i) {
        out[static_cast<std::size_t>(i)] =
            norm * (std::sin(phase) +
                    oddHarmonics * (std::sin(3 * phase) / 3.0 + std::sin(5 * phase) / 5.0));
        phase = std::fmod(phase + kTwoPi * frequencyAt(i) / kSampleRate, kTwoPi);
    }
    return out;
}

void fade(Signal& signal, int attack, int release) {
    const int n = static_cast<int>(signal.size());
    for (int i = 0; i < std::min(attack, n); ++i) {
        signal[static_cast<std::size_t>(i)] *= 0.5 - 0.5 * std::cos(std::numbers::pi * i / attack);
    }
    for (int i = 0; i < std::min(release, n); ++i) {
        signal[static_cast<std::size_t>(n - 1 - i)] *=
            0.5 - 0.5 * std::cos(std::numbers::pi * i / release);
    }
}

void mixInto(Signal& target, const Signal& source, int offset, double gain) {
    for (std::size_t i = 0; i < source.size(); ++i) {
        const std::size_t at = static_cast<std::size_t>(offset) + i;
        if (at >= target.size()) {
            break;
        }
        target[at] += gain * source[i];
    }
}

double peakOf(const Signal& signal) {
    double peak = 0;
    for (double s : signal) {
        peak = std::max(peak, std::abs(s));
    }
    return peak;
}

double rmsOf(const Signal& signal) {
    if (signal.empty()) {
        return 0;
    }
    double sum = 0;
    for (double s : signal) {
        sum += s * s;
    }
    return std::sqrt(sum / static_cast<double>(signal.size()));
}

void scale(Signal& signal, double factor) {
    for (double& s : signal) {
        s *= factor;
    }
}

StereoSignal bothSides(const Signal& signal) {
    return {signal, signal};
}

std::vector<StereoFrame> toFrames(const StereoSignal& signal) {
    const auto toSample = [](double x) {
        return static_cast<std::int16_t>(std::lround(std::clamp(x, -1.0, 1.0) * 32767.0));
    };
    const std::size_t n = std::min(signal.left.size(), signal.right.size());
    std::vector<StereoFrame> frames(n);
    for (std::size_t i = 0; i < n; ++i) {
        frames[i] = {toSample(signal.left[i]), toSample(signal.right[i])};
    }
    return frames;
}

}  // namespace loopsim::assets
