#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "Synth.h"

namespace loopsim::assets {
namespace {

// What a loop sounds like once it has repeated a while: the filter output over the third
// repeat of the input. The circular filter must give exactly that from a single copy.
TEST(SynthTest, CircularFilterMatchesTheSteadyStateOfTheRepeatedLoop) {
    NoiseSource noise(5);
    const Signal loop = whiteNoise(4000, noise);
    for (const Biquad& filter :
         {Biquad::lowPass(300, 0.7), Biquad::highPass(3500, 0.9), Biquad::bandPass(4500, 4.0)}) {
        Signal repeated;
        for (int i = 0; i < 3; ++i) {
            repeated.insert(repeated.end(), loop.begin(), loop.end());
        }
        const Signal steady = filtered(repeated, filter);
        const Signal circular = filteredCircular(loop, filter);
        ASSERT_EQ(circular.size(), loop.size());
        for (std::size_t i = 0; i < loop.size(); ++i) {
            ASSERT_NEAR(circular[i], steady[2 * loop.size() + i], 1e-9) << "sample " << i;
        }
    }
}

TEST(SynthTest, ToneKeepsItsPhaseWhenThePitchChanges) {
    // A jump from 1000 to 1500 Hz halfway: no sample-to-sample step larger than the steepest
    // slope of the higher pitch.
    const int half = 2000;
    const Signal out = tone(
        2 * half, [half](int i) { return i < half ? 1000.0 : 1500.0; }, 0.0);
    const double steepest = 2 * std::numbers::pi * 1500.0 / kSampleRate;
    for (std::size_t i = 1; i < out.size(); ++i) {
        EXPECT_LE(std::abs(out[i] - out[i - 1]), steepest * 1.001) << "sample " << i;
    }
}

}  // namespace
}  // namespace loopsim::assets
