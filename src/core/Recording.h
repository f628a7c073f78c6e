// The recording: one row per second of the run (true loop PO2, the handset's voted PO2,
// depth, setpoint in force, loop capacity) and the last status message of that second.
// The table is allocated once at its full size; row 0 collects messages from before the
// first second and is never written to the file.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace loopsim {

struct SimulationState;

// A recorded value is empty, a number or a text.
using RecordValue = std::variant<std::monostate, double, std::string>;
using RecordRow = std::array<RecordValue, 6>;

enum RecordColumn : int {
    kStatusColumn = 0,
    kLoopPO2Column = 1,
    kHandsetPO2Column = 2,
    kDepthColumn = 3,
    kSetpointColumn = 4,
    kLoopVolumeColumn = 5,
};

class RecordTable {
  public:
    static constexpr int kLastRow = 18000;

    RecordTable() : rows_(kLastRow + 1) {}

    RecordRow& row(int index) { return rows_[static_cast<std::size_t>(index)]; }
    const RecordRow& row(int index) const { return rows_[static_cast<std::size_t>(index)]; }
    static bool holdsRow(int index) { return index >= 0 && index <= kLastRow; }

  private:
    std::vector<RecordRow> rows_;
};

// Someone who follows the run second by second, as the debrief does: told every status
// message as it is written (also one a later message of the same second overwrites, and
// those past the table's last row) and every second once its row is taken.
class RecordingObserver {
  public:
    virtual ~RecordingObserver() = default;
    virtual void statusMessage(std::string_view message) = 0;
    virtual void secondTaken() = 0;
};

class Recording {
  public:
    explicit Recording(SimulationState& state) : state_(state) {}

    // One observer at a time; none by default.
    void setObserver(RecordingObserver* observer) { observer_ = observer; }

    // Puts a status message into the present row; a later one in the same second wins.
    // Outside the table's rows the message is dropped.
    void recordEvent(std::string_view message);
    // The recording tick: moves to the next second's row and copies the state into it.
    void recordingTick();

    RecordTable& table() { return table_; }
    const RecordTable& table() const { return table_; }

  private:
    void takeRow(RecordRow& row) const;

    SimulationState& state_;
    RecordTable table_;
    RecordingObserver* observer_ = nullptr;
};

}  // namespace loopsim
