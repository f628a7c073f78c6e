#include "drills/Quantities.h"

#include <cctype>
#include <cmath>

#include "core/Format.h"
#include "core/MessageExcerpt.h"
#include "files/Scenario.h"

namespace loopsim {
namespace {

constexpr int kDeepestMetres = 40;  // as deep as the depth arrows go

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isDigitOrPoint(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) || c == '.';
}

// "2min" is "2" and "min"; "-5m", "1e3" and "cell_drift" stay whole.
void addWord(std::string_view word, std::vector<std::string>& words) {
    std::size_t digits = 0;
    while (digits < word.size() && isDigitOrPoint(word[digits]))
        ++digits;
    const bool gluedUnit = digits > 0 && digits < word.size() &&
                           std::isalpha(static_cast<unsigned char>(word[digits])) &&
                           word[digits] != 'e' && word[digits] != 'E';
    if (gluedUnit) {
        words.emplace_back(word.substr(0, digits));
        words.emplace_back(word.substr(digits));
    } else {
        words.emplace_back(word);
    }
}

// The number and unit ahead, as the line has them, for a message.
std::string amountAhead(const WordCursor& words) {
    std::string text(words.peek());
    if (!words.peek(1).empty())
        text += " " + std::string(words.peek(1));
    return text;
}

// What is wrong with an amount that is not there or not one.
std::string notAn(const WordCursor& words, std::string_view what, std::string_view hint) {
    if (words.atEnd())
        return std::string(what) + " is missing: " + std::string(hint);
    return quotedExcerpt(amountAhead(words)) + " is not " + std::string(what) + ": " +
           std::string(hint);
}

}  // namespace

std::vector<std::string> drillWords(std::string_view text) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && isBlank(text[i]))
            ++i;
        std::size_t end = i;
        while (end < text.size() && !isBlank(text[end]))
            ++end;
        if (end > i)
            addWord(text.substr(i, end - i), words);
        i = end;
    }
    return words;
}

std::string_view WordCursor::peek(std::size_t ahead) const {
    return next_ + ahead < words_.size() ? std::string_view(words_[next_ + ahead])
                                         : std::string_view();
}

std::string_view WordCursor::take() {
    std::string_view word = peek();
    if (!atEnd())
        ++next_;
    return word;
}

bool WordCursor::takeWord(std::string_view word) {
    if (peek() != word)
        return false;
    ++next_;
    return true;
}

std::string WordCursor::rest() const {
    std::string text;
    for (std::size_t i = next_; i < words_.size(); ++i)
        text += (i == next_ ? "" : " ") + words_[i];
    return text;
}

TimeRead readTime(WordCursor& words) {
    const std::string written = amountAhead(words);
    const auto number = parseNumber(words.peek());
    const std::string_view unit = words.peek(1);
    if (!number || (unit != "s" && unit != "min"))
        return {0, notAn(words, "a time", "write seconds or minutes, as '90 s' or '2 min'")};
    words.take();
    words.take();
    const double millis = *number * (unit == "s" ? 1000 : 60000);
    if (*number < 0 || millis > static_cast<double>(kLatestScenarioTime))
        return {0, "the time " + quotedExcerpt(written) + " is not from 0 to " +
                       formatScenarioTime(kLatestScenarioTime) + " s"};
    if (std::fmod(millis, 1000) != 0)
        return {0, "the time " + quotedExcerpt(written) + " is not a whole number of seconds"};
    return {static_cast<Millis>(millis), std::nullopt};
}

bool depthAhead(const WordCursor& words) {
    return parseNumber(words.peek()) && words.peek(1) == "m";
}

DepthRead readDepth(WordCursor& words) {
    const std::string written = amountAhead(words);
    if (!depthAhead(words))
        return {0, notAn(words, "a depth", "write metres, as '20 m'")};
    const double number = *parseNumber(words.take());
    words.take();
    if (number < 1 || number > kDeepestMetres || std::floor(number) != number)
        return {0, "the depth " + quotedExcerpt(written) +
                       " is not a whole number of metres from 1 to " +
                       std::to_string(kDeepestMetres)};
    return {static_cast<int>(number), std::nullopt};
}

std::string formatDrillTime(Millis time) {
    if (time != 0 && time % 60000 == 0)
        return std::to_string(time / 60000) + " min";
    return formatScenarioTime(time) + " s";
}

}  // namespace loopsim
