// Building blocks for the synthesized sounds: a seeded noise source, tones with a running
// phase (so frequency changes never jump), biquad filters and envelopes. Signals are mono
// doubles in [-1, 1] at the WAV file's sample rate; a sound is two of them, left and right.
//
// Filters have a circular form for sounds that loop: the signal is filtered as if it repeated
// forever, so its end runs into its start with no step in level or colour.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "WavFile.h"

namespace loopsim::assets {

using Signal = std::vector<double>;

struct StereoSignal {
    Signal left;
    Signal right;
};

int samplesFor(double seconds);
double secondsAt(int sample);

// Uniform noise in [-1, 1) from a fixed seed: the same sound every build, on every library.
class NoiseSource {
  public:
    explicit NoiseSource(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
    double next();

  private:
    std::uint64_t state_;
};

Signal whiteNoise(int samples, NoiseSource& noise);

// One second-order section in the usual audio-cookbook forms.
struct Biquad {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;

    static Biquad lowPass(double frequency, double q);
    static Biquad highPass(double frequency, double q);
    static Biquad bandPass(double frequency, double q);
};

Signal filtered(const Signal& input, const Biquad& filter);
Signal filteredCircular(const Signal& input, const Biquad& filter);

// A tone whose frequency may change from sample to sample. `oddHarmonics` adds the third and
// fifth harmonic for the hard edge of a small piezo sounder (0 is a pure sine).
Signal tone(int samples, const std::function<double(int)>& frequencyAt, double oddHarmonics);

// Raised-cosine fade in over `attack` samples and out over `release` samples.
void fade(Signal& signal, int attack, int release);

// Adds `source` times `gain` at `offset`, dropping whatever would fall past the end.
void mixInto(Signal& target, const Signal& source, int offset, double gain);

double peakOf(const Signal& signal);
double rmsOf(const Signal& signal);
void scale(Signal& signal, double factor);

StereoSignal bothSides(const Signal& signal);
std::vector<StereoFrame> toFrames(const StereoSignal& signal);

}  // namespace loopsim::assets
