#include "handset/PromptLine.h"

#include <algorithm>
#include <array>
#include <vector>

namespace loopsim {
namespace {

constexpr std::array<std::string_view, 3> kLeftWords{"YES", "Yes", "Down"};
constexpr std::array<std::string_view, 4> kRightWords{"NO", "No", "UP", "Up"};
constexpr std::string_view kMiddleWord = "Confirm";

bool oneOf(std::string_view word, const auto& words) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

std::vector<std::string_view> wordsOf(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t position = line.find_first_not_of(' ');
    while (position != std::string_view::npos) {
        const std::size_t end = std::min(line.find(' ', position), line.size());
        words.push_back(line.substr(position, end - position));
        position = line.find_first_not_of(' ', end);
    }
    return words;
}

}  // namespace

std::optional<PromptWords> promptWords(std::string_view line) {
    const std::vector<std::string_view> words = wordsOf(line);
    if (words.size() == 1 && words[0] == kMiddleWord)
        return PromptWords{{}, std::string(kMiddleWord), {}};
    if (words.size() < 2 || words.size() > 3 || !oneOf(words.front(), kLeftWords) ||
        !oneOf(words.back(), kRightWords))
        return std::nullopt;
    return PromptWords{std::string(words.front()),
                       words.size() == 3 ? std::string(words[1]) : std::string(),
                       std::string(words.back())};
}

}  // namespace loopsim
