// A seeded random stream of every kind of input on every element the input router knows,
// over many simulated hours, with the invariants checked after every action. A failure
// names the seed and the last actions as scenario lines; LOOPSIM_SOAK_SEED=N runs seed N
// on its own to replay it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "ScratchFolder.h"
#include "core/Elements.h"
#include "files/RecordingFile.h"
#include "files/Scenario.h"
#include "files/StateDump.h"
#include "handset/Screens.h"
#include "simulation/Simulation.h"

namespace loopsim {
namespace {

constexpr Millis kSoakLength = Millis{LOOPSIM_SOAK_HOURS} * 3600 * 1000;
constexpr Millis kLongestPause = 6000;               // between actions: three seconds on average
constexpr Millis kCoveringLength = 5 * 3600 * 1000;  // long enough to play every action
constexpr Millis kDepthPhase = 30 * 60 * 1000;
constexpr std::size_t kActionsKept = 20;

// Every screen number the display cycle, the buttons, the calibration and the warnings
// can put a handset on.
// clang-format off
const std::set<int> kKnownScreens = {
    kBlankScreen, kBannerScreen, kScrubberTimeScreen, kDiveNowConfirmScreen, kSlaveWaitScreen,
    kSlaveMainScreen, kBatteryWarningScreen, kDiveNowQuestionScreen, kFlatBatteryScreen,
    kFlatBatteryNoDiveScreen, kStartupCellFailureScreen, kStartupCellReplaceScreen,
    kStartupNoDiveScreen, kCheckDiluentScreen, kCalibrateQuestionScreen, kMustCalibrateScreen,
    kOpenValveScreen, kMasterMainScreen, kAmbientPressureMenu, kOxygenPercentMenu,
    kOpenMouthpieceScreen, kStartFlushScreen, kFlushScreen, kNoOxygenScreen,
    kNoOxygenNoCalibrationScreen, kNoOxygenNoDiveScreen, kCellStuckScreen, kFailedCellScreen,
    kOutOfRangeScreen, kFailedCellReplaceScreen, kFailedCellNoDiveScreen,
    kFailedCellNoCalibrationScreen, kCalibratingScreen, kHighSetpointMenu, kLowSetpointMenu,
    kBrightnessMenu, kOnTimeScreen, kResetQuestionScreen, kOnTimeResetScreen,
    kCellWarningScreen, kLowOxygenScreen, kHighOxygenScreen, kLowBatteryScreen};

// What a trainee might type into a prompt.
const char* const kTypedAnswers[] = {
    "", " ", "abc", "1.3", "0", "-0", "-5", "0.01", "20", "21", "1e308", "1e400", "nan", "inf",
    "-inf", "NaN", "1,5", "1.5.5", "   7", "99999", "750", "1050", "1013", "100", "+12", "0x10",
    "12abc", "\t3", "\"", "#", "\x01\x7f", "\xff", "1000000000000000000000000000000000000000",
    "0.005"};
// clang-format on

// The name of the first value in a state dump that is null: a number that was not finite.
// The open prompt and the voted PO2 before the first vote are the values a dump writes as
// null on purpose.
std::string firstNullValue(std::string_view json) {
    std::string lastKey;
    for (std::size_t i = 0; i < json.size(); ++i) {
        if (json[i] == '"') {
            std::string text;
            for (++i; i < json.size() && json[i] != '"'; ++i) {
                if (json[i] == '\\')
                    ++i;
                text += json[i];
            }
            if (i + 1 < json.size() && json[i + 1] == ':')
                lastKey = text;
        } else if (json.compare(i, 4, "null") == 0 && lastKey != "Prompt" &&
                   lastKey != "HandsetPO2") {
            return lastKey;
        }
    }
    return {};
}

// Whether a display text shows a number that was not finite, as printf spells it.
bool showsNonFinite(const std::string& text) {
    for (const char* word : {"nan", "inf"}) {
        for (auto at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
            const bool startsWord =
                at == 0 || !std::isalpha(static_cast<unsigned char>(text[at - 1]));
            const bool endsWord =
                at + 3 == text.size() || !std::isalpha(static_cast<unsigned char>(text[at + 3]));
            if (startsWord && endsWord)
                return true;
        }
    }
    return false;
}

bool endsTheRun(const std::string& element) {
    return element == elements::kBailoutExitButton || element == elements::kExitButton;
}

class Soak {
  public:
    explicit Soak(std::uint64_t seed) : random_(seed) {
        for (const auto& [name, handlers] : sim_.input().elements()) {
            if (endsTheRun(name))
                continue;  // the exit button and the bail-out exit end the run: the soak plays on
            switch (handlers.kind) {
                case ElementHandlers::Kind::Plain:
                    plain_.push_back(name);
                    break;
                case ElementHandlers::Kind::CheckBox:
                    checkBoxes_.push_back(name);
                    break;
                case ElementHandlers::Kind::Slider:
                    sliders_.push_back(name);
                    break;
            }
        }
    }

