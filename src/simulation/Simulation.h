// One running simulator: the state record, the virtual clock with every timer, the view
// model of the window, the sound channels, the recording, and the subsystems whose
// handlers act on them. The owner advances time and feeds input; nothing here reads a wall
// clock or touches a window, so any number of simulations can run side by side.
#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "core/Action.h"
#include "core/SettingsStore.h"
#include "core/SimContext.h"

namespace loopsim {

class LoopGasStep;
class MainWindowButtons;
class GasSupply;
class OptionsDialog;
class Electronics;
class Diver;
class EnvironmentPanel;
class Handsets;

class Simulation {
  public:
    // Runs the load step: fixed screen texts, the stored settings (defaults when store is
    // null), every start value. The start-up warning counts as accepted.
    explicit Simulation(const SettingsStore* settings = nullptr);
    ~Simulation();
    Simulation(const Simulation&) = delete;
    Simulation& operator=(const Simulation&) = delete;

    SimulationState& state() { return state_; }
    const SimulationState& state() const { return state_; }
    SimClock& clock() { return clock_; }
    const SimClock& clock() const { return clock_; }
    ViewModel& view() { return view_; }
    const ViewModel& view() const { return view_; }
    SoundChannels& sound() { return sound_; }
    Recording& recording() { return recording_; }
    const Recording& recording() const { return recording_; }
    Dialogs& dialogs() { return dialogs_; }
    const Dialogs& dialogs() const { return dialogs_; }
    const InputRouter& input() const { return input_; }
    SimContext& context() { return context_; }
    OptionsDialog& optionsDialog() { return *optionsDialog_; }
    const OptionsDialog& optionsDialog() const { return *optionsDialog_; }

    Millis now() const { return clock_.now(); }
    void advanceTo(Millis time) { clock_.advanceTo(time); }

    // Applies user input at the present time. During a hold of the whole program the input
    // waits and is applied in order when the hold ends. Returns why the input cannot be
    // applied (an answer with no prompt open), or nothing. The origin (a scenario line
    // number) names held input whose application fails later: see takeHeldInputError.
    std::optional<std::string> apply(const Action& action, int origin = 0);
    // Runs observe once the input given so far has been applied: now, or when a hold ends,
    // before the timers that fell due during it.
    void atInputTime(std::function<void()> observe);

    struct HeldInputError {
        int origin = 0;
        std::string message;
    };
    // The first held input that could not be applied when its hold ended, if any.
    std::optional<HeldInputError> takeHeldInputError() {
        return std::exchange(heldInputError_, {});
    }

    // Writes the four stored settings from their fields (the first step of the exit path).
    void saveSettings(SettingsStore& store) const;

  private:
    std::optional<std::string> applyNow(const Action& action);
    // Answer and cancel of the prompt, the exit, and the verbs that change nothing here.
    std::optional<std::string> applyWithoutElement(const Action& action);
    // Press, release, click, double click, move, tap and hold: the element's own handlers.
    void applyPointer(const Action& action, const ElementHandlers& handlers);
    // A hold's end: the release and the click, once the hold's time has passed.
    Process releaseAfter(std::string element, Millis delay);
    // Check and uncheck: the box takes the tick, and its click runs when it changed.
    std::optional<std::string> tick(const Action& action, const ElementHandlers& handlers);
    // Set: the slider takes the value and its handler hears it.
    std::optional<std::string> setSlider(const Action& action, const ElementHandlers& handlers);
    void applyHeldInput();

    SimulationState state_;
    SimClock clock_;
    ViewModel view_;
    SoundChannels sound_;
    Recording recording_;
    Random random_;
    InputRouter input_;
    Dialogs dialogs_;
    SimContext context_;
    struct HeldInput {
        Action action;
        int origin = 0;
        std::function<void()> observe;  // set instead of an action for an observer
    };
    std::deque<HeldInput> heldInput_;
    std::optional<HeldInputError> heldInputError_;

    std::unique_ptr<MainWindowButtons> mainWindowButtons_;
    std::unique_ptr<LoopGasStep> loopGas_;
    std::unique_ptr<GasSupply> gasSupply_;
    std::unique_ptr<OptionsDialog> optionsDialog_;
    std::unique_ptr<Electronics> electronics_;
    std::unique_ptr<Diver> diver_;
    std::unique_ptr<EnvironmentPanel> environmentPanel_;
    std::unique_ptr<Handsets> handsets_;
};

}  // namespace loopsim
