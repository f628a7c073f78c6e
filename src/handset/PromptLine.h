// Where the words of a prompt stand over the handset's buttons. A prompt's second line names
// the buttons that answer it: YES or Down over the left button, NO or Up over the right one,
// Confirm (or the value of a menu) over the middle one. The display's own wrapping starts that
// line at the left edge; drawn as it is, a lone "Confirm" would stand over the left button.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace loopsim {

struct PromptWords {
    std::string left;
    std::string middle;
    std::string right;
    bool operator==(const PromptWords&) const = default;
};

// The line's words by the button each stands over, or nothing for a line that is not a
// prompt's (a title, the cell readings).
std::optional<PromptWords> promptWords(std::string_view line);

}  // namespace loopsim
