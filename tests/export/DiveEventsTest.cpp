// The rules every export shares, on values set up by hand: which notes of the unit become
// events, how a repeated name is merged into its episode, the gas switches, the rounding to
// the formats' units, and which file name asks for which format.
#include <gtest/gtest.h>

#include <cmath>

#include "export/DiveEvents.h"
#include "export/ExportFormat.h"

namespace loopsim::test {
namespace {

struct Note {
    int seconds;
    const char* text;
};

// "s name", or "s to N" for a gas switch to cylinder N.
std::vector<std::string> described(const std::vector<ExportedEvent>& events) {
    std::vector<std::string> texts;
    for (const ExportedEvent& event : events)
        texts.push_back(std::to_string(event.seconds) + " " +
                        (event.switchTo ? "to " + std::to_string(static_cast<int>(*event.switchTo))
                                        : event.name));
    return texts;
}

TEST(DiveEvents, NotesBecomeNamedEventsAndGasSwitches) {
    struct Case {
        const char* what;
        std::vector<Note> notes;
        std::vector<std::string> events;
    };
    const std::vector<Case> cases = {
        {"a repeat within a minute of the last one joins its episode",
         {{10, "Manual O2 Addition"},
          {50, "Manual O2 Addition"},
          {100, "Manual O2 Addition"},
          {170, "Manual O2 Addition"}},
         {"10 Manual O2 Addition", "170 Manual O2 Addition"}},
        {"sixty seconds is still the same episode, sixty-one is not",
         {{0, "Dump Valve Operated"}, {60, "Dump Valve Operated"}, {121, "Dump Valve Operated"}},
         {"0 Dump Valve Operated", "121 Dump Valve Operated"}},
        {"each name has episodes of its own",
         {{0, "Warning: Low O2"}, {30, "Warning: High O2"}, {40, "Warning: Low O2"}},
         {"0 Warning: Low O2", "30 Warning: High O2"}},
        {"button presses and the options' note are left out",
         {{1, "Left handset: middle button"},
          {2, "Right handset: both outer buttons"},
          {3, "Options Changed"},
          {4, "Left handset on as Master"}},
         {"4 Left handset on as Master"}},
        {"a bail-out and a return are gas switches, never merged",
         {{10, "Bailed Out"}, {20, "Returned to loop"}, {30, "Bailed Out"}},
         {"10 to 2", "20 to 0", "30 to 2"}},
        {"a bail-out while bailed out and a return while on the loop switch nothing",
         {{5, "Returned to loop"}, {10, "Bailed Out"}, {12, "Bailed Out"}},
         {"10 to 2"}},
        {"in time order, a switch before a name of the same second",
         {{20, "Breathing Started"}, {20, "Bailed Out"}, {5, "O2 Valve Opened"}},
         {"5 O2 Valve Opened", "20 to 2", "20 Breathing Started"}},
    };
    for (const Case& c : cases) {
        DiveEvents events;
        for (const Note& note : c.notes)
            events.unitNote(note.seconds, note.text);
        EXPECT_EQ(described(std::move(events).finish()), c.events) << c.what;
    }
}

TEST(ExportedDive, ValuesRoundToTheFormatsUnits) {
    struct Row {
        double value;
        int centibar, decimetres;
    };
    for (const Row& row :
         {Row{1.3, 130, 13}, Row{1.2999999, 130, 13}, Row{0.004, 0, 0}, Row{20, 2000, 200},
          Row{-0.02, 0, 0},  // a drifting cell reads below zero
          Row{std::nan(""), 0, 0}, Row{INFINITY, 0, 0}, Row{1e12, 100000, 100000}}) {
        EXPECT_EQ(centibar(row.value), row.centibar) << row.value;
        EXPECT_EQ(decimetres(row.value), row.decimetres) << row.value;
    }
}

TEST(ExportFormat, TheExtensionChoosesTheFormat) {
    struct Row {
        const char* name;
        std::optional<ExportFormat> format;
    };
    // ".ssrf" alone is a hidden file with no extension.
    for (const Row& row :
         {Row{"dive.ssrf", ExportFormat::Subsurface}, Row{"DIVE.SSRF", ExportFormat::Subsurface},
          Row{"logs/dive.Uddf", ExportFormat::Uddf}, Row{"dive.csv", ExportFormat::Csv},
          Row{"dive.ssrf.csv", ExportFormat::Csv}, Row{"dive.xml", std::nullopt},
          Row{"ssrf", std::nullopt}, Row{".ssrf", std::nullopt}})
        EXPECT_EQ(exportFormatOf(row.name), row.format) << row.name;
}

}  // namespace
}  // namespace loopsim::test
