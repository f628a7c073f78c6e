#include "WavFile.h"

#include <fstream>
#include <stdexcept>
#include <string_view>

namespace loopsim::assets {
namespace {

void putTag(std::vector<std::uint8_t>& out, std::string_view tag) {
    out.insert(out.end(), tag.begin(), tag.end());
}

void putLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFFu));
    }
}

}  // namespace

std::vector<std::uint8_t> encodeWav(const std::vector<StereoFrame>& frames) {
    const auto dataBytes = static_cast<std::uint32_t>(frames.size() * kBlockAlign);
    std::vector<std::uint8_t> out;
    out.reserve(kWavHeaderBytes + dataBytes);
    putTag(out, "RIFF");
    putLittleEndian(out, kWavHeaderBytes - 8 + dataBytes, 4);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    putLittleEndian(out, 16, 4);
    putLittleEndian(out, 1, 2);  // PCM
    putLittleEndian(out, kChannels, 2);
    putLittleEndian(out, kSampleRate, 4);
    putLittleEndian(out, kSampleRate * kBlockAlign, 4);
    putLittleEndian(out, kBlockAlign, 2);
    putLittleEndian(out, kBitsPerSample, 2);
    putTag(out, "data");
    putLittleEndian(out, dataBytes, 4);
    for (const StereoFrame& frame : frames) {
        putLittleEndian(out, static_cast<std::uint16_t>(frame.left), 2);
        putLittleEndian(out, static_cast<std::uint16_t>(frame.right), 2);
    }
    return out;
}

void writeWav(const std::filesystem::path& file, const std::vector<StereoFrame>& frames) {
    const std::vector<std::uint8_t> bytes = encodeWav(frames);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write sound file " + file.string());
    }
}

}  // namespace loopsim::assets
