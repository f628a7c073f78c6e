#include "app/window/UnitLayout.h"

#include <array>
#include <string_view>

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

constexpr TwipRect kDepthFrame = frameAt(8580, 6600);
constexpr TwipRect kPressureFrame = frameAt(10980, 6600);
constexpr TwipRect kAnalysisFrame = frameAt(8580, 7740);
constexpr TwipRect kRateFrame = frameAt(10980, 7740);

constexpr std::array kElements{
    // Frames, under everything else.
    ElementDesign{"ElectronicsFrame", K::Frame, {720, 840, 11400, 5280}, "Electronics"},
    ElementDesign{"VolumeFrame", K::Frame, {12240, 840, 3360, 5280}, "Volume"},
    ElementDesign{"GasControlFrame", K::Frame, {720, 6300, 7560, 2700}, "Gas Control"},
    ElementDesign{"Frame1", K::Frame, {8400, 6300, 5040, 2700}, "Environment"},
    ElementDesign{"Frame5", K::Frame, kDepthFrame, "Depth (m)"},
    ElementDesign{"Frame6", K::Frame, kPressureFrame, "Ambient Pressure (mb)"},
    ElementDesign{"Frame7", K::Frame, kAnalysisFrame, "Oxygen Analysis (%)"},
    ElementDesign{"Frame8", K::Frame, kRateFrame, "Metabolic Rate (lpm)"},
    ElementDesign{"Frame9", K::Frame, {13560, 6300, 2040, 2700}, "Controls"},

    // The diver's regulator, under the handsets: in the mouth it reaches behind the right one.
    ElementDesign{"Image19", K::Picture, assets::kRegulatorSmallPlace, "RegulatorSmall.jpg",
                  "Large = breath from loop. Small = not breathing. Click to change"},

    // The handsets: picture, display background and text, then the hot areas on top.
    ElementDesign{"Image2", K::Picture, kLeftHandsetPicture, "\\HSOff.jpg"},
    ElementDesign{"Image3", K::Picture, kRightHandsetPicture, "\\HSOff.jpg"},
    ElementDesign{"Shape1", K::Shape, kLeftHandsetAreas.display},
    ElementDesign{"Shape2", K::Shape, kRightHandsetAreas.display},
    ElementDesign{"Label14", K::Display, kLeftHandsetAreas.display},
    ElementDesign{"Label15", K::Display, kRightHandsetAreas.display},
    ElementDesign{"Label8", K::HotArea, kLeftHandsetAreas.leftButton},
    ElementDesign{"Label10", K::HotArea, kLeftHandsetAreas.middleButton},
    ElementDesign{"Label9", K::HotArea, kLeftHandsetAreas.rightButton},
    ElementDesign{"Label18", K::HotArea, kLeftHandsetAreas.bothOuterButtons},
    ElementDesign{"Label19", K::HotArea, kLeftHandsetAreas.bothRightButtons},
    ElementDesign{"LHOO", K::HotArea, kLeftHandsetAreas.hardwareSwitch},
    ElementDesign{"Label11", K::HotArea, kRightHandsetAreas.leftButton},
    ElementDesign{"Label12", K::HotArea, kRightHandsetAreas.middleButton},
    ElementDesign{"Label13", K::HotArea, kRightHandsetAreas.rightButton},
    ElementDesign{"Label20", K::HotArea, kRightHandsetAreas.bothOuterButtons},
    ElementDesign{"Label21", K::HotArea, kRightHandsetAreas.bothRightButtons},
    ElementDesign{"RHOO", K::HotArea, kRightHandsetAreas.hardwareSwitch},
    ElementDesign{"Label17", K::Readout, {4680, 5340, 3360, 480}, "10      10      10"},

    // The diver, between the handsets.
    ElementDesign{"Image18",
                  K::Picture,
                  {5760, 3240, 1200, 840},
                  "\\MouthC.jpg",
                  "Click to open and close mouthpiece"},
    ElementDesign{"Image20", K::Picture, {5760, 4260, 1200, 600}, "BailOut.jpg"},

    // The counterlung gauge and the true loop PO2.
    ElementDesign{"Shape3", K::Shape, {12600, 1140, 960, 4800}},
    ElementDesign{"ClungVolBar", K::Cover, {12600, 1140, 960, 4800}},
    ElementDesign{"Label16", K::Readout, {14040, 2520, 1320, 600}, "0.21"},

    // Gas control.
    ElementDesign{"Image7", K::Picture, {960, 6600, 1200, 1800}, "O2Valve.jpg", kOxygenValveTip},
    ElementDesign{"Label6", K::StateLabel, {960, 8460, 1200, 360}, "CLOSED", kOxygenValveTip},
    ElementDesign{"Image6",
                  K::Picture,
                  {2400, 7080, 840, 840},
                  "\\O2Butt.jpg",
                  "Press to manually inject Oxygen"},
    ElementDesign{
        "Image4", K::Picture, {3480, 6600, 1200, 1800}, "DiluentValve.jpg", kDiluentValveTip},
    ElementDesign{"Label7", K::StateLabel, {3480, 8460, 1200, 360}, "CLOSED", kDiluentValveTip},
    ElementDesign{"Image5",
                  K::Picture,
                  {4920, 7080, 840, 840},
                  "\\DiluentButt.jpg",
                  "Press to manually inject diluent"},
    ElementDesign{"ADVOn", K::CheckBox, {5760, 6600, 1800, 360}, "ADV Enabled"},
    ElementDesign{"Image17",
                  K::Picture,
                  {6000, 7080, 840, 840},
                  "AdvButt.jpg",
                  "Press to manually operate ADV"},
    ElementDesign{
        "Image8", K::Picture, {7200, 7080, 840, 840}, "\\Dump.jpg", "Press to pull dump "},

    // Environment.
    ElementDesign{"Label1", K::Readout, readoutIn(kDepthFrame), "0", "Depth in Metres"},
    ElementDesign{"Image9", K::Picture, upArrowIn(kDepthFrame), "ArrowUp.jpg"},
    ElementDesign{"Image10", K::Picture, downArrowIn(kDepthFrame), "ArrowDown.jpg"},
    ElementDesign{"Label2", K::Readout, readoutIn(kPressureFrame), "1013",
                  "Actual Ambient pressure in millibars"},
    ElementDesign{"Image12", K::Picture, upArrowIn(kPressureFrame), "ArrowUp.jpg"},
    ElementDesign{"Image11", K::Picture, downArrowIn(kPressureFrame), "ArrowDown.jpg"},
    ElementDesign{"Label3", K::Readout, readoutIn(kAnalysisFrame), "21",
                  "Percentage Oxygen in O2 cylinder when Analysed"},
    ElementDesign{"Image14", K::Picture, upArrowIn(kAnalysisFrame), "ArrowUp.jpg"},
    ElementDesign{"Image13", K::Picture, downArrowIn(kAnalysisFrame), "ArrowDown.jpg"},
    ElementDesign{"Label4", K::Readout, readoutIn(kRateFrame), "1",
                  "Metabolic O2 consumption in litres per minute"},
    ElementDesign{"Image16", K::Picture, upArrowIn(kRateFrame), "ArrowUp.jpg"},
    ElementDesign{"Image15", K::Picture, downArrowIn(kRateFrame), "ArrowDown.jpg"},

    // Controls.
    ElementDesign{"Check1", K::CheckBox, {13800, 6600, 1680, 330}, "Sound", kSoundBoxTip},
    ElementDesign{"Check2", K::CheckBox, {13800, 6960, 1680, 330}, "Warnings", kSoundBoxTip},

    // The window's buttons.
    ElementDesign{"Command2",
                  K::Button,
                  {720, 9180, 1800, 480},
                  "&Options",
                  "Click on this button to select failure modes"},
    ElementDesign{"Command3",
                  K::Button,
                  {2640, 9180, 1800, 480},
                  "Report &Bug",
                  "Click this button to send a bug report"},
    ElementDesign{"Command1",
                  K::Button,
                  {13800, 9180, 1800, 480},
                  "E&xit",
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

const ElementDesign* findElementDesign(std::string_view name) {
    for (const ElementDesign& design : kElements)
        if (name == design.name)
            return &design;
    return nullptr;
}

}  // namespace loopsim
