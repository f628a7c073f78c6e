#include "app/window/UnitLayout.h"

#include <array>

#include "core/Elements.h"

namespace loopsim {
namespace {

using K = ElementKind;
using assets::kLeftHandsetAreas;
using assets::kLeftHandsetPicture;
using assets::kRightHandsetAreas;

constexpr TwipRect kRightHandsetPicture{kLeftHandsetPicture.left + assets::kHandsetSpacing,
                                        kLeftHandsetPicture.top, kLeftHandsetPicture.width,
                                        kLeftHandsetPicture.height};

constexpr const char* kOxygenValveTip = "Click to open and close O2 valve";
constexpr const char* kDiluentValveTip = "Click to open and close diluent valve";
constexpr const char* kSoundBoxTip = "Select this button to enable sound. No tick, no sounds";

// What the handset's controls do on the unit; both handsets work alike.
constexpr const char* kLeftButtonTip =
    "Left button: YES to a question, Down in a menu; turns the handset on when its switch is on";
constexpr const char* kMiddleButtonTip =
    "Middle button: Confirm, and on to the next menu; held two seconds on the master's main "
    "screen it swaps the low and high setpoints";
constexpr const char* kRightButtonTip = "Right button: NO to a question, Up in a menu";
constexpr const char* kBothOuterTip =
    "Left and right buttons held together: on release the handset enters its setup menus";
constexpr const char* kBothRightTip =
    "Middle and right buttons held together: held, they switch the handset off";
constexpr const char* kPowerSwitchTip = "Hardware switch: powers the handset on and off";

// The four environment frames share one inner layout: a readout on the left, the up arrow
// above the down arrow on the right.
constexpr TwipRect frameAt(int left, int top) {
    return {left, top, 2280, 1140};
}
constexpr TwipRect readoutIn(TwipRect frame) {
    return {frame.left + 180, frame.top + 390, 1380, 600};
}
constexpr TwipRect upArrowIn(TwipRect frame) {
    return {frame.left + 1740, frame.top + 300, 360, 360};
}
constexpr TwipRect downArrowIn(TwipRect frame) {
    return {frame.left + 1740, frame.top + 700, 360, 360};
}

constexpr TwipRect kDepthFrameRect = frameAt(8580, 6600);
constexpr TwipRect kPressureFrameRect = frameAt(10980, 6600);
constexpr TwipRect kAnalysisFrameRect = frameAt(8580, 7740);
constexpr TwipRect kRateFrameRect = frameAt(10980, 7740);

constexpr std::array kElements{
    // Frames, under everything else. The first three are the window's own and carry their
    // titles here; the unit's frames take theirs from the view model.
    ElementDesign{"ElectronicsFrame", K::Frame, {720, 840, 11400, 5280}, "Electronics"},
    ElementDesign{"VolumeFrame", K::Frame, {12240, 840, 3360, 5280}, "Volume"},
    ElementDesign{"GasControlFrame", K::Frame, {720, 6300, 7560, 2700}, "Gas Control"},
    ElementDesign{elements::kEnvironmentFrame, K::Frame, {8400, 6300, 5040, 2700}},
    ElementDesign{elements::kDepthFrame, K::Frame, kDepthFrameRect},
    ElementDesign{elements::kAmbientPressureFrame, K::Frame, kPressureFrameRect},
    ElementDesign{elements::kOxygenAnalysisFrame, K::Frame, kAnalysisFrameRect},
    ElementDesign{elements::kMetabolicRateFrame, K::Frame, kRateFrameRect},
    ElementDesign{elements::kControlsFrame, K::Frame, {13560, 6300, 2040, 2700}},

    // The diver's regulator, under the handsets: in the mouth it reaches behind the right one.
    ElementDesign{elements::kRegulator, K::Picture, assets::kRegulatorSmallPlace,
                  "RegulatorSmall.jpg",
                  "Large = breath from loop. Small = not breathing. Click to change"},

    // The handsets: picture, display background and text, then the hot areas on top.
    ElementDesign{elements::kLeftHandset.picture, K::Picture, kLeftHandsetPicture, "\\HSOff.jpg"},
    ElementDesign{elements::kRightHandset.picture, K::Picture, kRightHandsetPicture, "\\HSOff.jpg"},
    ElementDesign{elements::kLeftHandset.backlight, K::Shape, kLeftHandsetAreas.display},
    ElementDesign{elements::kRightHandset.backlight, K::Shape, kRightHandsetAreas.display},
    ElementDesign{elements::kLeftHandset.display, K::Display, kLeftHandsetAreas.display},
    ElementDesign{elements::kRightHandset.display, K::Display, kRightHandsetAreas.display},
    ElementDesign{elements::kLeftHandset.leftButton, K::HotArea, kLeftHandsetAreas.leftButton, "",
                  kLeftButtonTip},
    ElementDesign{elements::kLeftHandset.middleButton, K::HotArea, kLeftHandsetAreas.middleButton,
                  "", kMiddleButtonTip},
    ElementDesign{elements::kLeftHandset.rightButton, K::HotArea, kLeftHandsetAreas.rightButton, "",
                  kRightButtonTip},
    ElementDesign{elements::kLeftHandset.bothOuterButtons, K::HotArea,
                  kLeftHandsetAreas.bothOuterButtons, "", kBothOuterTip},
    ElementDesign{elements::kLeftHandset.bothRightButtons, K::HotArea,
                  kLeftHandsetAreas.bothRightButtons, "", kBothRightTip},
    ElementDesign{elements::kLeftHandset.powerSwitch, K::HotArea, kLeftHandsetAreas.hardwareSwitch,
                  "", kPowerSwitchTip},
    ElementDesign{elements::kRightHandset.leftButton, K::HotArea, kRightHandsetAreas.leftButton, "",
                  kLeftButtonTip},
    ElementDesign{elements::kRightHandset.middleButton, K::HotArea, kRightHandsetAreas.middleButton,
                  "", kMiddleButtonTip},
    ElementDesign{elements::kRightHandset.rightButton, K::HotArea, kRightHandsetAreas.rightButton,
                  "", kRightButtonTip},
    ElementDesign{elements::kRightHandset.bothOuterButtons, K::HotArea,
                  kRightHandsetAreas.bothOuterButtons, "", kBothOuterTip},
    ElementDesign{elements::kRightHandset.bothRightButtons, K::HotArea,
                  kRightHandsetAreas.bothRightButtons, "", kBothRightTip},
    ElementDesign{elements::kRightHandset.powerSwitch, K::HotArea,
                  kRightHandsetAreas.hardwareSwitch, "", kPowerSwitchTip},
    ElementDesign{elements::kCellMillivolts,
                  K::Readout,
                  {4680, 5340, 3360, 480},
                  "",
                  "The three oxygen cells' outputs in millivolts"},

    // The diver, between the handsets.
    ElementDesign{elements::kMouthpiece,
                  K::Picture,
                  {5760, 3240, 1200, 840},
                  "\\MouthC.jpg",
                  "Click to open and close mouthpiece"},
    ElementDesign{elements::kBailOutButton,
                  K::Picture,
                  {5760, 4260, 1200, 600},
                  "BailOut.jpg",
                  "Bail out: leave the loop and breathe from the open-circuit bail-out"},

    // The counterlung gauge and the true loop PO2.
    ElementDesign{elements::kCounterlungGauge, K::Shape, {12600, 1140, 960, 4800}},
    ElementDesign{elements::kCounterlungCover, K::Cover, {12600, 1140, 960, 4800}},
    ElementDesign{elements::kLoopPO2,
                  K::Readout,
                  {14040, 2520, 1320, 600},
                  "",
                  "The true PO2 of the loop gas, which the handsets' cells only measure"},

    // Gas control.
    ElementDesign{elements::kOxygenValve,
                  K::Picture,
                  {960, 6600, 1200, 1800},
                  "O2Valve.jpg",
                  kOxygenValveTip},
    ElementDesign{
        elements::kOxygenValveState, K::StateLabel, {960, 8460, 1200, 360}, "", kOxygenValveTip},
    ElementDesign{elements::kOxygenButton,
                  K::Picture,
                  {2400, 7080, 840, 840},
                  "\\O2Butt.jpg",
                  "Press to manually inject Oxygen"},
    ElementDesign{elements::kDiluentValve,
                  K::Picture,
                  {3480, 6600, 1200, 1800},
                  "DiluentValve.jpg",
                  kDiluentValveTip},
    ElementDesign{
        elements::kDiluentValveState, K::StateLabel, {3480, 8460, 1200, 360}, "", kDiluentValveTip},
    ElementDesign{elements::kDiluentButton,
                  K::Picture,
                  {4920, 7080, 840, 840},
                  "\\DiluentButt.jpg",
                  "Press to manually inject diluent"},
    ElementDesign{elements::kAdvBox,
                  K::CheckBox,
                  {5760, 6600, 1800, 360},
                  "",
                  "The automatic diluent valve adds diluent when the counterlung runs low"},
    ElementDesign{elements::kAdvButton,
                  K::Picture,
                  {6000, 7080, 840, 840},
                  "AdvButt.jpg",
                  "Press to manually operate ADV"},
    ElementDesign{elements::kDumpValve,
                  K::Picture,
                  {7200, 7080, 840, 840},
                  "\\Dump.jpg",
                  "Press to pull dump "},

    // Environment.
    ElementDesign{elements::kDepthReadout, K::Readout, readoutIn(kDepthFrameRect), "",
                  "Depth in Metres"},
    ElementDesign{elements::kAscendArrow, K::Picture, upArrowIn(kDepthFrameRect), "ArrowUp.jpg",
                  "Ascend one step"},
    ElementDesign{elements::kDescendArrow, K::Picture, downArrowIn(kDepthFrameRect),
                  "ArrowDown.jpg", "Descend one step"},
    ElementDesign{elements::kAmbientPressureReadout, K::Readout, readoutIn(kPressureFrameRect), "",
                  "Actual Ambient pressure in millibars"},
    ElementDesign{elements::kAmbientPressureUpArrow, K::Picture, upArrowIn(kPressureFrameRect),
                  "ArrowUp.jpg", "Raise the ambient pressure at the surface"},
    ElementDesign{elements::kAmbientPressureDownArrow, K::Picture, downArrowIn(kPressureFrameRect),
                  "ArrowDown.jpg", "Lower the ambient pressure at the surface"},
    ElementDesign{elements::kOxygenAnalysisReadout, K::Readout, readoutIn(kAnalysisFrameRect), "",
                  "Percentage Oxygen in O2 cylinder when Analysed"},
    ElementDesign{elements::kOxygenAnalysisUpArrow, K::Picture, upArrowIn(kAnalysisFrameRect),
                  "ArrowUp.jpg", "Raise the oxygen cylinder's analysed percentage"},
    ElementDesign{elements::kOxygenAnalysisDownArrow, K::Picture, downArrowIn(kAnalysisFrameRect),
                  "ArrowDown.jpg", "Lower the oxygen cylinder's analysed percentage"},
    ElementDesign{elements::kMetabolicRateReadout, K::Readout, readoutIn(kRateFrameRect), "",
                  "Metabolic O2 consumption in litres per minute"},
    ElementDesign{elements::kMetabolicRateUpArrow, K::Picture, upArrowIn(kRateFrameRect),
                  "ArrowUp.jpg", "Raise the diver's oxygen consumption"},
    ElementDesign{elements::kMetabolicRateDownArrow, K::Picture, downArrowIn(kRateFrameRect),
                  "ArrowDown.jpg", "Lower the diver's oxygen consumption"},

    // Controls.
    ElementDesign{elements::kSoundBox, K::CheckBox, {13800, 6600, 1680, 330}, "", kSoundBoxTip},
    ElementDesign{elements::kWarningsBox, K::CheckBox, {13800, 6960, 1680, 330}, "", kSoundBoxTip},

    // The window's buttons.
    ElementDesign{elements::kOptionsButton,
                  K::Button,
                  {720, 9180, 1800, 480},
                  "",
                  "Click on this button to select failure modes"},
    ElementDesign{elements::kBugReportButton,
                  K::Button,
                  {2640, 9180, 1800, 480},
                  "",
                  "Click this button to send a bug report"},
    ElementDesign{elements::kExitButton,
                  K::Button,
                  {13800, 9180, 1800, 480},
                  "",
                  "Click this button to exit and close the Simulator"},
};

constexpr std::array kCaptions{
    PanelCaption{"Cell millivolts", {1080, 5340, 3480, 480}, false},
    PanelCaption{"Loop PO2", {13980, 2100, 1440, 360}},
    PanelCaption{"bar", {14040, 3180, 1320, 300}},
    PanelCaption{"O2 add", {2220, 7980, 1200, 300}},
    PanelCaption{"Diluent add", {4740, 7980, 1200, 300}},
    PanelCaption{"Dump valve", {7020, 7980, 1200, 300}},
};

}  // namespace

std::span<const ElementDesign> unitElements() {
    return kElements;
}

std::span<const PanelCaption> panelCaptions() {
    return kCaptions;
}

}  // namespace loopsim
