// The named events of an exported dive and its gas switches, gathered from what the unit
// noted. A dive log drops an event whose name comes again within a minute, so a name that
// repeats within a minute of its previous time is one episode, named once where it began.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "export/ExportedDive.h"

namespace loopsim {

inline constexpr int kRepeatedEventSeconds = 60;

// The unit's own texts for bailing out and for the return to the loop.
inline constexpr std::string_view kBailedOutNote = "Bailed Out";
inline constexpr std::string_view kReturnedNote = "Returned to loop";

class DiveEvents {
  public:
    // A note of the unit: the bail-out and the return become gas switches; a handset's
    // button presses and the options' own note are left out; anything else is named as it is.
    void unitNote(int seconds, std::string_view note);
    void named(int seconds, std::string name);

    // The events in time order (a gas switch before a name at the same second), each
    // name's repeats merged into their episode.
    std::vector<ExportedEvent> finish() &&;

  private:
    std::vector<ExportedEvent> events_;
    bool bailedOut_ = false;
};

// Marks each sample taken at or after a bail-out, and before the return, as open circuit.
void markOpenCircuit(ExportedDive& dive);

}  // namespace loopsim
