#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "ExpectedWavHeader.h"
#include "WavFile.h"

namespace loopsim::assets {
namespace {

TEST(WavFileTest, EncodesTheHeaderForTheFrameCountThenLittleEndianInterleavedSamples) {
    const std::vector<StereoFrame> frames{{1, -1}, {32767, -32768}, {0x1234, 0}};
    std::vector<std::uint8_t> expected = expectedHeader(3);
    const std::vector<std::uint8_t> samples{0x01, 0x00, 0xFF, 0xFF, 0xFF, 0x7F,
                                            0x00, 0x80, 0x34, 0x12, 0x00, 0x00};
    expected.insert(expected.end(), samples.begin(), samples.end());
    EXPECT_EQ(encodeWav(frames), expected);
    EXPECT_EQ(encodeWav({}), expectedHeader(0));

    const std::vector<std::uint8_t> bytes = encodeWav(std::vector<StereoFrame>(70000));
    ASSERT_EQ(bytes.size(), 44u + 70000u * 4u);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 44), expectedHeader(70000));
}

}  // namespace
}  // namespace loopsim::assets
