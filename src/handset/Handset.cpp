#include "handset/Handset.h"

#include <string>

namespace loopsim {

Handset::Handset(SimContext& context, const HandsetSide& side)
    : context_(context),
      side_(side),
      display_(context.view.element(side.display)),
      picture_(context.view.element(side.picture)),
      backlight_(context.view.element(side.backlight)),
      displayTick_(context.clock.timer(side.displayTick)),
      backlightTick_(context.clock.timer(side.backlightTick)),
      pictureTick_(context.clock.timer(side.pictureTick)) {
    // The window's design: a switched-off handset with an empty display.
    display_.setText("");
    picture_.setPicture(kSwitchedOffPicture);
}

void Handset::lightBacklight(int milliseconds) {
    backlight_.setFill(kBacklightColour);
    backlightTick_.setInterval(milliseconds);
    backlightTick_.setEnabled(true);
}

void Handset::report(std::string_view rest) {
    context_.recording.recordEvent(side_.messagePrefix() + std::string(rest));
}

}  // namespace loopsim
