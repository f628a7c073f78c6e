// What a display shows of a number the model lets run away. The model keeps its numbers (a
// drifting cell's millivolts fall without bound, and its readings with them); a display keeps
// its fields: a value inside the field's range is written as usual, a value past either end
// shows as dashes, so one runaway reading never pushes the others off a display.
#pragma once

#include <string>
#include <string_view>

namespace loopsim {

// The range of values a field on a display can show, to two decimals.
struct DisplayField {
    double lowest;
    double highest;
};

// A handset's cell reading, "0.00" bar.
inline constexpr DisplayField kCellReadingField{-9.99, 9.99};
// The electronics panel's cell millivolts, "#.00".
inline constexpr DisplayField kMillivoltField{-99.99, 999.99};
// The true loop PO2 readout, "0.00" bar.
inline constexpr DisplayField kLoopPO2Field{-9.99, 9.99};
// The nitrox mix readout under water, "00" percent.
inline constexpr DisplayField kNitroxPercentField{-99, 100};

// What a field shows for a value past its range (or not a number).
inline constexpr std::string_view kPastFieldText = "----";

// True when the value, rounded to two decimals, lies within the field.
bool fitsField(double value, DisplayField field);
// format(value) when the value fits the field, the dashes otherwise.
std::string fieldText(double value, DisplayField field, std::string (*format)(double));

}  // namespace loopsim
