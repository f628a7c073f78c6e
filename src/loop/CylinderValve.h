#pragma once

#include "core/SimContext.h"

namespace loopsim {

// One cylinder valve: its picture toggles it with a status message, its state label
// toggles it silently, and pointing at either shows the label for a while.
class CylinderValve {
  public:
    struct Design {
        ValveState SimulationState::*valve;  // OxygenValve or DiluentValve
        const char* picture;                 // the valve's picture
        const char* label;                   // its state badge
        const char* hideTimer;               // Timer2, Timer3
        const char* openedMessage;
        const char* closedMessage;
        // Stops the free-flow sounds that this valve's open state was feeding.
        void (*stopFreeFlowSounds)(SimContext&);
    };

    CylinderValve(SimContext& context, Design design);

  private:
    void pictureClicked();
    void labelClicked();
    void showStateLabel();
    void hideStateLabel();

    SimContext& context_;
    Design design_;
    ElementView& label_;
    SimTimer& hideTimer_;
};

}  // namespace loopsim
