// PCM WAV files in the one format every sound of the unit uses: 2 channels, 22050 frames per
// second, 16-bit signed little-endian samples (block align 4, 88200 bytes per second), a
// canonical 44-byte header and nothing after the data chunk.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace loopsim::assets {

inline constexpr int kSampleRate = 22050;
inline constexpr int kChannels = 2;
inline constexpr int kBitsPerSample = 16;
inline constexpr int kBlockAlign = kChannels * kBitsPerSample / 8;
inline constexpr int kWavHeaderBytes = 44;

struct StereoFrame {
    std::int16_t left = 0;
    std::int16_t right = 0;
};

std::vector<std::uint8_t> encodeWav(const std::vector<StereoFrame>& frames);

// Throws std::runtime_error naming the file when it cannot be written.
void writeWav(const std::filesystem::path& file, const std::vector<StereoFrame>& frames);

}  // namespace loopsim::assets