    std::size_t elementCount() const {
        return plain_.size() + checkBoxes_.size() + sliders_.size();
    }

    // Plays until the soak's length; stops at the first broken invariant.
    void play() {
        int lastIndex = sim_.state().RecordIndex;
        while (true) {
            sim_.advanceTo(std::min(sim_.now() + pick(0, kLongestPause), kSoakLength));
            if (sim_.now() >= kSoakLength)
                break;
            const Action action = nextAction();
            remember(action);
            if (const auto refused = sim_.apply(action)) {
                fail("the action was refused: " + *refused);
                return;
            }
            if (!checkInvariants(lastIndex))
                return;
            lastIndex = sim_.state().RecordIndex;
        }
        checkInvariants(lastIndex);
    }

    const Simulation& simulation() const { return sim_; }
    const std::set<Verb>& verbsPlayed() const { return verbsPlayed_; }
    const std::set<std::string>& elementsPlayed() const { return elementsPlayed_; }

  private:
    // Spelled out rather than a standard distribution, so a seed replays the same on any
    // standard library.
    int pick(int lowest, int highest) {
        const auto span = static_cast<std::uint64_t>(highest - lowest) + 1;
        return lowest + static_cast<int>(random_() % span);
    }
    const std::string& pickFrom(const std::vector<std::string>& names) {
        return names[static_cast<std::size_t>(pick(0, static_cast<int>(names.size()) - 1))];
    }

    Action nextAction() {
        if (sim_.dialogs().prompt() && pick(0, 3) != 0) {
            if (pick(0, 4) == 0)
                return {Verb::Cancel, {}, {}};
            const int garbage = pick(0, static_cast<int>(std::size(kTypedAnswers)));
            if (garbage < static_cast<int>(std::size(kTypedAnswers)))
                return {Verb::Answer, {}, kTypedAnswers[garbage]};
            return {Verb::Answer, {}, std::to_string(pick(-100, 2000) / 10.0)};
        }
        // Half an hour drifting down, half an hour drifting up to the surface, where the
        // panel's prompts can open.
        if (pick(0, 7) == 0) {
            const bool diving = sim_.now() / kDepthPhase % 2 == 0;
            return {Verb::Tap, diving ? elements::kDescendArrow : elements::kAscendArrow, {}};
        }
        const int which = pick(0, static_cast<int>(elementCount()) - 1);
        if (which < static_cast<int>(plain_.size())) {
            const std::string& element = plain_[static_cast<std::size_t>(which)];
            static constexpr Verb kPlainVerbs[] = {Verb::Press,    Verb::Release, Verb::Click,
                                                   Verb::Tap,      Verb::Tap,     Verb::Hold,
                                                   Verb::DblClick, Verb::Move};
            const Verb verb = kPlainVerbs[pick(0, static_cast<int>(std::size(kPlainVerbs)) - 1)];
            if (verb == Verb::Hold)
                return {verb, element,
                        pick(0, 50) == 0 ? oddNumber() : std::to_string(pick(0, 4000))};
            return {verb, element, {}};
        }
        if (which < static_cast<int>(plain_.size() + checkBoxes_.size()))
            return {pick(0, 1) == 0 ? Verb::Check : Verb::Uncheck, pickFrom(checkBoxes_), {}};
        return {Verb::Set, pickFrom(sliders_),
                pick(0, 5) == 0 ? oddNumber() : std::to_string(pick(-5, 25))};
    }

    // A number a scenario file may hold that no pointer gives.
    std::string oddNumber() {
        // clang-format off
        static const std::string kOddNumbers[] = {
            "0.5", "2.999", "99999999999", "-99999999999", "4294967296", "1000000000000000000",
            "-3" + std::string(50, '0'),
            "17976931348623157" + std::string(292, '0')};  // the largest double
        // clang-format on
        return kOddNumbers[pick(0, static_cast<int>(std::size(kOddNumbers)) - 1)];
    }

    void remember(const Action& action) {
        lastActions_.push_back(formatScenarioLine(sim_.now(), action));
        if (lastActions_.size() > kActionsKept)
            lastActions_.pop_front();
        verbsPlayed_.insert(action.verb);
        if (!action.element.empty())
            elementsPlayed_.insert(action.element);
    }

