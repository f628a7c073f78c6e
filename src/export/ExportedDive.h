// A session as a dive log sees it: one sample a second with what the trainee was shown, the
// gas switches and the named events, ready for any of the export formats. Values are kept in
// the whole units the formats print (centibar, decimetres, seconds), so a value "changes"
// exactly when its printed text would, and every format prints the same numbers.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "files/RecordingFile.h"

namespace loopsim {

// The three cylinders of the unit, in the order the exports list them. Diluent is air; the
// unit models no bail-out gas, so the bail-out cylinder is given air as well.
enum class Cylinder { Diluent = 0, Oxygen = 1, Bailout = 2 };
inline constexpr int kCylinderCount = 3;
inline constexpr int kAirOxygenPercent = 21;

struct ExportedSample {
    int seconds = 0;
    int depthDecimetres = 0;
    // Cells 1 to 3 as the leading handset showed them (a recording has only the voted PO2,
    // as cell 1); none while no handset showed a reading.
    std::optional<std::array<int, 3>> sensorCentibar;
    int setpointCentibar = 0;
    bool openCircuit = false;  // bailed out
};

struct ExportedEvent {
    int seconds = 0;
    std::string name;
    std::optional<Cylinder> switchTo;  // a gas switch: bailing out, or back on the loop
};

struct ExportedDive {
    CalendarTime start;
    int durationSeconds = 0;
    int oxygenPercent = 100;  // of the oxygen cylinder
    int sensorCount = 3;
    std::vector<ExportedSample> samples;  // in time order, one per whole second at most
    std::vector<ExportedEvent> events;    // in time order
    std::string notes;

    int oxygenPercentOf(Cylinder cylinder) const {
        return cylinder == Cylinder::Oxygen ? oxygenPercent : kAirOxygenPercent;
    }
};

// Rounds bar to centibar and metres to decimetres, as the exports print them; a reading below
// zero (a drifting cell) is a partial pressure of zero.
int centibar(double bar);
int decimetres(double metres);

}  // namespace loopsim
