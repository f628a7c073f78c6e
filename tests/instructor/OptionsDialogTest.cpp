#include "core/Elements.h"
#include "electronics/DivingUnit.h"
#include "instructor/OptionsDialog.h"

namespace loopsim::testing {
namespace {

struct Options : DivingUnit {
    bool ticked(int box) { return sim.optionsDialog().isTicked(box); }
    void check(int box, Verb verb = Verb::Check) { act(verb, elements::optionBox(box)); }
};

TEST_F(Options, TickingOneOfAPairUnticksTheOther) {
    for (const auto& [box, partner] :
         {std::pair{4, 5}, {5, 4}, {8, 11}, {11, 8}, {9, 10}, {10, 9}}) {
        check(partner);
        check(box);
        EXPECT_TRUE(ticked(box)) << box;
        EXPECT_FALSE(ticked(partner)) << box;
        check(box, Verb::Uncheck);
        EXPECT_FALSE(ticked(box) || ticked(partner)) << box;
    }
}

TEST_F(Options, SliderSetsTheApplyCaption) {
    EXPECT_EQ(textOf("Options.Command1"), "Change now");
    const std::pair<const char*, const char*> moves[] = {
        {"5", "Change in 5 minutes"},
        {"1", "Change in 1 minutes"},
        {"0", "Change Now"},
        {"40", "Change in 15 minutes"},  // the slider stops at 15
    };
    for (const auto& [value, caption] : moves) {
        act(Verb::Set, "Options.Slider1", value);
        EXPECT_EQ(textOf("Options.Command1"), caption) << value;
    }
    EXPECT_EQ(sim.optionsDialog().delayMinutes(), 15);
}

TEST_F(Options, ApplyClosesTheDialogAndStartsTheOptionTick) {
    act(Verb::Tap, "Command2");
    EXPECT_EQ(sim.dialogs().openDialogs(), std::vector<std::string>{elements::kOptionsDialog});
    act(Verb::Tap, "Options.Command2");
    act(Verb::Tap, "Options.Command3");
    EXPECT_EQ(s.ScrubberMinutes, 0);
    EXPECT_EQ(s.RightHandset.BatteryVolts, 6.3);
    EXPECT_TRUE(sim.dialogs().isOpen(elements::kOptionsDialog));

    at(7777);
    act(Verb::Tap, "Options.Command1");
    EXPECT_TRUE(sim.dialogs().openDialogs().empty());
    EXPECT_EQ(s.OptionsSetTime, 7777u);
    EXPECT_EQ(sim.clock().timer("OptionTimer").due(), 7787);
    EXPECT_EQ(callsOn(5), (std::vector<SoundCall>{{7777, false, 5, ""}}));
}

TEST_F(Options, CloseBoxAppliesNothing) {
    act(Verb::Tap, "Command2");
    check(2);
    sim.optionsDialog().closeWithoutApplying();
    EXPECT_FALSE(sim.dialogs().isOpen(elements::kOptionsDialog));
    EXPECT_FALSE(sim.clock().timer("OptionTimer").enabled());
    EXPECT_TRUE(ticked(2));
}

}  // namespace
}  // namespace loopsim::testing
