#include "core/Recording.h"

#include <limits>

#include "core/Format.h"
#include "core/SimulationState.h"

namespace loopsim {

void Recording::recordEvent(std::string_view message) {
    if (RecordTable::holdsRow(state_.RecordIndex))
        table_.row(state_.RecordIndex)[kStatusColumn] = std::string(message);
    if (observer_)
        observer_->statusMessage(message);
}

void Recording::recordingTick() {
    // The row counter is a 16-bit count; it stops at its largest value (after about nine
    // hours), long after the table has stopped storing rows.
    if (state_.RecordIndex < std::numeric_limits<std::int16_t>::max())
        ++state_.RecordIndex;
    if (RecordTable::holdsRow(state_.RecordIndex))
        takeRow(table_.row(state_.RecordIndex));
    if (observer_)
        observer_->secondTaken();
}

void Recording::takeRow(RecordRow& row) const {
    row[kLoopPO2Column] = state_.LoopPO2;
    // The voted PO2 is kept as its display text; before the first vote there is none.
    if (auto handsetPO2 = parseNumber(state_.HandsetPO2))
        row[kHandsetPO2Column] = *handsetPO2;
    row[kDepthColumn] = static_cast<double>(state_.Depth);
    row[kSetpointColumn] = state_.ActiveSetpoint;
    row[kLoopVolumeColumn] = static_cast<double>(state_.LoopCapacity);
}

}  // namespace loopsim
