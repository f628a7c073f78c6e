// The environment panel's arrow buttons and the overview picture of the whole unit.
#pragma once

#include <QPainter>

namespace loopsim::assets {

void drawArrowButton(QPainter& painter, bool up);
void drawUnitOverview(QPainter& painter);

}  // namespace loopsim::assets
