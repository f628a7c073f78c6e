#include "handset/TwoLineDisplay.h"

#include <array>
#include <vector>

namespace loopsim {
namespace {

// Advance widths of a plain sans-serif face in thousandths of an em, for the printable
// characters from the space (32) to the tilde (126).
constexpr std::array<int, 95> kGlyphWidths = {
    278,  278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278,  // ' '../
    556,  556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556,  // 0..?
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778,  // @..O
    667,  778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556,  // P.._
    333,  556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556,  // `..o
    556,  556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584,       // p..~
};
constexpr int kDigitWidth = 556;

int glyphWidth(char character) {
    const auto code = static_cast<unsigned char>(character);
    if (code < 32 || code > 126)
        return kDigitWidth;
    return kGlyphWidths[code - 32];
}

int runWidth(std::string_view run) {
    int width = 0;
    for (char character : run)
        width += glyphWidth(character);
    return width;
}

void trimTrailingSpaces(std::string& line) {
    line.erase(line.find_last_not_of(' ') + 1);
}

}  // namespace

TwoLines wrapOnTwoLines(std::string_view text, int columns) {
    const int lineWidth = columns * kDigitWidth;
    std::vector<std::string> lines(1);
    int width = 0;
    auto newLine = [&] {
        lines.emplace_back();
        width = 0;
    };

    std::size_t position = 0;
    while (position < text.size() && lines.size() <= 2) {
        const bool spaces = text[position] == ' ';
        std::size_t end = position;
        while (end < text.size() && (text[end] == ' ') == spaces)
            ++end;
        const std::string_view run = text.substr(position, end - position);
        const int widthOfRun = runWidth(run);
        position = end;

        if (spaces) {
            if (width + widthOfRun > lineWidth)
                newLine();  // the line breaks in these spaces; none are carried over
            else if (!lines.back().empty() || lines.size() == 1) {
                lines.back() += run;
                width += widthOfRun;
            }
            continue;
        }
        if (width + widthOfRun > lineWidth && !lines.back().empty())
            newLine();
        lines.back() += run;
        width += widthOfRun;
    }

    lines.resize(2);
    trimTrailingSpaces(lines[0]);
    trimTrailingSpaces(lines[1]);
    return {lines[0], lines[1]};
}

}  // namespace loopsim
