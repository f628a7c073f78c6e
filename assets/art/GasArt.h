// The gas side of the unit: cylinder valves, manual addition buttons, the ADV button, the
// dump valve and the counterlung. Each draws into a picture of its layout size (PictureLayout.h).
#pragma once

#include <QPainter>

namespace loopsim::assets {

enum class Gas { Oxygen, Diluent };

void drawCylinderValve(QPainter& painter, Gas gas);
void drawManualAddButton(QPainter& painter, Gas gas);
void drawMissingAddButton(QPainter& painter);
void drawAdvButton(QPainter& painter);
void drawDumpValve(QPainter& painter, bool failed);
void drawCounterlung(QPainter& painter);

}  // namespace loopsim::assets
