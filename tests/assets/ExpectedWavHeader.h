#pragma once

#include <cstdint>
#include <vector>

namespace loopsim::assets {

// The canonical header for `frames` frames of 2 x 16-bit at 22050 Hz, written out by hand.
inline std::vector<std::uint8_t> expectedHeader(std::uint32_t frames) {
    const std::uint32_t data = frames * 4;
    const std::uint32_t riff = data + 36;
    // clang-format off
    return {
        'R', 'I', 'F', 'F',
        static_cast<std::uint8_t>(riff), static_cast<std::uint8_t>(riff >> 8),
        static_cast<std::uint8_t>(riff >> 16), static_cast<std::uint8_t>(riff >> 24),
        'W', 'A', 'V', 'E', 'f', 'm', 't', ' ',
        16, 0, 0, 0,         // fmt chunk size
        1, 0,                // PCM
        2, 0,                // channels
        0x22, 0x56, 0, 0,    // 22050 frames per second
        0x88, 0x58, 0x01, 0, // 88200 bytes per second
        4, 0,                // block align
        16, 0,               // bits per sample
        'd', 'a', 't', 'a',
        static_cast<std::uint8_t>(data), static_cast<std::uint8_t>(data >> 8),
        static_cast<std::uint8_t>(data >> 16), static_cast<std::uint8_t>(data >> 24),
    };
    // clang-format on
}

}  // namespace loopsim::assets
