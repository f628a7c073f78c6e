#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "SoundCatalogue.h"

namespace loopsim::assets {
namespace {

using Channel = std::vector<int>;

double rms(const Channel& c, std::size_t from, std::size_t count) {
    double sum = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        sum += static_cast<double>(c[i]) * c[i];
    }
    return std::sqrt(sum / static_cast<double>(count));
}

// Every sound is loud enough without clipping. Sounds played once start and end at rest;
// loops run into their own start without a step, and a steady loop does not fade at either
// end, or each repeat would dip.
TEST(SoundShapeTest, LevelsEndsAndLoopJoinsOfEverySound) {
    const std::size_t window = 22050 / 200;  // 5 ms: short enough to see a fade at either end
    for (const SoundRecipe& recipe : soundRecipes()) {
        Channel left, right;
        for (const StereoFrame& f : synthesize(recipe)) {
            left.push_back(f.left);
            right.push_back(f.right);
        }
        int peak = 0;
        for (const Channel& c : {left, right}) {
            ASSERT_GT(c.size(), recipe.loops ? 4 * window : std::size_t{0}) << recipe.fileName;
            int largestStep = 0;
            for (std::size_t i = 0; i < c.size(); ++i) {
                peak = std::max(peak, std::abs(c[i]));
                if (i > 0) {
                    largestStep = std::max(largestStep, std::abs(c[i] - c[i - 1]));
                }
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

}  // namespace
}  // namespace loopsim::assets
