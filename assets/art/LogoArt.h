// The two logos of the start-up warning: an abstract emblem standing for the training
// organisation, and the simulator's own mark.
#pragma once

#include <QPainter>

namespace loopsim::assets {

void drawOrganisationLogo(QPainter& painter);
void drawSimulatorLogo(QPainter& painter);

}  // namespace loopsim::assets
