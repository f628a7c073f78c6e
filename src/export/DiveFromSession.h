// A replayed session as a dive: the sensors are what the leading handset showed of each
// cell (the trainee's view), not the true loop PO2; the failures the instructor set, the
// unit's warnings (once per episode) and what the unit noted of the trainee's actions are
// the named events.
#pragma once

#include "debrief/Debrief.h"
#include "export/ExportedDive.h"

namespace loopsim {

ExportedDive diveFromSession(const Debrief& debrief, const CalendarTime& start);

}  // namespace loopsim
