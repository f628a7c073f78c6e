#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QString>
#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "AssetLookup.h"
#include "ExpectedWavHeader.h"
#include "PictureCatalogue.h"
#include "PictureLayout.h"
#include "ScratchFolder.h"
#include "SoundCatalogue.h"

namespace loopsim::assets {
namespace {

std::set<std::string> splitNames(const std::string& joined) {
    std::set<std::string> names;
    std::stringstream in(joined);
    for (std::string name; std::getline(in, name, ',');) {
        names.insert(name);
    }
    return names;
}

std::vector<char> bytesOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::set<std::string> filesUnder(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            names.insert(entry.path().lexically_relative(folder).generic_string());
        }
    }
    return names;
}

void generate(const std::filesystem::path& folder) {
    writePictures(folder);
    writeSounds(folder / "Sounds");
}

class GeneratedFilesTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(folder_.path().empty());
        generate(folder_.path());
    }

    test::ScratchFolder folder_;
};

TEST(GeneratedNamesTest, BuildListsMatchTheGeneratorTables) {
    std::set<std::string> pictures;
    for (const PictureRecipe& recipe : pictureRecipes()) {
        pictures.insert(std::string(recipe.fileName));
    }
    std::set<std::string> sounds;
    for (const SoundRecipe& recipe : soundRecipes()) {
        sounds.insert(std::string(recipe.fileName));
    }
    EXPECT_EQ(pictures, splitNames(LOOPSIM_PICTURE_FILES));
    EXPECT_EQ(sounds, splitNames(LOOPSIM_SOUND_FILES));
}

TEST_F(GeneratedFilesTest, EveryFileTheSimulationLoadsIsFoundAndNothingElseIsWritten) {
    // Every name the simulation asks for, as it spells it.
    std::istringstream requested(
        "\\MouthO.jpg \\MouthC.jpg \\HSOn.jpg \\HSOff.jpg \\HSLeft.jpg \\HSMid.jpg \\HSRight.jpg "
        "\\HSBothOuter.jpg \\HSBothRight.jpg \\HSLineOuters.jpg \\HSLineRights.jpg \\Dump.jpg "
        "\\DumpFail.jpg \\O2Butt.jpg \\DiluentButt.jpg \\ManualAddMissing.jpg "
        "\\Sounds\\lowo2.wav \\Sounds\\LowO2.wav \\Sounds\\DoubleBeep.wav \\Sounds\\Turnonr.wav "
        "\\Sounds\\CLICK.wav \\Sounds\\shorthiss.wav \\Sounds\\bubbles.wav \\Sounds\\Bubbles.wav "
        "\\Sounds\\alarm.wav \\Sounds\\longhiss.wav \\Sounds\\longthiss.wav "
        "\\Sounds\\injector.wav \\Sounds\\injectorshort.wav");
    for (std::string name; requested >> name;) {
        EXPECT_TRUE(findAssetFile(folder_.path(), name)) << name;
    }

    std::set<std::string> expected = splitNames(LOOPSIM_PICTURE_FILES);
    for (const std::string& name : splitNames(LOOPSIM_SOUND_FILES)) {
        expected.insert("Sounds/" + name);
    }
    EXPECT_EQ(filesUnder(folder_.path()), expected);
}

TEST_F(GeneratedFilesTest, SoundFilesHaveTheCanonicalHeaderForTheirLength) {
    for (const SoundRecipe& recipe : soundRecipes()) {
        const std::vector<char> bytes = bytesOf(folder_.path() / "Sounds" / recipe.fileName);
        ASSERT_GT(bytes.size(), 44u) << recipe.fileName;
        const std::size_t dataBytes = bytes.size() - 44;
        EXPECT_EQ(dataBytes % 4, 0u) << recipe.fileName;
        const std::vector<std::uint8_t> header(bytes.begin(), bytes.begin() + 44);
        EXPECT_EQ(header, expectedHeader(static_cast<std::uint32_t>(dataBytes / 4)))
            << recipe.fileName;
        EXPECT_EQ(dataBytes / 4, synthesize(recipe).size()) << recipe.fileName;
    }
}

// Each picture is twice its layout size at 96 dpi, and its corners are the panel colour so
// its edges do not show on the panel.
TEST_F(GeneratedFilesTest, PicturesHaveTheirLayoutSizeAndThePanelColourAtTheCorners) {
    const QColor panel(kPanelBackground.red, kPanelBackground.green, kPanelBackground.blue);
    for (const PictureSize& size : kPictureSizes) {
        const QImage picture(QString::fromStdString((folder_.path() / size.fileName).string()),
                             "JPG");
        ASSERT_FALSE(picture.isNull()) << size.fileName;
        EXPECT_EQ(size.widthTwips % kTwipsPerScale, 0) << size.fileName;
        EXPECT_EQ(size.heightTwips % kTwipsPerScale, 0) << size.fileName;
        EXPECT_EQ(picture.width(), size.widthTwips * 2 / 15) << size.fileName;
        EXPECT_EQ(picture.height(), size.heightTwips * 2 / 15) << size.fileName;
        const int right = picture.width() - 1;
        const int bottom = picture.height() - 1;
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)}) {
            const QColor seen = picture.pixelColor(corner);
            // JPEG leaves a few levels of ringing near shapes; that much does not show.
            const int difference = std::abs(seen.red() - panel.red()) +
                                   std::abs(seen.green() - panel.green()) +
                                   std::abs(seen.blue() - panel.blue());
            EXPECT_LE(difference, 24) << size.fileName << " at " << corner.x() << "," << corner.y();
        }
    }
    // The pictures the window places by their own size fit the places it gives them.
    const auto sizeOf = [this](const char* name) {
        return QImage(QString::fromStdString((folder_.path() / name).string())).size();
    };
    const auto pixels = [](const TwipRect& place) {
        return QSize(twipsToPixels(place.width), twipsToPixels(place.height));
    };
    EXPECT_EQ(sizeOf("HSOn.jpg"), pixels(kLeftHandsetPicture));
    EXPECT_EQ(sizeOf("RegulatorLarge.jpg"), pixels(kRegulatorLargePlace));
    EXPECT_EQ(sizeOf("RegulatorSmall.jpg"), pixels(kRegulatorSmallPlace));
}

TEST_F(GeneratedFilesTest, GeneratingAgainWritesTheSameBytes) {
    test::ScratchFolder again;
    ASSERT_FALSE(again.path().empty());
    generate(again.path());
    const std::set<std::string> files = filesUnder(folder_.path());
    ASSERT_EQ(filesUnder(again.path()), files);
    for (const std::string& file : files) {
        EXPECT_EQ(bytesOf(folder_.path() / file), bytesOf(again.path() / file)) << file;
    }
}

}  // namespace
}  // namespace loopsim::assets
