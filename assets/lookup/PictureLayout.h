// Sizes and placement of the generated pictures, shared by the generator that draws them and
// the window that shows them. Layout units are twips (1/1440 inch), the units of the window's
// position tables. Every picture is drawn at two pixels per 15 twips: twice its layout size
// on a 96 dpi screen, so it stays sharp at 200 % scaling and is scaled down smoothly below.
//
// Each picture is opaque (JPEG). Its background outside the drawn object is the flat panel
// colour below, which the window paints behind the unit so the picture edges do not show.
//
// The handset pictures are placed so that the drawn buttons, display window and switch lie
// inside the window's hot areas for them: the left handset's picture has its origin at
// LeftHandsetPicture's left and top in main-window twips, the right handset's picture is the
// same picture moved right by HandsetSpacing. Inside the picture, the display window is at
// HandsetDisplay (the window draws the display background and the two text lines there).
#pragma once

#include <array>
#include <string_view>

namespace loopsim::assets {

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct PanelColour {
    int red = 0;
    int green = 0;
    int blue = 0;
};

inline constexpr int kPixelsPerScale = 2;
inline constexpr int kTwipsPerScale = 15;

constexpr int twipsToPixels(int twips) {
    return twips * kPixelsPerScale / kTwipsPerScale;
}

inline constexpr PanelColour kPanelBackground{228, 232, 236};

// Main-window twips.
inline constexpr TwipRect kLeftHandsetPicture{960, 1200, 4680, 3720};
inline constexpr int kHandsetSpacing = 6120;
inline constexpr TwipRect kRegulatorLargePlace{6120, 1200, 1080, 1800};
inline constexpr TwipRect kRegulatorSmallPlace{6360, 2160, 600, 480};

// Twips inside a handset picture, origin at its top-left corner.
inline constexpr TwipRect kHandsetDisplay{480, 600, 3735, 975};

// The window's hot areas of each handset in main-window twips; the drawn buttons, gesture
// marks and switch of the handset pictures lie inside them.
struct HandsetAreas {
    TwipRect leftButton;
    TwipRect middleButton;
    TwipRect rightButton;
    TwipRect bothOuterButtons;
    TwipRect bothRightButtons;
    TwipRect display;
    TwipRect hardwareSwitch;
};

inline constexpr HandsetAreas kLeftHandsetAreas{
    {1080, 2880, 495, 1335}, {2760, 2880, 1215, 1095}, {4680, 2880, 615, 1455},
    {1800, 3120, 855, 855},  {4080, 3240, 495, 855},   {1440, 1800, 3735, 975},
    {1920, 4080, 1335, 615},
};

inline constexpr HandsetAreas kRightHandsetAreas{
    {7200, 2880, 495, 1335}, {8880, 3000, 1215, 975}, {10800, 2880, 615, 1335},
    {7920, 3120, 855, 855},  {10200, 3240, 495, 855}, {7560, 1800, 3735, 975},
    {8040, 4080, 1335, 615},
};

struct PictureSize {
    std::string_view fileName;
    int widthTwips = 0;
    int heightTwips = 0;
};

// Every picture the generator writes beside the program, with the layout size it is drawn for.
inline constexpr std::array kPictureSizes{
    PictureSize{"HSOn.jpg", 4680, 3720},
    PictureSize{"HSOff.jpg", 4680, 3720},
    PictureSize{"HSLeft.jpg", 4680, 3720},
    PictureSize{"HSMid.jpg", 4680, 3720},
    PictureSize{"HSRight.jpg", 4680, 3720},
    PictureSize{"HSBothOuter.jpg", 4680, 3720},
    PictureSize{"HSBothRight.jpg", 4680, 3720},
    PictureSize{"HSLineOuters.jpg", 4680, 3720},
    PictureSize{"HSLineRights.jpg", 4680, 3720},
    PictureSize{"MouthO.jpg", 1200, 840},
    PictureSize{"MouthC.jpg", 1200, 840},
    PictureSize{"RegulatorLarge.jpg", 1080, 1800},
    PictureSize{"RegulatorSmall.jpg", 600, 480},
    PictureSize{"BailOut.jpg", 1200, 600},
    PictureSize{"O2Valve.jpg", 1200, 1800},
    PictureSize{"DiluentValve.jpg", 1200, 1800},
    PictureSize{"O2Butt.jpg", 840, 840},
    PictureSize{"DiluentButt.jpg", 840, 840},
    PictureSize{"ManualAddMissing.jpg", 840, 840},
    PictureSize{"AdvButt.jpg", 840, 840},
    PictureSize{"Dump.jpg", 840, 840},
    PictureSize{"DumpFail.jpg", 840, 840},
    PictureSize{"Counterlung.jpg", 1200, 2400},
    PictureSize{"ArrowUp.jpg", 360, 360},
    PictureSize{"ArrowDown.jpg", 360, 360},
    PictureSize{"Unit.jpg", 2400, 3600},
    PictureSize{"LogoOrganisation.jpg", 1800, 1800},
    PictureSize{"LogoSimulator.jpg", 1800, 1800},
};

}  // namespace loopsim::assets
