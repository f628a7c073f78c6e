// The colours of every generated picture, in one place so the pictures read as one set: a
// light neutral panel, graphite housings, brushed steel, one accent per gas, amber for
// whatever the trainee is holding or is being shown, red for a fault.
#pragma once

#include <QColor>

#include "PictureLayout.h"

namespace loopsim::assets::palette {

inline QColor panel() {
    return {kPanelBackground.red, kPanelBackground.green, kPanelBackground.blue};
}

inline constexpr QRgb kHousingLight = 0xFF4B535D;
inline constexpr QRgb kHousingDark = 0xFF22272D;
inline constexpr QRgb kHousingEdge = 0xFF14171A;
inline constexpr QRgb kFaceLight = 0xFF3D444C;
inline constexpr QRgb kFaceDark = 0xFF2A2F35;
inline constexpr QRgb kBezel = 0xFF0F1215;
inline constexpr QRgb kGlass = 0xFF0D1C12;
inline constexpr QRgb kGlassOff = 0xFF070B08;
inline constexpr QRgb kCapLight = 0xFFF5F7F9;
inline constexpr QRgb kCapDark = 0xFFB9C1CA;
inline constexpr QRgb kCapPressed = 0xFF98A2AD;
inline constexpr QRgb kEngrave = 0xFF95A0AC;
inline constexpr QRgb kLabelOnDark = 0xFFD3DAE1;
inline constexpr QRgb kInk = 0xFF26303A;
inline constexpr QRgb kInkSoft = 0xFF5B6772;
inline constexpr QRgb kAccent = 0xFFF2A22C;
inline constexpr QRgb kAccentDeep = 0xFFD2801A;
inline constexpr QRgb kOxygen = 0xFF2E9E63;
inline constexpr QRgb kOxygenDeep = 0xFF1C7447;
inline constexpr QRgb kDiluent = 0xFF3B72B9;
inline constexpr QRgb kDiluentDeep = 0xFF264F86;
inline constexpr QRgb kAlert = 0xFFD8473F;
inline constexpr QRgb kAlertDeep = 0xFFA3302A;
inline constexpr QRgb kSteelLight = 0xFFF3F5F7;
inline constexpr QRgb kSteelMid = 0xFFC4CBD3;
inline constexpr QRgb kSteelDark = 0xFF86919E;
inline constexpr QRgb kRubber = 0xFF2C3136;
inline constexpr QRgb kRubberLight = 0xFF4C545C;
inline constexpr QRgb kLedOn = 0xFF3BE37A;
inline constexpr QRgb kLedOff = 0xFF25332A;
inline constexpr QRgb kControl = 0xFF336698;
inline constexpr QRgb kControlDeep = 0xFF214A72;
inline constexpr QRgb kPull = 0xFFE9782B;
inline constexpr QRgb kBailout = 0xFFF6C513;
inline constexpr QRgb kBailoutDeep = 0xFFD9A400;

}  // namespace loopsim::assets::palette
