#include "PanelArt.h"

#include "ArtKit.h"
#include "Palette.h"

namespace loopsim::assets {
namespace {

void drawCylinder(QPainter& painter, const QRectF& body, QColor colour, const QString& label) {
    const QPainterPath shape = roundedRect(body, body.width() * 0.45);
    softShadow(painter, shape, QPointF(0, 30), 70, withAlpha(Qt::black, 90));
    painter.setPen(outline(colour.darker(170), 14));
    painter.setBrush(horizontalGradient(body.left(), body.right(),
                                        {{0, colour.darker(150)},
                                         {0.3, colour.lighter(135)},
                                         {0.55, colour},
                                         {1, colour.darker(175)}}));
    painter.drawPath(shape);
    painter.setBrush(horizontalGradient(body.left(), body.right(),
                                        {{0, QColor(palette::kSteelDark)},
                                         {0.35, QColor(palette::kSteelLight)},
                                         {1, QColor(palette::kSteelDark)}}));
    painter.setPen(outline(QColor(palette::kSteelDark).darker(140), 10));
    painter.drawRoundedRect(QRectF(body.center().x() - 70, body.top() - 130, 140, 150), 20, 20);
    painter.save();
    painter.translate(body.center());
    painter.rotate(-90);
    drawText(painter, QRectF(-body.height() / 2, -body.width() / 2, body.height(), body.width()),
             label, artFont(150, QFont::Bold, 120), Qt::white);
    painter.restore();
}

void drawLungBag(QPainter& painter, const QRectF& box) {
    const QPainterPath bag = roundedRect(box, box.width() * 0.3);
    softShadow(painter, bag, QPointF(0, 24), 60, withAlpha(Qt::black, 90));
    painter.setPen(outline(QColor(palette::kHousingEdge), 14));
    painter.setBrush(horizontalGradient(box.left(), box.right(),
                                        {{0, QColor(palette::kHousingDark)},
                                         {0.35, QColor(palette::kHousingLight).lighter(115)},
                                         {1, QColor(palette::kHousingDark)}}));
    painter.drawPath(bag);
    painter.setPen(dashedOutline(withAlpha(QColor(palette::kSteelMid), 140), 10, 36, 26));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(roundedRect(box.adjusted(40, 40, -40, -40), box.width() * 0.25));
}

void drawSmallHandset(QPainter& painter, QPointF centre) {
    const QRectF box(centre.x() - 230, centre.y() - 150, 460, 300);
    painter.setPen(outline(QColor(palette::kHousingEdge), 12));
    painter.setBrush(verticalGradient(
        box.top(), box.bottom(),
        {{0, QColor(palette::kHousingLight)}, {1, QColor(palette::kHousingDark)}}));
    painter.drawRoundedRect(box, 60, 60);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(palette::kOxygen).darker(180));
    painter.drawRect(QRectF(box.left() + 60, box.top() + 50, box.width() - 120, 110));
    painter.setBrush(QColor(palette::kCapDark));
    for (int i = -1; i <= 1; ++i) {
        painter.drawEllipse(QPointF(centre.x() + i * 120, box.bottom() - 65), 32, 32);
    }
}

}  // namespace

void drawArrowButton(QPainter& painter, bool up) {
    const QRectF face(30, 24, 300, 300);
    const QPainterPath facePath = roundedRect(face, 70);
    softShadow(painter, facePath, QPointF(0, 14), 24, withAlpha(Qt::black, 110));
    painter.setPen(outline(QColor(palette::kControlDeep).darker(130), 10));
    painter.setBrush(verticalGradient(
        face.top(), face.bottom(),
        {{0, QColor(palette::kControl).lighter(125)}, {1, QColor(palette::kControlDeep)}}));
    painter.drawPath(facePath);
    const QPointF c = face.center();
    const qreal s = up ? -1 : 1;
    QPainterPath chevron;
    chevron.moveTo(c + QPointF(-80, -40 * s));
    chevron.lineTo(c + QPointF(0, 45 * s));
    chevron.lineTo(c + QPointF(80, -40 * s));
    painter.setPen(outline(Qt::white, 44));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(chevron);
}

