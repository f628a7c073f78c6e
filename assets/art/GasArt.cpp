#include "GasArt.h"

#include "ArtKit.h"
#include "Palette.h"

namespace loopsim::assets {
namespace {

QColor gasColour(Gas gas) {
    return QColor(gas == Gas::Oxygen ? palette::kOxygen : palette::kDiluent);
}

QColor gasDeep(Gas gas) {
    return QColor(gas == Gas::Oxygen ? palette::kOxygenDeep : palette::kDiluentDeep);
}

QString gasName(Gas gas) {
    return gas == Gas::Oxygen ? QStringLiteral("O₂") : QStringLiteral("DIL");
}

QLinearGradient brushedSteel(qreal left, qreal right) {
    return horizontalGradient(left, right,
                              {{0, QColor(palette::kSteelDark)},
                               {0.3, QColor(palette::kSteelLight)},
                               {0.55, QColor(palette::kSteelMid)},
                               {1, QColor(palette::kSteelDark).darker(115)}});
}

QLinearGradient cylinderShade(qreal left, qreal right, QColor colour) {
    return horizontalGradient(left, right,
                              {{0, colour.darker(150)},
                               {0.28, colour.lighter(135)},
                               {0.5, colour},
                               {1, colour.darker(175)}});
}

// The round body that the manual addition, ADV and dump buttons sit in, with the hose port
// at its top.
constexpr QPointF kBodyCentre(420, 440);
constexpr qreal kBodyRadius = 300;

void drawButtonBody(QPainter& painter) {
    const QRectF port(350, 40, 140, 150);
    painter.setPen(outline(QColor(palette::kSteelDark).darker(140), 12));
    painter.setBrush(brushedSteel(port.left(), port.right()));
    painter.drawRect(port);
    const QPainterPath body = circle(kBodyCentre, kBodyRadius);
    softShadow(painter, body, QPointF(0, 30), 70, withAlpha(Qt::black, 110));
    painter.setPen(outline(QColor(palette::kHousingEdge), 14));
    painter.setBrush(domeGradient(kBodyCentre, kBodyRadius * 1.4, QColor(palette::kHousingLight),
                                  QColor(palette::kHousingDark)));
    painter.drawPath(body);
    painter.setPen(outline(withAlpha(Qt::white, 40), 10));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(kBodyCentre, kBodyRadius - 30, kBodyRadius - 30);
}

void drawCap(QPainter& painter, const QPainterPath& cap, QColor colour, QColor deep,
             const QString& label, qreal textSize) {
    softShadow(painter, cap, QPointF(0, 24), 40, withAlpha(Qt::black, 150));
    const QRectF box = cap.boundingRect();
    painter.setPen(outline(deep.darker(125), 14));
    painter.setBrush(domeGradient(box.center(), box.width() * 0.7, colour.lighter(130), deep));
    painter.drawPath(cap);
    drawText(painter, box, label, artFont(textSize, QFont::Bold), Qt::white);
}

}  // namespace

void drawCylinderValve(QPainter& painter, Gas gas) {
    // Cylinder shoulder at the bottom, running off the picture.
    QPainterPath cylinder;
    cylinder.moveTo(180, 1800);
    cylinder.lineTo(180, 1400);
    cylinder.cubicTo(180, 1160, 380, 1080, 600, 1080);
    cylinder.cubicTo(820, 1080, 1020, 1160, 1020, 1400);
    cylinder.lineTo(1020, 1800);
    cylinder.closeSubpath();
    softShadow(painter, cylinder, QPointF(0, 30), 80, withAlpha(Qt::black, 100));
    painter.setPen(outline(gasDeep(gas).darker(130), 14));
    painter.setBrush(cylinderShade(180, 1020, gasColour(gas)));
    painter.drawPath(cylinder);
    drawText(painter, QRectF(180, 1380, 840, 330), gasName(gas), artFont(250, QFont::Bold),
             Qt::white);

    // Neck, valve block with its outlet, stem and hand wheel.
    painter.setPen(outline(QColor(palette::kSteelDark).darker(140), 12));
    painter.setBrush(brushedSteel(490, 710));
    painter.drawRect(QRectF(490, 950, 220, 150));
    const QRectF outlet(800, 700, 260, 130);
    painter.setBrush(brushedSteel(outlet.left(), outlet.right()));
    painter.drawRect(outlet);
    painter.drawRoundedRect(QRectF(1010, 660, 120, 210), 20, 20);
    const QPainterPath block = roundedRect(QRectF(370, 600, 460, 380), 60);
    softShadow(painter, block, QPointF(0, 20), 50, withAlpha(Qt::black, 100));
    painter.setBrush(brushedSteel(370, 830));
    painter.drawPath(block);
    painter.setBrush(brushedSteel(560, 640));
    painter.drawRect(QRectF(560, 430, 80, 180));

    const QRectF wheel(250, 250, 700, 200);
    const QPainterPath wheelPath = roundedRect(wheel, 90);
    softShadow(painter, wheelPath, QPointF(0, 24), 50, withAlpha(Qt::black, 130));
    painter.setPen(outline(QColor(palette::kHousingEdge), 14));
    painter.setBrush(
        verticalGradient(wheel.top(), wheel.bottom(),
                         {{0, QColor(palette::kRubberLight)}, {1, QColor(palette::kRubber)}}));
    painter.drawPath(wheelPath);
    painter.setPen(outline(withAlpha(Qt::black, 120), 18));
    for (qreal x = wheel.left() + 80; x < wheel.right() - 40; x += 70) {
        painter.drawLine(QPointF(x, wheel.top() + 40), QPointF(x, wheel.bottom() - 40));
    }
    painter.setPen(outline(gasColour(gas), 26));
    painter.drawLine(QPointF(wheel.left() + 60, wheel.top() + 24),
                     QPointF(wheel.right() - 60, wheel.top() + 24));
}

void drawManualAddButton(QPainter& painter, Gas gas) {
    drawButtonBody(painter);
    drawCap(painter, circle(kBodyCentre - QPointF(0, 10), 205), gasColour(gas), gasDeep(gas),
            gasName(gas), 165);
}

void drawMissingAddButton(QPainter& painter) {
    drawButtonBody(painter);
    // The empty socket: a dark hole with the thread it screwed into.
    painter.setPen(Qt::NoPen);
    QRadialGradient hole(kBodyCentre, 205, kBodyCentre + QPointF(0, 60));
    hole.setColorAt(0, QColor(palette::kBezel).lighter(160));
    hole.setColorAt(1, QColor(palette::kBezel));
    painter.setBrush(hole);
    painter.drawEllipse(kBodyCentre, 205, 205);
    painter.setPen(outline(withAlpha(QColor(palette::kSteelMid), 90), 10));
    painter.setBrush(Qt::NoBrush);
    for (qreal r = 120; r <= 190; r += 35) {
        painter.drawEllipse(kBodyCentre, r, r);
    }
    painter.setPen(dashedOutline(QColor(palette::kAlert), 20, 60, 40));
    painter.drawEllipse(kBodyCentre, 236, 236);
    drawFaultBadge(painter, QPointF(650, 190), 105);
}

void drawAdvButton(QPainter& painter) {
    drawButtonBody(painter);
    const QRectF cap(kBodyCentre.x() - 190, kBodyCentre.y() - 160, 380, 300);
    drawCap(painter, roundedRect(cap, 70), QColor(palette::kDiluent), QColor(palette::kDiluentDeep),
            QStringLiteral("ADV"), 140);
}

void drawDumpValve(QPainter& painter, bool failed) {
    const QPointF centre(420, 360);
    // The pull cord and its toggle hang below the valve.
    const QPointF toggle(failed ? 470 : 420, 735);
    painter.setPen(outline(QColor(palette::kRubber), 26));
    painter.drawLine(centre + QPointF(0, 200), toggle);
    painter.setPen(outline(QColor(palette::kPull).darker(150), 12));
    painter.setBrush(domeGradient(toggle, 90, QColor(palette::kPull).lighter(125),
                                  QColor(palette::kPull).darker(120)));
    painter.drawRoundedRect(QRectF(toggle.x() - 120, toggle.y() - 45, 240, 90), 45, 45);

    const QPainterPath ring = circle(centre, 300);
    softShadow(painter, ring, QPointF(0, 30), 70, withAlpha(Qt::black, 110));
    painter.setPen(outline(QColor(palette::kHousingEdge), 14));
    painter.setBrush(
        domeGradient(centre, 420, QColor(palette::kHousingLight), QColor(palette::kHousingDark)));
    painter.drawPath(ring);
    // Knurled grip around the rim.
    painter.setPen(outline(withAlpha(Qt::black, 120), 14));
    for (int i = 0; i < 36; ++i) {
        const QLineF spoke = QLineF::fromPolar(300, i * 10.0).translated(centre);
        painter.drawLine(QLineF(spoke.pointAt(0.86), spoke.pointAt(0.97)));
    }
    painter.setPen(outline(QColor(palette::kSteelDark).darker(130), 12));
    painter.setBrush(
        domeGradient(centre, 300, QColor(palette::kSteelLight), QColor(palette::kSteelDark)));
    painter.drawEllipse(centre, 215, 215);
    drawText(painter, QRectF(centre.x() - 200, centre.y() - 80, 400, 160), QStringLiteral("DUMP"),
             artFont(110, QFont::Bold, 110), QColor(palette::kInk));
    if (failed) {
        painter.setPen(outline(QColor(palette::kHousingEdge), 16));
        painter.setBrush(Qt::NoBrush);
        QPainterPath crack;
        crack.moveTo(centre + QPointF(-250, -140));
        crack.lineTo(centre + QPointF(-110, -40));
        crack.lineTo(centre + QPointF(-150, 40));
        crack.lineTo(centre + QPointF(20, 110));
        crack.lineTo(centre + QPointF(-10, 170));
        crack.lineTo(centre + QPointF(120, 270));
        crack.moveTo(centre + QPointF(-110, -40));
        crack.lineTo(centre + QPointF(-40, -130));
        painter.drawPath(crack);
        painter.setPen(Qt::NoPen);
        painter.setBrush(withAlpha(QColor(palette::kAlert), 55));
        painter.drawPath(ring);
        drawFaultBadge(painter, QPointF(660, 150), 105);
    }
}

void drawCounterlung(QPainter& painter) {
    // Connector and hose stub at the top.
    painter.setPen(outline(QColor(palette::kSteelDark).darker(140), 12));
    painter.setBrush(brushedSteel(470, 730));
    painter.drawRoundedRect(QRectF(470, 160, 260, 170), 30, 30);
    QPainterPath hose;
    hose.moveTo(600, 170);
    hose.lineTo(600, 0);
    drawHose(painter, hose, 200, 55);

    QPainterPath bag;
    bag.moveTo(330, 300);
    bag.cubicTo(210, 300, 170, 420, 180, 560);
    bag.cubicTo(200, 1000, 150, 1600, 190, 2100);
    bag.cubicTo(205, 2260, 300, 2300, 420, 2300);
    bag.lineTo(780, 2300);
    bag.cubicTo(900, 2300, 995, 2260, 1010, 2100);
    bag.cubicTo(1050, 1600, 1000, 1000, 1020, 560);
    bag.cubicTo(1030, 420, 990, 300, 870, 300);
    bag.closeSubpath();
    softShadow(painter, bag, QPointF(0, 36), 90, withAlpha(Qt::black, 110));
    painter.setPen(outline(QColor(palette::kHousingEdge), 16));
    painter.setBrush(horizontalGradient(160, 1040,
                                        {{0, QColor(palette::kHousingDark)},
                                         {0.3, QColor(palette::kHousingLight).lighter(115)},
                                         {0.6, QColor(palette::kHousingLight)},
                                         {1, QColor(palette::kHousingDark)}}));
    painter.drawPath(bag);
    // Stitching and soft folds of the fabric.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(dashedOutline(withAlpha(QColor(palette::kSteelMid), 150), 12, 40, 30));
    painter.drawPath(
        QTransform().translate(600, 1300).scale(0.9, 0.94).translate(-600, -1300).map(bag));
    painter.setPen(outline(withAlpha(Qt::black, 70), 22));
    for (const qreal x : {420.0, 760.0}) {
        QPainterPath fold;
        fold.moveTo(x, 700);
        fold.cubicTo(x + 40, 1100, x - 40, 1500, x, 1900);
        painter.drawPath(fold);
    }
    drawText(painter, QRectF(180, 1980, 840, 200), QStringLiteral("LUNG"),
             artFont(120, QFont::Bold, 130), QColor(palette::kSteelMid));
}

}  // namespace loopsim::assets
