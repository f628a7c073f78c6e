#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "SoundCatalogue.h"

namespace loopsim::assets {
namespace {

using Channel = std::vector<int>;

std::vector<Channel> channelsOf(const std::vector<StereoFrame>& frames) {
    Channel left, right;
    for (const StereoFrame& f : frames) {
        left.push_back(f.left);
        right.push_back(f.right);
    }
    return {left, right};
}

double rms(const Channel& c, std::size_t from, std::size_t count) {
    double sum = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        sum += static_cast<double>(c[i]) * c[i];
    }
    return std::sqrt(sum / static_cast<double>(count));
}

TEST(SoundShapeTest, LoopsRunIntoTheirOwnStartWithoutAStepOrAGap) {
    const std::size_t window = 22050 / 200;  // 5 ms: short enough to see a fade at either end
    for (const SoundRecipe& recipe : soundRecipes()) {
        if (!recipe.loops) {
            continue;
        }
        for (const Channel& c : channelsOf(synthesize(recipe))) {
            ASSERT_GT(c.size(), 4 * window) << recipe.fileName;
            int largestStep = 0;
            for (std::size_t i = 1; i < c.size(); ++i) {
                largestStep = std::max(largestStep, std::abs(c[i] - c[i - 1]));
            }
            EXPECT_LE(std::abs(c.front() - c.back()), largestStep) << recipe.fileName;
            if (!recipe.silentEnds) {
                // A steady sound must not fade at either end, or each repeat would dip.
                const double whole = rms(c, 0, c.size());
                EXPECT_GT(rms(c, 0, window), 0.5 * whole) << recipe.fileName;
                EXPECT_GT(rms(c, c.size() - window, window), 0.5 * whole) << recipe.fileName;
            }
        }
    }
}

TEST(SoundShapeTest, SoundsPlayedOnceStartAndEndAtRest) {
    for (const SoundRecipe& recipe : soundRecipes()) {
        if (!recipe.silentEnds) {
            continue;
        }
        for (const Channel& c : channelsOf(synthesize(recipe))) {
            ASSERT_FALSE(c.empty()) << recipe.fileName;
            EXPECT_LE(std::abs(c.front()), 328) << recipe.fileName;
            EXPECT_LE(std::abs(c.back()), 328) << recipe.fileName;
        }
    }
}

TEST(SoundShapeTest, NoSoundIsSilentOrDrivenIntoClipping) {
    for (const SoundRecipe& recipe : soundRecipes()) {
        int peak = 0;
        for (const Channel& c : channelsOf(synthesize(recipe))) {
            for (int s : c) {
                peak = std::max(peak, std::abs(s));
            }
        }
        EXPECT_GT(peak, 3000) << recipe.fileName;
        EXPECT_LT(peak, 32767) << recipe.fileName;
    }
}

}  // namespace
}  // namespace loopsim::assets
