#pragma once

#include "core/SimContext.h"

namespace loopsim {

// The diver: the mouthpiece, the regulator in or out of the mouth, each breath and the
// oxygen it takes from the loop, bailing out with its dialog, the scrubber's minutes and
// CO2 breakthrough, and the slow corruption of a flooded handset's calibration.
//
// Breathing runs only while Breathing is 1 and the mouthpiece is open; the regulator's
// state is where its picture sits, as the window shows it.
class Diver {
  public:
    explicit Diver(SimContext& context);

  private:
    void mouthpieceClicked();
    void regulatorClicked();
    void bailOutClicked();
    void returnToLoopClicked();
    void exitClicked();
    void breath();
    void breathMarkEnd();
    void scrubberMinute();
    void handsetFloodTick();

    void parkRegulator();
    bool warningsTicked() const { return warnings_.isChecked(); }

    SimContext& context_;
    ElementView& mouthpiece_;
    ElementView& regulator_;
    ElementView& warnings_;
    ElementView& gauge_;
    SimTimer& breathTimer_;
    SimTimer& breathOffTimer_;
    SimTimer& bailoutTimer_;
};

}  // namespace loopsim
