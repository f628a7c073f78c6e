// How a handset's two-line display lays out a screen text. The texts are single strings
// whose runs of spaces push words onto the second line, written for a display about 19
// characters wide in a proportional sans-serif face: a space is half as wide as a digit,
// a capital wider. The width is counted in characters the width of a digit; each glyph
// counts as wide as it is in such a face, so the texts break where their spaces put them.
//
// The rule is the ordinary one of a word-wrapping text area: words go on a line while they
// fit; a run of spaces that reaches past the line's end is where the line breaks, and
// those spaces are not carried over; a word that does not fit starts the next line, and a
// word on a line of its own is never split. The display has two lines; what would come
// after them is not shown. Trailing spaces are dropped from both lines.
#pragma once

#include <string>
#include <string_view>

namespace loopsim {

// The display's width in digit-wide characters: 3735 twips at 18 points hold about 18.7.
inline constexpr int kDisplayColumns = 19;

struct TwoLines {
    std::string first;
    std::string second;
    bool operator==(const TwoLines&) const = default;
};

TwoLines wrapOnTwoLines(std::string_view text, int columns = kDisplayColumns);

}  // namespace loopsim
