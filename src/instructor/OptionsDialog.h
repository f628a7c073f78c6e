// The instructor's failure options as core state. The dialog's 23 check boxes and its
// delay slider live in the view model (elements::optionBox(n), "Options.Check1" to
// "Options.Check23", and "Options.Slider1"); they exist from start, whether or not the
// dialog was ever shown, and keep their values while it is hidden. The failure injection
// reads them when the delay has passed; the handset buttons and the depth control read
// "Must Calibrate" and "Battery Bounce" themselves.
//
// Apply ("Change now") notes the time and starts the option tick; the dialog's own close
// control hides it and applies nothing. "Refill Scrubber" and "Change Batteries" act at
// once and leave the dialog open.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "core/SimContext.h"

namespace loopsim {

struct OptionBox {
    int number;  // an elements::FailureOption
    const char* frame;
    const char* caption;
    const char* tooltip;
};

// The boxes in the order the dialog lays them out, frame by frame.
std::span<const OptionBox> optionBoxes();

class OptionsDialog {
  public:
    static constexpr int kBoxCount = 23;
    static constexpr int kLongestDelay = 15;  // minutes

    explicit OptionsDialog(SimContext& context);

    bool isTicked(int number) const;
    void setTicked(int number, bool ticked);
    int delayMinutes() const;

    // The boxes as they stood when the options were last applied, bit n for box n: the
    // failures in force, as the debrief follows them.
    std::uint32_t appliedBoxes() const { return appliedBoxes_; }
    void noteApplied();
    // When the option tick will apply the boxes as they stand: the first of its ticks, 10 s
    // apart, that comes the delay or more after the options were confirmed. Nothing while no
    // tick waits.
    std::optional<Millis> pendingApplyTime() const;

    // The main window's "&Options" button.
    void open();
    // Command1: apply the options and hide the dialog.
    void apply();
    // The window's close control: hide the dialog, apply nothing, keep the boxes.
    void closeWithoutApplying();
    // Command2: a fresh scrubber.
    void refillScrubber();
    // Command3: fresh batteries in both handsets.
    void changeBatteries();

  private:
    void registerBox(int number, int partner);
    void sliderMoved(int value);

    SimContext& context_;
    ElementView& slider_;
    ElementView& applyButton_;
    std::uint32_t appliedBoxes_ = 0;
};

}  // namespace loopsim