    bool checkInvariants(int lastIndex) {
        const SimulationState& s = sim_.state();
        if (sim_.dialogs().ending() != Ending::Running)
            return fail("the run ended");
        const std::string nullValue = firstNullValue(stateDumpJson(sim_, {}));
        if (!nullValue.empty())
            return fail(nullValue + " is not a finite number");
        for (const auto& [name, element] : sim_.view().elements())
            if (showsNonFinite(element.textOrEmpty()))
                return fail(name + " shows '" + element.textOrEmpty() + "'");
        for (const HandsetState* handset : {&s.LeftHandset, &s.RightHandset})
            if (!kKnownScreens.contains(handset->Screen))
                return fail("a handset is on unknown screen " + std::to_string(handset->Screen));
        if (s.RecordIndex < lastIndex)
            return fail("RecordIndex went back from " + std::to_string(lastIndex) + " to " +
                        std::to_string(s.RecordIndex));
        return true;
    }

    bool fail(const std::string& what) {
        std::string trace;
        for (const std::string& line : lastActions_)
            trace += "    " + line + "\n";
        ADD_FAILURE() << what << " at " << formatScenarioTime(sim_.now())
                      << " s; the last actions:\n"
                      << trace;
        return false;
    }

    Simulation sim_;
    std::mt19937_64 random_;
    std::vector<std::string> plain_, checkBoxes_, sliders_;
    std::deque<std::string> lastActions_;
    std::set<Verb> verbsPlayed_;
    std::set<std::string> elementsPlayed_;
};

std::vector<std::uint64_t> soakSeeds() {
    if (const char* seed = std::getenv("LOOPSIM_SOAK_SEED"))
        return {std::strtoull(seed, nullptr, 10)};
    return {1, 2, 3, 20041027, 987654321};
}

class SoakBySeed : public ::testing::TestWithParam<std::uint64_t> {};

TEST_P(SoakBySeed, RandomInputKeepsTheStateSane) {
    const std::uint64_t seed = GetParam();
    SCOPED_TRACE("soak seed " + std::to_string(seed) +
                 " (replay with LOOPSIM_SOAK_SEED=" + std::to_string(seed) + ")");
    Soak soak(seed);
    soak.play();
    if (HasFailure())
        return;

    // Every verb a user can give and every element, except what ends the run. A short soak
    // (under a sanitizer) may not have cancelled a prompt yet.
    if (kSoakLength >= kCoveringLength) {
        for (Verb verb :
             {Verb::Press, Verb::Release, Verb::Click, Verb::Tap, Verb::Hold, Verb::DblClick,
              Verb::Move, Verb::Check, Verb::Uncheck, Verb::Set, Verb::Answer, Verb::Cancel})
            EXPECT_TRUE(soak.verbsPlayed().contains(verb)) << verbName(verb) << " was never played";
        for (const auto& [element, handlers] : soak.simulation().input().elements())
            EXPECT_TRUE(soak.elementsPlayed().contains(element) || endsTheRun(element))
                << element << " was never played";
    }

    // The table keeps 18000 rows at most; the file holds them and reads back the same.
    const SimulationState& s = soak.simulation().state();
    const RecordTable& table = soak.simulation().recording().table();
    const int kept = std::min(s.RecordIndex, RecordTable::kLastRow);
    // One row a second, less the ticks that fell into turn-on waits, up to the 16-bit
    // counter's largest value.
    const Millis seconds = kSoakLength / 1000;
    EXPECT_LE(s.RecordIndex, std::min<Millis>(seconds, 32767));
    EXPECT_GE(s.RecordIndex, std::min<Millis>(seconds * 9 / 10, 32767));
    const test::ScratchFolder folder;
    const std::filesystem::path file = folder / "soak.csv";
    ASSERT_EQ(writeRecordingFile(file, table, s.RecordIndex, CalendarTime{}), std::nullopt);
    RecordTable read;
    const RecordingReadResult result = readRecordingFile(file, read);
    ASSERT_TRUE(result.ok) << result.error;
    ASSERT_EQ(result.rows, kept);
    for (int row = 1; row <= kept; ++row)
        ASSERT_EQ(read.row(row), table.row(row)) << "row " << row;
}

INSTANTIATE_TEST_SUITE_P(Seeds, SoakBySeed, ::testing::ValuesIn(soakSeeds()));

}  // namespace
}  // namespace loopsim
