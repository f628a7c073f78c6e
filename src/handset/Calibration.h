// Calibration of the oxygen cells, run by a handset's display cycle on screens 22 and 32.
//
// The flush fills the loop with cylinder oxygen in small passes of 0.00003 litre each,
// watching for its exits: the loop PO2 already past the target, the oxygen valve closed,
// 100000 saturated passes in a row, 120 s. The passes run at a fixed rate on the virtual
// clock, 25 to the millisecond, in one batch per millisecond; between batches everything
// else runs (cells, loop, controller, warnings, the other handset, the trainee's input).
// From air at the surface the working volume first grows from 20 % to 100 % (about
// 427000 passes), the loop PO2 then climbs to the target (about 85000) and counts 100000
// saturated passes: about 611000 passes, so the flush lasts about 24.4 s of simulated time
// on any machine. Nothing else runs inside a batch, so the cell readings are the same
// after every pass of it: they and the flushing text are taken once per batch.
//
// An accepted calibration sets each cell's factor to the calibration gas PO2 over the
// cell's settled millivolts, for this handset and for a slave still waiting for data.
#pragma once

#include "core/SimClock.h"
#include "handset/Handset.h"

namespace loopsim {

inline constexpr double kOxygenPerPass = 0.00003;  // litres
inline constexpr int kFlushPassesPerBatch = 25;
inline constexpr Millis kFlushBatchInterval = 1;
inline constexpr int kSaturatedPassesToEnd = 100000;
inline constexpr Millis kFlushTimeLimit = 120000;
inline constexpr Millis kCalibratingWait = 7000;

class Calibration {
  public:
    enum class FlushEnd { Running, TargetPassed, ValveClosed, Saturated, TimeUp };
    struct Flush {
        double startPO2 = 0;
        double volume = 0;  // working copy of CounterlungVolume, percent
        int saturatedPasses = 0;
        Millis startTime = 0;
        FlushEnd end = FlushEnd::Running;
    };

    explicit Calibration(Handset& handset) : handset_(handset) {}

    // Screen 22, in the steps between which the display tick lets everything else run:
    // the flushing text, "Calibration Started" and the injector sound;
    Flush startFlush();
    // one batch of passes, false once the passes have taken an exit;
    bool flushBatch(Flush& flush);
    // the checks that refuse a calibration, and the new factors. True when accepted: the
    // tick then lets pending work run once and moves on to screen 32. A refusal leaves
    // Screen on 23 (no oxygen), 26 (cell stuck) or 27 (failed cell).
    bool finishFlush(const Flush& flush);

    // Screen 32: "CALIBRATING" for 7 s, then the double beep and the master main screen.
    void showCalibrating();
    void endCalibrating();

  private:
    struct PassConditions {
        double target;  // the calibration gas PO2 the loop is flushed towards
        bool valveOpen;
        bool mouthpieceClosed;
        bool timeUp;
    };
    void flushPass(Flush& flush, const PassConditions& conditions, bool& readingsDue);
    double targetPO2() const;
    void takeReadings();
    void settleCells();
    void setFactors(HandsetState& handset);

    Handset& handset_;
};

}  // namespace loopsim
