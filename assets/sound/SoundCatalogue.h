// The sound files the simulation plays, each with the recipe that synthesizes it. Only one
// file is written per name without regard to case: the simulation's "lowo2.wav" and
// "Bubbles.wav" find "LowO2.wav" and "bubbles.wav" through the case-insensitive lookup.
#pragma once

#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

#include "Synth.h"

namespace loopsim::assets {

struct SoundRecipe {
    std::string_view fileName;
    bool loops;       // played on a repeating channel: its end must run into its start
    bool silentEnds;  // played once: starts and ends at rest
    StereoSignal (*make)();
};

std::span<const SoundRecipe> soundRecipes();

std::vector<StereoFrame> synthesize(const SoundRecipe& recipe);

// Writes every sound into `folder`, creating it if needed. Throws std::runtime_error on failure.
void writeSounds(const std::filesystem::path& folder);

}  // namespace loopsim::assets
