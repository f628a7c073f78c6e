// The unit's window elements by what they are, panel by panel. Every element keeps the
// window's own name (Label10, Image18, Options.Slider1): the view model, the scenario
// files, the state dumps and the window's widgets all know it by that name. Code names an
// element here, by its role, so that wiring reads as what it is.
#pragma once

#include <string>

namespace loopsim::elements {

// The main window's own buttons.
inline constexpr const char* kExitButton = "Command1";
inline constexpr const char* kOptionsButton = "Command2";
inline constexpr const char* kBugReportButton = "Command3";

// One handset's elements; the left and the right handset have the same parts.
struct HandsetElements {
    const char* display;      // the two-line display text
    const char* picture;      // the handset picture
    const char* backlight;    // the display background the buttons light
    const char* powerSwitch;  // the hardware on/off switch
    const char* leftButton;   // the buttons' hot areas over the picture
    const char* middleButton;
    const char* rightButton;
    const char* bothOuterButtons;  // the area that stands for left and right held together
    const char* bothRightButtons;  // the area that stands for middle and right held together
};

inline constexpr HandsetElements kLeftHandset{
    "Label14", "Image2", "Shape1", "LHOO", "Label8", "Label10", "Label9", "Label18", "Label19",
};
inline constexpr HandsetElements kRightHandset{
    "Label15", "Image3", "Shape2", "RHOO", "Label11", "Label12", "Label13", "Label20", "Label21",
};

// The electronics panel, below the handsets.
inline constexpr const char* kCellMillivolts = "Label17";

// The diver, between the handsets.
inline constexpr const char* kMouthpiece = "Image18";
inline constexpr const char* kRegulator = "Image19";
inline constexpr const char* kBailOutButton = "Image20";

// The volume panel: the counterlung gauge, its cover over the empty part, the true loop PO2.
inline constexpr const char* kCounterlungGauge = "Shape3";
inline constexpr const char* kCounterlungCover = "ClungVolBar";
inline constexpr const char* kLoopPO2 = "Label16";

// Gas control: the two cylinder valves with their state badges and manual injectors, the
// ADV with its enabling box, and the dump valve.
inline constexpr const char* kOxygenValve = "Image7";
inline constexpr const char* kOxygenValveState = "Label6";
inline constexpr const char* kOxygenButton = "Image6";
inline constexpr const char* kDiluentValve = "Image4";
inline constexpr const char* kDiluentValveState = "Label7";
inline constexpr const char* kDiluentButton = "Image5";
inline constexpr const char* kAdvBox = "ADVOn";
inline constexpr const char* kAdvButton = "Image17";
inline constexpr const char* kDumpValve = "Image8";

// The environment panel: four frames, each a readout with an up and a down arrow.
inline constexpr const char* kEnvironmentFrame = "Frame1";
inline constexpr const char* kDepthFrame = "Frame5";
inline constexpr const char* kDepthReadout = "Label1";
inline constexpr const char* kAscendArrow = "Image9";
inline constexpr const char* kDescendArrow = "Image10";
inline constexpr const char* kAmbientPressureFrame = "Frame6";
inline constexpr const char* kAmbientPressureReadout = "Label2";
inline constexpr const char* kAmbientPressureUpArrow = "Image12";
inline constexpr const char* kAmbientPressureDownArrow = "Image11";
inline constexpr const char* kOxygenAnalysisFrame = "Frame7";
inline constexpr const char* kOxygenAnalysisReadout = "Label3";
inline constexpr const char* kOxygenAnalysisUpArrow = "Image14";
inline constexpr const char* kOxygenAnalysisDownArrow = "Image13";
inline constexpr const char* kMetabolicRateFrame = "Frame8";
inline constexpr const char* kMetabolicRateReadout = "Label4";
inline constexpr const char* kMetabolicRateUpArrow = "Image16";
inline constexpr const char* kMetabolicRateDownArrow = "Image15";

// The controls frame.
inline constexpr const char* kControlsFrame = "Frame9";
inline constexpr const char* kSoundBox = "Check1";
inline constexpr const char* kWarningsBox = "Check2";

// The instructor's options dialog. Its elements' names start with the dialog's name.
inline constexpr const char* kOptionsDialog = "Options";
inline constexpr const char* kApplyOptionsButton = "Options.Command1";
inline constexpr const char* kRefillScrubberButton = "Options.Command2";
inline constexpr const char* kChangeBatteriesButton = "Options.Command3";
inline constexpr const char* kFailureDelaySlider = "Options.Slider1";
inline constexpr const char* kOptionsClose = "Options.Close";  // the window's close control

// The options dialog's failure boxes by number: box n is the element optionBox(n).
enum FailureOption : int {
    kMustCalibrate = 1,
    kDarkAtDepth = 2,
    kCellSlow = 3,
    kCellDrift = 4,
    kTwoCellDrift = 5,
    kCellFailure = 6,
    kBatteryBounce = 7,
    kSolenoidStuckClosed = 8,
    kMasterBatteryLow = 9,
    kMasterBatteryExhausted = 10,
    kSolenoidStuckOpen = 11,
    kAdvFailed = 12,
    kAdvFreeFlow = 13,
    kOxygenInjectorFailed = 14,
    kOxygenInjectorStuckOn = 15,
    kDiluentInjectorStuckOn = 16,
    kDiluentInjectorFailed = 17,
    kSlaveTurnedOff = 18,
    kMasterTurnedOff = 19,
    kHandsetFlood = 20,
    kOxygenButtonMissing = 21,
    kDumpValveMissing = 22,
    kDiluentButtonMissing = 23,
};

inline std::string optionBox(int number) {
    return std::string(kOptionsDialog) + ".Check" + std::to_string(number);
}

// The bail-out dialog.
inline constexpr const char* kBailoutDialog = "Bailout";
inline constexpr const char* kBailedMessage = "Bailout.Label1";
inline constexpr const char* kReturnToLoopButton = "Bailout.Return";
inline constexpr const char* kBailoutExitButton = "Bailout.Exit";

// The bug report form: either send button, or its close box, closes it.
inline constexpr const char* kBugReportDialog = "BugReport";
inline constexpr const char* kMailSendButton = "BugReport.Command1";
inline constexpr const char* kManualSendButton = "BugReport.Command2";
inline constexpr const char* kBugReportClose = "BugReport.Close";

}  // namespace loopsim::elements
