#include "drills/DrillNote.h"

#include <cstdint>

#include "files/FileText.h"

namespace loopsim {
namespace {

constexpr std::string_view kNoteStart = "# Drill: ";
constexpr std::string_view kContent = ", content ";

}  // namespace

std::string drillContentHash(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char byte : text) {
        hash ^= byte;
        hash *= 1099511628211ull;
    }
    constexpr char kDigits[] = "0123456789abcdef";
    std::string hex(16, '0');
    for (int i = 15; i >= 0; --i, hash >>= 4)
        hex[static_cast<std::size_t>(i)] = kDigits[hash & 0xf];
    return hex;
}

std::string drillNote(std::string_view fileName, std::string_view text) {
    return std::string(kNoteStart.substr(2)) + std::string(fileName) + std::string(kContent) +
           drillContentHash(text);
}

std::optional<NotedDrill> drillNotedInLog(std::string_view logText) {
    logText = withoutByteOrderMark(logText);
    while (!logText.empty()) {
        const std::size_t end = logText.find('\n');
        std::string_view line = logText.substr(0, end);
        logText.remove_prefix(end == std::string_view::npos ? logText.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.substr(0, kNoteStart.size()) != kNoteStart)
            continue;
        line.remove_prefix(kNoteStart.size());
        const std::size_t content = line.rfind(kContent);
        if (content == std::string_view::npos)
            continue;
        return NotedDrill{std::string(line.substr(0, content)),
                          std::string(line.substr(content + kContent.size()))};
    }
    return std::nullopt;
}

}  // namespace loopsim
