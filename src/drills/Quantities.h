// The words of a drill file's lines, and the amounts it writes with their units: times as
// "90 s" or "2 min", depths as "20 m". A unit may follow its number with or without a blank.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/SimClock.h"

namespace loopsim {

// The words of a line, blanks between them; a number with its unit glued on ("2min", "20m")
// gives two words.
std::vector<std::string> drillWords(std::string_view text);

// Reads the words from the front; what is left is what the line has not said yet.
class WordCursor {
  public:
    explicit WordCursor(std::string_view text) : words_(drillWords(text)) {}

    bool atEnd() const { return next_ == words_.size(); }
    // The next word, empty at the end.
    std::string_view peek(std::size_t ahead = 0) const;
    std::string_view take();
    // Takes the next word when it is this one.
    bool takeWord(std::string_view word);
    // The words not yet taken, as one text for a message.
    std::string rest() const;

  private:
    std::vector<std::string> words_;
    std::size_t next_ = 0;
};

// What an amount means and why it cannot be read.
struct TimeRead {
    Millis time = 0;
    std::optional<std::string> error;
};
struct DepthRead {
    int depth = 0;
    std::optional<std::string> error;
};

// "90 s", "2 min", "1.5 min": a whole number of seconds up to the latest time of a scenario.
TimeRead readTime(WordCursor& words);
// "20 m": whole metres from 1 to the deepest the unit goes.
DepthRead readDepth(WordCursor& words);
// Whether the next two words are a number and a depth unit.
bool depthAhead(const WordCursor& words);

// A time as a drill file writes it: "90 s", or "2 min" when it is whole minutes.
std::string formatDrillTime(Millis time);

}  // namespace loopsim
