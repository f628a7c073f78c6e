#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "AssetLookup.h"
#include "ScratchFolder.h"

namespace loopsim::assets {
namespace {

TEST(AssetLookupTest, FindsNamesAsTheSimulationSpellsThem) {
    test::ScratchFolder folder;
    ASSERT_FALSE(folder.path().empty());
    for (const char* file : {"HSOn.jpg", "MouthO.jpg", "Sounds/LowO2.wav", "Sounds/bubbles.wav",
                             "Sounds/CLICK.wav", "Tone.wav", "tone.wav", "TONE.wav"})
        folder.write(file, file);
    struct Row {
        const char* requested;
        std::optional<std::string> expected;
    };
    const Row rows[] = {
        {"\\HSOn.jpg", "HSOn.jpg"},
        {"HSOn.jpg", "HSOn.jpg"},
        {"\\hson.JPG", "HSOn.jpg"},
        {"/MOUTHO.jpg", "MouthO.jpg"},
        {"\\Sounds\\lowo2.wav", "Sounds/LowO2.wav"},
        {"\\Sounds\\LowO2.wav", "Sounds/LowO2.wav"},
        {"sounds/Bubbles.wav", "Sounds/bubbles.wav"},
        {"\\\\Sounds\\\\click.wav", "Sounds/CLICK.wav"},
        // The exact spelling first, then the first match in name order.
        {"tone.wav", "tone.wav"},
        {"Tone.wav", "Tone.wav"},
        {"tOnE.wav", "TONE.wav"},
        {"\\Missing.jpg", std::nullopt},
        {"\\Sounds", std::nullopt},
        {"", std::nullopt},
        {"\\", std::nullopt},
        {"\\Sounds\\..\\HSOn.jpg", std::nullopt},
        {"\\HSOn.jpg\\more", std::nullopt},
    };
    for (const Row& row : rows) {
        const auto found = findAssetFile(folder.path(), row.requested);
        EXPECT_EQ(found ? std::optional(found->lexically_relative(folder.path()).generic_string())
                        : std::nullopt,
                  row.expected)
            << "requested: " << row.requested;
    }
    EXPECT_FALSE(findAssetFile(folder.path() / "nowhere", "HSOn.jpg"));
}

}  // namespace
}  // namespace loopsim::assets
