// Where every element of the unit sits in the main window, in layout units of 1/1440 inch
// (twips), and what it is: the handsets' pictures, hot areas and displays at the places
// the handset art is drawn for, the regulator's parked place, the gas controls, the
// counterlung gauge, the environment panel and the window's own controls. The window
// scales this whole layout to its size, keeping its proportions.
#pragma once

#include <span>

#include "PictureLayout.h"

namespace loopsim {

using assets::TwipRect;

enum class ElementKind {
    Picture,     // a picture, clickable
    HotArea,     // an invisible clickable area over a picture (buttons, gestures, switches)
    Display,     // a handset's two-line display text
    Shape,       // a filled rectangle: the display backgrounds, the counterlung gauge
    Cover,       // the counterlung gauge's cover
    Readout,     // a number in a box: the environment, the loop PO2, the cell millivolts
    StateLabel,  // a valve's state badge
    CheckBox,    // the Sound, Warnings and ADV boxes
    Frame,       // a titled group
    Button,      // the window's own buttons
};

struct ElementDesign {
    const char* name;
    ElementKind kind;
    TwipRect rect;
    // A picture's design picture, or the title of one of the window's own frames. Every
    // other caption and text is the view model's.
    const char* content = "";
    const char* toolTip = "";
};

// A caption the window draws on the panel, with no element of its own.
struct PanelCaption {
    const char* text;
    TwipRect rect;
    bool centred = true;
};

inline constexpr int kUnitWidth = 16320;
inline constexpr int kUnitHeight = 9960;

// In the order they are stacked, the lowest first.
std::span<const ElementDesign> unitElements();
std::span<const PanelCaption> panelCaptions();

// The Controls frame's own widgets, which belong to the window and not to the unit.
inline constexpr TwipRect kClockReadout{13800, 7380, 1560, 360};
inline constexpr TwipRect kPauseButton{13800, 7800, 1560, 390};
inline constexpr TwipRect kFirstSpeedButton{13800, 8280, 360, 390};
inline constexpr int kSpeedButtonStep = 400;
// The window's own buttons in the row under the unit, beside the unit's Options, Report Bug
// and Exit, and the text size of the window's push buttons.
inline constexpr TwipRect kStationButton{4560, 9180, 2400, 480};
inline constexpr TwipRect kDrillsButton{7080, 9180, 1800, 480};
inline constexpr TwipRect kHelpButton{11880, 9180, 1800, 480};
inline constexpr int kControlTwips = 200;

// The gauge's scale beside the counterlung bar.
inline constexpr TwipRect kGaugeScale{13620, 1140, 360, 4800};
// The heading band above the unit.
inline constexpr TwipRect kHeadingLogo{720, 120, 600, 600};
inline constexpr TwipRect kHeadingTitle{1440, 180, 9000, 480};

}  // namespace loopsim
