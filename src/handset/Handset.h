// One handset as its handlers see it: its own record and the other handset's, its window
// elements and timers, and the small acts that every handler of a handset does on them.
#pragma once

#include <string_view>

#include "core/SimContext.h"
#include "handset/HandsetSide.h"

namespace loopsim {

inline constexpr Rgb kBacklightColour{0, 192, 0};

inline constexpr const char* kRestingPicture = "\\HSOn.jpg";
inline constexpr const char* kSwitchedOffPicture = "\\HSOff.jpg";

class Handset {
  public:
    Handset(SimContext& context, const HandsetSide& side);
    Handset(const Handset&) = delete;
    Handset& operator=(const Handset&) = delete;

    const HandsetSide& side() const { return side_; }
    SimContext& context() { return context_; }
    SimulationState& state() { return context_.state; }
    HandsetState& record() { return context_.state.*side_.record; }
    HandsetState& other() { return context_.state.*side_.otherRecord; }

    ElementView& display() { return display_; }
    ElementView& picture() { return picture_; }
    ElementView& backlight() { return backlight_; }
    SimTimer& displayTick() { return displayTick_; }
    SimTimer& backlightTick() { return backlightTick_; }
    SimTimer& pictureTick() { return pictureTick_; }

    // Puts a text on the display at once.
    void showText(std::string_view text) { display_.setText(text); }
    void showPicture(std::string_view file) { picture_.setPicture(file); }
    // Fills the display background with the backlight colour until the backlight tick
    // puts the unlit colour back, the given time from now.
    void lightBacklight(int milliseconds);
    // Enables the display tick so that it runs again if it had stopped; a tick that is
    // waiting keeps its count.
    void rearmTick() { displayTick_.setEnabled(true); }
    // Writes "Left handset" or "Right handset" followed by the rest into the recording.
    void report(std::string_view rest);

  private:
    SimContext& context_;
    const HandsetSide& side_;
    ElementView& display_;
    ElementView& picture_;
    ElementView& backlight_;
    SimTimer& displayTick_;
    SimTimer& backlightTick_;
    SimTimer& pictureTick_;
};

}  // namespace loopsim
