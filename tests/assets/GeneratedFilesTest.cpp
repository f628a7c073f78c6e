// The generated pictures and sounds as files: the names the build lists, the lookup that
// finds them as the simulation spells them, the WAV header byte for byte, the pictures'
// sizes, and the same bytes on every generation.
#include <gtest/gtest.h>

#include <QImage>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "AssetLookup.h"
#include "GoldenFile.h"
#include "PictureCatalogue.h"
#include "PictureLayout.h"
#include "ScratchFolder.h"
#include "SoundCatalogue.h"
#include "WavFile.h"

namespace loopsim::assets {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The bytes in hex, a space after every four.
std::string hex(const Bytes& bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0 && i % 4 == 0)
            text += ' ';
        text += {kDigits[bytes[i] >> 4], kDigits[bytes[i] & 15]};
    }
    return text;
}

Bytes bytesOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::set<std::string> filesUnder(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            names.insert(entry.path().lexically_relative(folder).generic_string());
    return names;
}

std::set<std::string> namesListedByTheBuild(std::string joined, const std::string& folder = "") {
    std::set<std::string> names;
    std::stringstream in(joined);
    for (std::string name; std::getline(in, name, ',');)
        names.insert(folder + name);
    return names;
}

class GeneratedFilesTest : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        folder_ = new test::ScratchFolder;
        writePictures(folder_->path());
        writeSounds(folder_->path() / "Sounds");
    }
    static void TearDownTestSuite() { delete folder_; }
    static test::ScratchFolder* folder_;
};
test::ScratchFolder* GeneratedFilesTest::folder_ = nullptr;

// The canonical header, written out by hand: "RIFF" and the size after it, "WAVE", the format
// (PCM, 2 channels, 22050 Hz, 88200 bytes a second, 4 a frame, 16 bits), then "data" and its
// size; then the samples, little-endian, left before right.
TEST(WavFileTest, EncodesTheHeaderForTheFrameCountThenLittleEndianInterleavedSamples) {
    const std::string format =
        " 57415645 666d7420 10000000 01000200 22560000 88580100 04001000 64617461 ";
    EXPECT_EQ(hex(encodeWav({{1, -1}, {32767, -32768}, {0x1234, 0}})),
              "52494646 30000000" + format + "0c000000 0100ffff ff7f0080 34120000");
    EXPECT_EQ(hex(encodeWav({})), "52494646 24000000" + format + "00000000");
    const Bytes bytes = encodeWav(std::vector<StereoFrame>(70000));
    ASSERT_EQ(bytes.size(), 44u + 70000u * 4u);
    EXPECT_EQ(hex(Bytes(bytes.begin(), bytes.begin() + 44)),
              "52494646 e4450400" + format + "c0450400");
}

TEST(AssetLookupTest, FindsNamesAsTheSimulationSpellsThem) {
    test::ScratchFolder folder;
    for (const char* file : {"HSOn.jpg", "MouthO.jpg", "Sounds/LowO2.wav", "Sounds/bubbles.wav",
                             "Sounds/CLICK.wav", "Tone.wav", "tone.wav", "TONE.wav"})
        folder.write(file, file);
    const std::string expected = readTestFile(testDataPath("assets-lookup.txt"));
    std::istringstream lines(expected);
    std::string found;
    for (std::string line; std::getline(lines, line);) {
        const std::string requested = line.substr(1, line.rfind(']') - 1);
        const auto file = findAssetFile(folder.path(), requested);
        found += "[" + requested + "] " +
                 (file ? file->lexically_relative(folder.path()).generic_string() : "(none)") +
                 "\n";
    }
    EXPECT_EQ(found, expected);
    EXPECT_FALSE(findAssetFile(folder.path() / "nowhere", "HSOn.jpg"));
}

// The generator writes exactly the files the build lists, and every name the simulation asks
// for, as it spells it, is found.
TEST_F(GeneratedFilesTest, EveryFileTheSimulationLoadsIsThereAndNothingElse) {
    std::set<std::string> listed = namesListedByTheBuild(LOOPSIM_PICTURE_FILES);
    listed.merge(namesListedByTheBuild(LOOPSIM_SOUND_FILES, "Sounds/"));
    EXPECT_EQ(filesUnder(folder_->path()), listed);
    std::istringstream requested(readTestFile(testDataPath("assets-requested-names.txt")));
    for (std::string name; requested >> name;)
        EXPECT_TRUE(findAssetFile(folder_->path(), name)) << name;
}

// Each sound file is its sound, encoded as the encoder test above pins down, at its length.
TEST_F(GeneratedFilesTest, SoundFilesAreTheirSoundsEncoded) {
    std::string lengths;
    for (const SoundRecipe& recipe : soundRecipes()) {
        const std::vector<StereoFrame> sound = synthesize(recipe);
        EXPECT_EQ(bytesOf(folder_->path() / "Sounds" / recipe.fileName), encodeWav(sound))
            << recipe.fileName;
        lengths += std::string(recipe.fileName) + " " + std::to_string(sound.size()) + "\n";
    }
    expectMatchesGoldenFile(lengths, "assets-sound-lengths.txt");
}

// Each picture is twice its layout size at 96 dpi, and its corners are the panel colour so
// its edges do not show on the panel; the pictures the window places by their own size fit
// the places it gives them.
TEST_F(GeneratedFilesTest, PicturesHaveTheirLayoutSizeAndThePanelColourAtTheCorners) {
    const QColor panel(kPanelBackground.red, kPanelBackground.green, kPanelBackground.blue);
    const auto picture = [](std::string_view name) {
        return QImage(QString::fromStdString((folder_->path() / name).string()), "JPG");
    };
    for (const PictureSize& size : kPictureSizes) {
        const QImage image = picture(size.fileName);
        ASSERT_FALSE(image.isNull()) << size.fileName;
        EXPECT_EQ(size.widthTwips % kTwipsPerScale + size.heightTwips % kTwipsPerScale, 0);
        EXPECT_EQ(image.size(), QSize(size.widthTwips * 2 / 15, size.heightTwips * 2 / 15))
            << size.fileName;
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(image.width() - 1, 0), QPoint(0, image.height() - 1),
              QPoint(image.width() - 1, image.height() - 1)}) {
            const QColor seen = image.pixelColor(corner);
            // JPEG leaves a few levels of ringing near shapes; that much does not show.
            EXPECT_LE(std::abs(seen.red() - panel.red()) + std::abs(seen.green() - panel.green()) +
                          std::abs(seen.blue() - panel.blue()),
                      24)
                << size.fileName << " at " << corner.x() << "," << corner.y();
        }
    }
    for (const auto& [name, place] : {std::pair{"HSOn.jpg", kLeftHandsetPicture},
                                      {"RegulatorLarge.jpg", kRegulatorLargePlace},
                                      {"RegulatorSmall.jpg", kRegulatorSmallPlace}})
        EXPECT_EQ(picture(name).size(),
                  QSize(twipsToPixels(place.width), twipsToPixels(place.height)))
            << name;
}

TEST_F(GeneratedFilesTest, GeneratingAgainWritesTheSameBytes) {
    test::ScratchFolder again;
    writePictures(again.path());
    writeSounds(again.path() / "Sounds");
    const std::set<std::string> files = filesUnder(folder_->path());
    ASSERT_EQ(filesUnder(again.path()), files);
    for (const std::string& file : files)
        EXPECT_EQ(bytesOf(folder_->path() / file), bytesOf(again.path() / file)) << file;
}

}  // namespace
}  // namespace loopsim::assets
