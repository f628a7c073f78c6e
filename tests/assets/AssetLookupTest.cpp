#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "AssetLookup.h"
#include "TempFolder.h"

namespace loopsim::assets {
namespace {

class AssetLookupTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(folder_.path().empty());
        for (const char* file : {"HSOn.jpg", "MouthO.jpg", "Sounds/LowO2.wav", "Sounds/bubbles.wav",
                                 "Sounds/CLICK.wav"}) {
            folder_.touch(file);
        }
    }

    std::optional<std::string> find(const std::string& name) const {
        const auto found = findAssetFile(folder_.path(), name);
        if (!found) {
            return std::nullopt;
        }
        return found->lexically_relative(folder_.path()).generic_string();
    }

    TempFolder folder_;
};

TEST_F(AssetLookupTest, FindsNamesAsTheSimulationSpellsThem) {
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
        {"\\Missing.jpg", std::nullopt},
        {"\\Sounds", std::nullopt},
        {"", std::nullopt},
        {"\\", std::nullopt},
        {"\\Sounds\\..\\HSOn.jpg", std::nullopt},
        {"\\HSOn.jpg\\more", std::nullopt},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(find(row.requested), row.expected) << "requested: " << row.requested;
    }
}

TEST_F(AssetLookupTest, PrefersTheExactSpellingThenTheFirstInNameOrder) {
    folder_.touch("Tone.wav");
    folder_.touch("tone.wav");
    folder_.touch("TONE.wav");
    EXPECT_EQ(find("tone.wav"), "tone.wav");
    EXPECT_EQ(find("Tone.wav"), "Tone.wav");
    EXPECT_EQ(find("tOnE.wav"), "TONE.wav");
}

TEST_F(AssetLookupTest, MissingFolderFindsNothing) {
    EXPECT_FALSE(findAssetFile(folder_.path() / "nowhere", "HSOn.jpg"));
}

}  // namespace
}  // namespace loopsim::assets
