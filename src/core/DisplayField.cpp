#include "core/DisplayField.h"

namespace loopsim {
namespace {
// Half a hundredth: a value within it of the field's end still rounds onto the end.
constexpr double kHalfHundredth = 0.005;
}  // namespace

bool fitsField(double value, DisplayField field) {
    return value > field.lowest - kHalfHundredth && value < field.highest + kHalfHundredth;
}

std::string fieldText(double value, DisplayField field, std::string (*format)(double)) {
    if (!fitsField(value, field))
        return std::string(kPastFieldText);
    return format(value);
}

}  // namespace loopsim
