#include "SimulationRig.h"
#include "handset/Calibration.h"
#include "handset/Screens.h"

namespace loopsim::test {
namespace {

// A loop far too big to fill: the flush ends at its time limit without reaching the
// target, and the master goes on to its CALIBRATING screen, its tick a cycle later.
TEST_F(RigTest, FlushTimeLimitEndsAFlushThatCannotFillTheLoop) {
    for (const char* other : {"CellMillivoltTimer", "ComputerTimer", "WarningTimer"})
        timer(other).setEnabled(false);
    tap("Image7");
    s.LoopCapacity = 400;
    putOn(left, kFlushScreen, true);
    runTimer("Timer8");
    const Millis end = sim.now() + kFlushTimeLimit + 1;
    at(end - 1);
    EXPECT_EQ(left.Screen, kFlushScreen);
    at(end);
    EXPECT_EQ(left.Screen, kCalibratingScreen);
    EXPECT_LT(s.LoopPO2, 1.013);
    EXPECT_EQ(timer("Timer8").due(), end + 3000);
}

}  // namespace
}  // namespace loopsim::test
