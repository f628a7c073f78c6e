// A handset's display cycle: every 3000 ms its tick shows the screen the handset is in
// and moves it on. It carries the start-up dialogue (banner, battery and cell checks,
// the DIVE NOW prompts), the slave's wait for its master, the fault screens, the redrawing
// of menus and warnings, and on screens 22 and 32 the calibration, whose waits it makes.
//
// The tick is a process on the virtual clock. It stops its own timer at entry and starts
// it again when it ends, so the next run comes 3000 ms after this one has ended, and a
// long calibration screen is never entered a second time while it runs: a button that
// re-arms the tick meanwhile only enables the timer, which the clock holds back while the
// run is busy, and the run's own restart at its end sets the next 3000 ms.
#pragma once

#include "core/Process.h"
#include "handset/Calibration.h"
#include "handset/Handset.h"

namespace loopsim {

class DisplayCycle {
  public:
    DisplayCycle(Handset& handset, Calibration& calibration);

    Process displayTick();

  private:
    // One screen of the table: show its text and set the screen that comes next.
    void showScreen();
    void startupCheck();
    void slaveWait();
    // Stops and starts the timer, so that its next run counts from now.
    void restartTick();

    Handset& handset_;
    Calibration& calibration_;
};

}  // namespace loopsim
