#include "core/TickTable.h"

namespace loopsim {

void addTickTable(SimClock& clock) {
    struct Tick {
        const char* name;
        int interval;
        bool enabled;
    };
    // The intervals are exactly these, not rounded: 502 and 503 drift against each other.
    static constexpr Tick kTicks[] = {
        {"Timer1", 503, true},                   // loop-gas step
        {"CellMillivoltTimer", 502, true},       // cell outputs and handset readings
        {"CellDriftTimer", 60000, true},         // growth of cell drift
        {"ComputerTimer", 6001, true},           // controller and solenoid
        {"FreeFlowTimer", 1020, true},           // free flows and leaks
        {"CO2Timer", 60000, true},               // scrubber and on-time minutes
        {"BreathTimer", 6003, false},            // one breath
        {"BreathOffTimer", 3000, false},         // end of the breath mark
        {"FloodTimer", 5000, false},             // flooded handset
        {"RecordingTimer", 1000, true},          // one recorded row per second
        {"WarningTimer", 1000, true},            // warnings and alarms
        {"OptionTimer", 10, false},              // failure options
        {"SwitchOffTimer", 1000, true},          // handset switch-off by menu
        {"SetPointTimer", 2000, false},          // setpoint change
        {"Timer8", 3000, true},                  // left handset display cycle
        {"Timer9", 3000, true},                  // right handset display cycle
        {"LHLightTimer", 4544, false},           // left backlight off
        {"RHLightTimer", 5000, false},           // right backlight off
        {"Timer6", 1000, false},                 // left handset picture restored
        {"Timer7", 1000, false},                 // right handset picture restored
        {"MakeNoiseSolenoidTimer", 100, false},  // solenoid sound stop
        {"Timer2", 3000, false},                 // oxygen valve label hidden
        {"Timer3", 3000, false},                 // diluent valve label hidden
        {"DoEventsControl", 200, true},          // background yield: nothing to do here
        {"Bailout.Timer1", 100, false},          // bail-out dialog kept in front
    };
    for (const Tick& tick : kTicks)
        clock.addTimer(tick.name, tick.interval, tick.enabled);
}

}  // namespace loopsim
