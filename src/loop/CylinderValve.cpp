#include "loop/CylinderValve.h"

namespace loopsim {

CylinderValve::CylinderValve(SimContext& context, Design design)
    : context_(context),
      design_(design),
      label_(context.view.element(design_.label)),
      hideTimer_(context.clock.timer(design_.hideTimer)) {
    label_.setText("CLOSED").setVisible(false);
    hideTimer_.setHandler([this] { hideStateLabel(); });

    auto& picture = context.input.on(design_.picture);
    picture.click = [this] { pictureClicked(); };
    picture.move = [this] { showStateLabel(); };
    auto& label = context.input.on(design_.label);
    label.click = [this] { labelClicked(); };
    label.move = [this] { showStateLabel(); };
}

void CylinderValve::pictureClicked() {
    ValveState& valve = context_.state.*design_.valve;
    const char* message;
    if (valve == ValveState::Off) {
        valve = ValveState::Open;
        message = design_.openedMessage;
    } else {
        design_.stopFreeFlowSounds(context_);
        valve = ValveState::Off;
        message = design_.closedMessage;
    }
    context_.recording.recordEvent(message);
    showStateLabel();
}

void CylinderValve::labelClicked() {
    ValveState& valve = context_.state.*design_.valve;
    valve = valve == ValveState::Off ? ValveState::Open : ValveState::Off;
    showStateLabel();
}

void CylinderValve::showStateLabel() {
    label_.setText(text(context_.state.*design_.valve)).setVisible(true);
    // Restarted, so the label stays up for the whole interval after the latest click or
    // pointer movement, not only after the first.
    hideTimer_.setEnabled(false);
    hideTimer_.setEnabled(true);
}

void CylinderValve::hideStateLabel() {
    label_.setVisible(false);
    hideTimer_.setEnabled(false);
}

}  // namespace loopsim
