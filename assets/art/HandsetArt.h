// The handset: one drawing shared by all handset pictures, in the picture's own twips (see
// PictureLayout.h for where the picture sits in the window). Each picture differs only in
// the switch position and which buttons are held or hinted at.
#pragma once

#include <QPainter>
#include <QPointF>
#include <QRectF>

namespace loopsim::assets {

enum class GestureHint { None, BothOuter, BothRight };

struct HandsetLook {
    bool switchedOn = true;
    bool leftHeld = false;
    bool middleHeld = false;
    bool rightHeld = false;
    GestureHint hint = GestureHint::None;
};

// Where the parts the trainee presses are drawn, in picture twips.
struct HandsetParts {
    QPointF leftButton;
    QPointF middleButton;
    QPointF rightButton;
    qreal buttonRadius = 0;  // the cap with its collar
    QRectF switchSlot;
    QRectF bothOuterMark;
    QRectF bothRightMark;
};

HandsetParts handsetParts();

void drawHandset(QPainter& painter, const HandsetLook& look);

}  // namespace loopsim::assets
