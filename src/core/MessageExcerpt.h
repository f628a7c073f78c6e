// Text from a file or a command line, made fit to quote in an error message: a message is
// one line on a terminal, so nothing quoted may break it, move the cursor, hide itself or
// fill the screen.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace loopsim {

// At most this many characters of the text are quoted; a longer text is cut and ends "...".
inline constexpr std::size_t kMessageExcerptCharacters = 60;

// The text with what a terminal would not show as written escaped: control characters as
// \t, \r, \n or \xNN, a backslash as \\, bytes that are not UTF-8 as \xNN, invisible and
// direction-changing characters (a byte-order mark, a line separator) as \uXXXX. Valid
// UTF-8 otherwise stays as it is.
std::string messageExcerpt(std::string_view text);
// The excerpt in single quotes, as messages quote the file's text: 'Label99'.
std::string quotedExcerpt(std::string_view text);

}  // namespace loopsim
