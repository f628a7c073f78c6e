#include "SoundCatalogue.h"

#include <array>

#include "SoundRecipes.h"

namespace loopsim::assets {
namespace {

constexpr std::array kRecipes{
    SoundRecipe{"Turnonr.wav", false, true, &turnOnBeep},
    SoundRecipe{"CLICK.wav", false, true, &buttonClick},
    SoundRecipe{"DoubleBeep.wav", false, true, &doubleBeep},
    SoundRecipe{"alarm.wav", false, true, &alarmWarble},
    SoundRecipe{"LowO2.wav", false, true, &lowOxygenAlert},
    SoundRecipe{"shorthiss.wav", true, false, &shortHiss},
    SoundRecipe{"longhiss.wav", true, false, &longHiss},
    SoundRecipe{"longthiss.wav", true, false, &longThinHiss},
    SoundRecipe{"injector.wav", true, false, &injectorLoop},
    SoundRecipe{"injectorshort.wav", true, false, &injectorShortLoop},
    SoundRecipe{"bubbles.wav", true, true, &bubbles},
};

}  // namespace

std::span<const SoundRecipe> soundRecipes() {
    return kRecipes;
}

std::vector<StereoFrame> synthesize(const SoundRecipe& recipe) {
    return toFrames(recipe.make());
}

void writeSounds(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    for (const SoundRecipe& recipe : kRecipes) {
        writeWav(folder / recipe.fileName, synthesize(recipe));
    }
}

}  // namespace loopsim::assets
