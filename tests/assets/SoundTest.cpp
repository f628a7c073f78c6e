// The generated sounds as sounds: levels, ends and loop joins of every sound, and the two
// synthesis steps a loop and a pitch change rely on.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "SoundCatalogue.h"
#include "Synth.h"

namespace loopsim::assets {
namespace {

double rms(const std::vector<int>& c, std::size_t from, std::size_t count) {
    double sum = 0;
    for (std::size_t i = from; i < from + count; ++i)
        sum += static_cast<double>(c[i]) * c[i];
    return std::sqrt(sum / static_cast<double>(count));
}

// Every sound is loud enough without clipping. Sounds played once start and end at rest;
// loops run into their own start without a step, and a steady loop does not fade at either
// end, or each repeat would dip.
TEST(SoundTest, LevelsEndsAndLoopJoinsOfEverySound) {
    const std::size_t window = 22050 / 200;  // 5 ms: short enough to see a fade at either end
    for (const SoundRecipe& recipe : soundRecipes()) {
        const std::vector<StereoFrame> frames = synthesize(recipe);
        int peak = 0;
        for (const auto side : {&StereoFrame::left, &StereoFrame::right}) {
            std::vector<int> c;
            for (const StereoFrame& frame : frames)
                c.push_back(frame.*side);
            ASSERT_GT(c.size(), recipe.loops ? 4 * window : std::size_t{0}) << recipe.fileName;
            int largestStep = 0;
            for (std::size_t i = 0; i < c.size(); ++i) {
                peak = std::max(peak, std::abs(c[i]));
                if (i > 0)
                    largestStep = std::max(largestStep, std::abs(c[i] - c[i - 1]));
            }
            if (recipe.silentEnds) {
                EXPECT_LE(std::abs(c.front()), 328) << recipe.fileName;
                EXPECT_LE(std::abs(c.back()), 328) << recipe.fileName;
            }
            if (recipe.loops) {
                EXPECT_LE(std::abs(c.front() - c.back()), largestStep) << recipe.fileName;
            }
            if (recipe.loops && !recipe.silentEnds) {
                const double whole = rms(c, 0, c.size());
                EXPECT_GT(rms(c, 0, window), 0.5 * whole) << recipe.fileName;
                EXPECT_GT(rms(c, c.size() - window, window), 0.5 * whole) << recipe.fileName;
            }
        }
        EXPECT_GT(peak, 3000) << recipe.fileName;
        EXPECT_LT(peak, 32767) << recipe.fileName;
    }
}

// What a loop sounds like once it has repeated a while: the filter output over the third
// repeat of the input. The circular filter must give exactly that from a single copy.
TEST(SoundTest, CircularFilterMatchesTheSteadyStateOfTheRepeatedLoop) {
    NoiseSource noise(5);
    const Signal loop = whiteNoise(4000, noise);
    Signal repeated;
    for (int i = 0; i < 3; ++i)
        repeated.insert(repeated.end(), loop.begin(), loop.end());
    for (const Biquad& filter :
         {Biquad::lowPass(300, 0.7), Biquad::highPass(3500, 0.9), Biquad::bandPass(4500, 4.0)}) {
        const Signal steady = filtered(repeated, filter);
        const Signal circular = filteredCircular(loop, filter);
        ASSERT_EQ(circular.size(), loop.size());
        for (std::size_t i = 0; i < loop.size(); ++i)
            ASSERT_NEAR(circular[i], steady[2 * loop.size() + i], 1e-9) << "sample " << i;
    }
}

// A jump from 1000 to 1500 Hz halfway: no sample-to-sample step larger than the steepest
// slope of the higher pitch.
TEST(SoundTest, ToneKeepsItsPhaseWhenThePitchChanges) {
    const Signal out = tone(
        4000, [](int i) { return i < 2000 ? 1000.0 : 1500.0; }, 0.0);
    const double steepest = 2 * std::numbers::pi * 1500.0 / kSampleRate;
    for (std::size_t i = 1; i < out.size(); ++i)
        EXPECT_LE(std::abs(out[i] - out[i - 1]), steepest * 1.001) << "sample " << i;
}

}  // namespace
}  // namespace loopsim::assets
