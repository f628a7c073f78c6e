// The diver's side: the mouthpiece open and closed, the loop regulator in the mouth (large)
// and parked (small), and the bail-out button.
#pragma once

#include <QPainter>

namespace loopsim::assets {

void drawMouthpiece(QPainter& painter, bool open);
void drawRegulatorLarge(QPainter& painter);
void drawRegulatorSmall(QPainter& painter);
void drawBailOutButton(QPainter& painter);

}  // namespace loopsim::assets
