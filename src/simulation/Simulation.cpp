#include "simulation/Simulation.h"

#include <algorithm>
#include <limits>

#include "core/Format.h"
#include "core/MessageExcerpt.h"
#include "core/TickTable.h"
#include "electronics/Electronics.h"
#include "handset/Handsets.h"
#include "instructor/OptionsDialog.h"
#include "loop/Diver.h"
#include "loop/EnvironmentPanel.h"
#include "loop/GasSupply.h"
#include "loop/LoopGasStep.h"
#include "simulation/MainWindowButtons.h"
#include "simulation/StartValues.h"

namespace loopsim {
namespace {

// Longer than any run: a scenario's hold of more is released no later than this.
constexpr double kLongestHold = 1e12;  // milliseconds, about 30 years

// Runs a handler the element has; an event it has no handler for is ignored.
template <typename... Args>
void run(const std::function<void(Args...)>& handler, Args... args) {
    if (handler)
        handler(args...);
}

}  // namespace

Simulation::Simulation(const SettingsStore* settings)
    : sound_(clock_, state_), recording_(state_), context_{state_,     clock_,  view_,  sound_,
                                                           recording_, random_, input_, dialogs_} {
    addTickTable(clock_);
    clock_.setHoldEndedHandler([this] { applyHeldInput(); });
    clock_.setStopCondition([this] { return dialogs_.ending() != Ending::Running; });
    clock_.timer("RecordingTimer").setHandler([this] { recording_.recordingTick(); });

    mainWindowButtons_ = std::make_unique<MainWindowButtons>(context_);
    loopGas_ = std::make_unique<LoopGasStep>(context_);
    gasSupply_ = std::make_unique<GasSupply>(context_);
    optionsDialog_ = std::make_unique<OptionsDialog>(context_);
    electronics_ = std::make_unique<Electronics>(context_, *optionsDialog_);
    diver_ = std::make_unique<Diver>(context_);
    environmentPanel_ = std::make_unique<EnvironmentPanel>(context_);
    handsets_ = std::make_unique<Handsets>(context_);

    loadStartValues(context_, settings);
    // Every element the window shows may be named by input; only the handled ones act.
    for (const auto& [name, view] : view_.elements())
        input_.acceptWithoutHandlers(name);
}

Simulation::~Simulation() = default;

std::optional<std::string> Simulation::apply(const Action& action, int origin) {
    if (clock_.holding()) {
        heldInput_.push_back({action, origin, nullptr});
        return std::nullopt;
    }
    return applyNow(action);
}

void Simulation::atInputTime(std::function<void()> observe) {
    if (clock_.holding())
        heldInput_.push_back({{}, 0, std::move(observe)});
    else
        observe();
}

void Simulation::applyHeldInput() {
    while (!heldInput_.empty() && !clock_.holding() && dialogs_.ending() == Ending::Running) {
        HeldInput held = std::move(heldInput_.front());
        heldInput_.pop_front();
        if (held.observe) {
            held.observe();
        } else if (auto refused = applyNow(held.action); refused && !heldInputError_) {
            heldInputError_ = HeldInputError{held.origin, *refused};
        }
    }
}

std::optional<std::string> Simulation::applyNow(const Action& action) {
    if (!verbTakesElement(action.verb))
        return applyWithoutElement(action);
    static const ElementHandlers kNoHandlers;
    const ElementHandlers* handlers = input_.find(action.element);
    if (!handlers && !input_.accepts(action.element))
        return "unknown element " + messageExcerpt(action.element);
    if (!handlers)
        handlers = &kNoHandlers;
    switch (action.verb) {
        case Verb::Check:
        case Verb::Uncheck:
            return tick(action, *handlers);
        case Verb::Set:
            return setSlider(action, *handlers);
        default:
            applyPointer(action, *handlers);
            return std::nullopt;
    }
}

std::optional<std::string> Simulation::applyWithoutElement(const Action& action) {
    switch (action.verb) {
        case Verb::Answer:
            if (!dialogs_.answerPrompt(action.value))
                return "there is no text prompt open to answer";
            break;
        case Verb::Cancel:
            if (!dialogs_.cancelPrompt())
                return "there is no text prompt open to cancel";
            break;
        case Verb::Exit:
        case Verb::End:
            dialogs_.requestExitPath();
            break;
        default:
            // A dump and the window's clock verbs change nothing in the simulation.
            break;
    }
    return std::nullopt;
}

void Simulation::applyPointer(const Action& action, const ElementHandlers& handlers) {
    switch (action.verb) {
        case Verb::Press:
            run(handlers.press);
            break;
        case Verb::Release:
            run(handlers.release);
            break;
        case Verb::Click:
            run(handlers.click);
            break;
        case Verb::DblClick:
            run(handlers.dblclick);
            break;
        case Verb::Move:
            run(handlers.move);
            break;
        case Verb::Tap:
            run(handlers.press);
            run(handlers.release);
            run(handlers.click);
            break;
        case Verb::Hold: {
            run(handlers.press);
            const double milliseconds =
                std::clamp(parseNumber(action.value).value_or(0), 0.0, kLongestHold);
            releaseAfter(action.element, static_cast<Millis>(milliseconds));
            break;
        }
        default:
            break;
    }
}

Process Simulation::releaseAfter(std::string element, Millis delay) {
    co_await clock_.sleepFor(delay);
    // Timers due at the release's own millisecond run before it, as they would before a
    // scenario line at that time.
    co_await clock_.yieldToPending();
    applyNow({Verb::Release, element, {}});
    applyNow({Verb::Click, element, {}});
}

std::optional<std::string> Simulation::tick(const Action& action, const ElementHandlers& handlers) {
    if (handlers.kind != ElementHandlers::Kind::CheckBox)
        return messageExcerpt(action.element) + " is not a check box";
    ElementView& box = view_.element(action.element);
    const bool ticked = action.verb == Verb::Check;
    if (box.isChecked() != ticked) {
        box.setChecked(ticked);
        run(handlers.click);
    }
    return std::nullopt;
}

std::optional<std::string> Simulation::setSlider(const Action& action,
                                                 const ElementHandlers& handlers) {
    if (handlers.kind != ElementHandlers::Kind::Slider)
        return messageExcerpt(action.element) + " is not a slider";
    const auto number = parseNumber(action.value);
    if (!number)
        return "the value of set is not a number: " + messageExcerpt(action.value);
    // A scenario may hold any number; the slider's own handler keeps it in range.
    const int value = static_cast<int>(std::clamp(*number, double{std::numeric_limits<int>::min()},
                                                  double{std::numeric_limits<int>::max()}));
    view_.element(action.element).setValue(value);
    run(handlers.set, value);
    return std::nullopt;
}

void Simulation::saveSettings(SettingsStore& store) const {
    const auto save = [&store](StoredSetting setting, double value) {
        store.write(setting.key, storedNumberText(value, setting));
    };
    save(kScrubberSetting, state_.ScrubberMinutes);
    save(kLeftTimerSetting, state_.LeftHandset.OnMinutes);
    save(kLeftBatterySetting, state_.LeftHandset.BatteryVolts);
    save(kRightBatterySetting, state_.RightHandset.BatteryVolts);
}

}  // namespace loopsim
