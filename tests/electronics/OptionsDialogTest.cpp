#include "DivingUnit.h"
#include "tools/OptionsDialog.h"

namespace loopsim::testing {
namespace {

struct Options : DivingUnit {
    OptionsDialog& dialog() { return simulation.optionsDialog(); }
    bool ticked(int box) { return dialog().isTicked(box); }
    void check(int box) { act(Verb::Check, OptionsDialog::boxName(box)); }
    void uncheck(int box) { act(Verb::Uncheck, OptionsDialog::boxName(box)); }
};

struct PairCase {
    int box;
    int partner;
};

class ExclusivePair : public Options, public ::testing::WithParamInterface<PairCase> {};

TEST_P(ExclusivePair, TickingOneUnticksTheOther) {
    const PairCase& c = GetParam();
    check(c.partner);
    check(c.box);
    EXPECT_TRUE(ticked(c.box));
    EXPECT_FALSE(ticked(c.partner));
    // Unticking changes nothing else.
    uncheck(c.box);
    EXPECT_FALSE(ticked(c.box));
    EXPECT_FALSE(ticked(c.partner));
}

INSTANTIATE_TEST_SUITE_P(OptionsDialog, ExclusivePair,
                         ::testing::Values(PairCase{4, 5}, PairCase{5, 4}, PairCase{8, 11},
                                           PairCase{11, 8}, PairCase{9, 10}, PairCase{10, 9}));

TEST_F(Options, BoxesOutsideThePairsAreIndependent) {
    check(2);
    check(3);
    check(12);
    check(13);
    EXPECT_TRUE(ticked(2) && ticked(3) && ticked(12) && ticked(13));
}

TEST_F(Options, EveryBoxExistsUntickedFromStart) {
    for (int box = 1; box <= OptionsDialog::kBoxCount; ++box) {
        const ElementView* view = simulation.view().find(OptionsDialog::boxName(box));
        ASSERT_NE(view, nullptr) << box;
        EXPECT_EQ(view->checked(), false) << box;
    }
    EXPECT_EQ(optionBoxes().size(), static_cast<std::size_t>(OptionsDialog::kBoxCount));
    EXPECT_EQ(dialog().delayMinutes(), 0);
    EXPECT_EQ(textOf("Options.Command1"), "Change now");
    EXPECT_EQ(textOf("Options.Command2"), "Refill Scrubber");
    EXPECT_EQ(textOf("Options.Command3"), "Change Batteries");
}

struct SliderCase {
    const char* value;
    int minutes;
    const char* caption;
};

class Slider : public Options, public ::testing::WithParamInterface<SliderCase> {};

TEST_P(Slider, CaptionFollowsTheDelay) {
    const SliderCase& c = GetParam();
    act(Verb::Set, "Options.Slider1", "3");
    act(Verb::Set, "Options.Slider1", c.value);
    EXPECT_EQ(dialog().delayMinutes(), c.minutes);
    EXPECT_EQ(textOf("Options.Command1"), c.caption);
}

INSTANTIATE_TEST_SUITE_P(OptionsDialog, Slider,
                         ::testing::Values(SliderCase{"5", 5, "Change in 5 minutes"},
                                           SliderCase{"1", 1, "Change in 1 minutes"},
                                           SliderCase{"15", 15, "Change in 15 minutes"},
                                           SliderCase{"0", 0, "Change Now"},
                                           SliderCase{"40", 15, "Change in 15 minutes"},
                                           SliderCase{"-2", 0, "Change Now"}));

TEST_F(Options, OptionsButtonOpensAndApplyClosesAndStartsTheOptionTick) {
    act(Verb::Tap, "Command2");
    EXPECT_EQ(simulation.dialogs().openDialogs(), std::vector<std::string>{kOptionsDialog});
    advanceTo(7777);
    act(Verb::Tap, "Options.Command1");
    EXPECT_TRUE(simulation.dialogs().openDialogs().empty());
    EXPECT_EQ(s.OptionsSetTime, 7777u);
    const SimTimer& optionTick = simulation.clock().timer("OptionTimer");
    EXPECT_TRUE(optionTick.enabled());
    EXPECT_EQ(optionTick.due(), 7787);
    ASSERT_FALSE(callsOn(5).empty());
    EXPECT_EQ(callsOn(5).back(), (SoundCall{7777, false, 5, ""}));
}

TEST_F(Options, ApplyWithSoundOffLeavesTheHissChannelAlone) {
    s.SoundEnabled = 0;
    act(Verb::Tap, "Options.Command1");
    EXPECT_TRUE(callsOn(5).empty());
}

TEST_F(Options, CloseBoxAppliesNothingAndKeepsTheBoxes) {
    act(Verb::Tap, "Command2");
    check(2);
    dialog().closeWithoutApplying();
    EXPECT_TRUE(simulation.dialogs().openDialogs().empty());
    EXPECT_FALSE(simulation.clock().timer("OptionTimer").enabled());
    EXPECT_TRUE(ticked(2));
    advanceTo(60000);
    EXPECT_EQ(s.DarkAtDepth, 0);
}

TEST_F(Options, ScrubberAndBatteriesActAtOnceAndKeepTheDialogOpen) {
    s.ScrubberMinutes = 95;
    s.LeftHandset.BatteryVolts = 5.0;
    act(Verb::Tap, "Command2");
    act(Verb::Tap, "Options.Command2");
    act(Verb::Tap, "Options.Command3");
    EXPECT_EQ(s.ScrubberMinutes, 0);
    EXPECT_EQ(s.LeftHandset.BatteryVolts, 6.3);
    EXPECT_EQ(s.RightHandset.BatteryVolts, 6.3);
    EXPECT_TRUE(simulation.dialogs().isOpen(kOptionsDialog));
    EXPECT_FALSE(simulation.clock().timer("OptionTimer").enabled());
}

}  // namespace
}  // namespace loopsim::testing
