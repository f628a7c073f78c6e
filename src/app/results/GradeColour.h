// The colour of a mark in the viewer's panels: green for good or passed, amber for fair, red
// for poor or failed, grey for a figure given only for note.
#pragma once

#include <QColor>

#include "debrief/Metrics.h"

namespace loopsim {

QColor gradeColour(Grade grade);

}  // namespace loopsim