void drawUnitOverview(QPainter& painter) {
    // Cables from the head to the two handsets, behind everything else.
    painter.setPen(outline(QColor(palette::kRubber), 26));
    painter.setBrush(Qt::NoBrush);
    QPainterPath cables;
    cables.moveTo(1000, 1080);
    cables.cubicTo(700, 1080, 420, 700, 420, 560);
    cables.moveTo(1400, 1080);
    cables.cubicTo(1700, 1080, 1980, 700, 1980, 560);
    painter.drawPath(cables);

    // The loop: mouthpiece, hoses down to the counterlungs on the shoulders.
    QPainterPath leftHose;
    leftHose.moveTo(1000, 330);
    leftHose.cubicTo(760, 330, 480, 520, 470, 930);
    drawHose(painter, leftHose, 150, 45);
    QPainterPath rightHose;
    rightHose.moveTo(1400, 330);
    rightHose.cubicTo(1640, 330, 1920, 520, 1930, 930);
    drawHose(painter, rightHose, 150, 45);
    painter.setPen(outline(QColor(palette::kHousingEdge), 12));
    painter.setBrush(verticalGradient(
        420, 560, {{0, QColor(palette::kRubberLight)}, {1, QColor(palette::kRubber)}}));
    painter.drawRoundedRect(QRectF(1120, 380, 160, 190), 50, 50);
    painter.setBrush(verticalGradient(
        240, 420, {{0, QColor(palette::kHousingLight)}, {1, QColor(palette::kHousingDark)}}));
    painter.drawRoundedRect(QRectF(960, 240, 480, 180), 80, 80);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(palette::kOxygen));
    painter.drawRoundedRect(QRectF(1080, 305, 240, 50), 25, 25);

    drawSmallHandset(painter, QPointF(380, 420));
    drawSmallHandset(painter, QPointF(2020, 420));

    // The case with the scrubber canister and the head on top; cylinders at its sides.
    const QRectF caseBox(620, 1000, 1160, 2450);
    const QPainterPath casePath = roundedRect(caseBox, 160);
    softShadow(painter, casePath, QPointF(0, 40), 90, withAlpha(Qt::black, 100));
    painter.setPen(outline(QColor(palette::kSteelDark), 14));
    painter.setBrush(horizontalGradient(caseBox.left(), caseBox.right(),
                                        {{0, QColor(palette::kSteelMid)},
                                         {0.4, QColor(palette::kSteelLight)},
                                         {1, QColor(palette::kSteelDark)}}));
    painter.drawPath(casePath);
    const QRectF scrubber(880, 1290, 640, 1980);
    painter.setPen(outline(QColor(palette::kHousingEdge), 14));
    painter.setBrush(horizontalGradient(scrubber.left(), scrubber.right(),
                                        {{0, QColor(palette::kHousingDark)},
                                         {0.35, QColor(palette::kHousingLight)},
                                         {1, QColor(palette::kHousingDark)}}));
    painter.drawRoundedRect(scrubber, 90, 90);
    painter.setBrush(verticalGradient(
        1060, 1300,
        {{0, QColor(palette::kHousingLight).lighter(120)}, {1, QColor(palette::kHousingDark)}}));
    painter.drawRoundedRect(QRectF(840, 1060, 720, 240), 60, 60);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(palette::kLedOn));
    painter.drawEllipse(QPointF(1460, 1180), 26, 26);
    painter.save();
    painter.translate(scrubber.center());
    painter.rotate(-90);
    drawText(painter, QRectF(-900, -200, 1800, 400), QStringLiteral("SCRUBBER"),
             artFont(140, QFont::Bold, 150), QColor(palette::kSteelMid));
    painter.restore();

    drawLungBag(painter, QRectF(260, 900, 420, 1000));
    drawLungBag(painter, QRectF(1720, 900, 420, 1000));
    drawCylinder(painter, QRectF(340, 2150, 360, 1300), QColor(palette::kOxygen),
                 QStringLiteral("O₂"));
    drawCylinder(painter, QRectF(1700, 2150, 360, 1300), QColor(palette::kDiluent),
                 QStringLiteral("DIL"));
}

}  // namespace loopsim::assets
