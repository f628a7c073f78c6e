#include "DiverArt.h"

#include "ArtKit.h"
#include "Palette.h"

namespace loopsim::assets {
namespace {

// The second stage seen from the side, centred on its body, in its own units; both regulator
// pictures draw it, at different scales.
void drawRegulatorBody(QPainter& painter) {
    const QRectF mouthpiece(-480, -85, 240, 170);
    painter.setPen(outline(QColor(palette::kHousingEdge), 14));
    painter.setBrush(
        verticalGradient(mouthpiece.top(), mouthpiece.bottom(),
                         {{0, QColor(palette::kRubberLight)}, {1, QColor(palette::kRubber)}}));
    painter.drawRoundedRect(mouthpiece, 70, 70);
    painter.drawRoundedRect(QRectF(-300, -150, 90, 300), 30, 30);

    const QRectF exhaust(-250, 220, 500, 160);
    painter.setBrush(verticalGradient(
        exhaust.top(), exhaust.bottom(),
        {{0, QColor(palette::kHousingLight)}, {1, QColor(palette::kHousingDark)}}));
    painter.drawRoundedRect(exhaust, 80, 80);

    const QPainterPath body = circle(QPointF(), 300);
    softShadow(painter, body, QPointF(0, 30), 70, withAlpha(Qt::black, 110));
    painter.setBrush(domeGradient(QPointF(), 420, QColor(palette::kHousingLight),
                                  QColor(palette::kHousingDark)));
    painter.drawPath(body);

    painter.setPen(outline(QColor(palette::kSteelDark).darker(130), 12));
    painter.setBrush(
        domeGradient(QPointF(), 280, QColor(palette::kSteelLight), QColor(palette::kSteelDark)));
    painter.drawEllipse(QPointF(), 205, 205);
    painter.setPen(outline(withAlpha(QColor(palette::kInk), 110), 16));
    for (qreal y = -120; y <= 120; y += 60) {
        const qreal half = std::sqrt(205.0 * 205.0 - y * y) - 45;
        painter.drawLine(QPointF(-half, y), QPointF(half, y));
    }
    painter.setPen(outline(QColor(palette::kControlDeep), 12));
    painter.setBrush(QColor(palette::kControl));
    painter.drawEllipse(QPointF(), 48, 48);

    painter.setPen(outline(QColor(palette::kSteelDark).darker(140), 12));
    painter.setBrush(horizontalGradient(170, 330,
                                        {{0, QColor(palette::kSteelDark)},
                                         {0.4, QColor(palette::kSteelLight)},
                                         {1, QColor(palette::kSteelDark)}}));
    painter.save();
    painter.rotate(40);
    painter.drawRoundedRect(QRectF(-80, -390, 160, 130), 20, 20);
    painter.restore();
}

}  // namespace

void drawMouthpiece(QPainter& painter, bool open) {
    QPainterPath left;
    left.moveTo(0, 405);
    left.lineTo(190, 405);
    drawHose(painter, left, 240, 60);
    QPainterPath right;
    right.moveTo(1010, 405);
    right.lineTo(1200, 405);
    drawHose(painter, right, 240, 60);

    QPainterPath bite;
    bite.moveTo(460, 520);
    bite.lineTo(740, 520);
    bite.lineTo(700, 740);
    bite.quadTo(600, 790, 500, 740);
    bite.closeSubpath();
    painter.setPen(outline(QColor(palette::kHousingEdge), 14));
    painter.setBrush(verticalGradient(
        520, 780, {{0, QColor(palette::kRubberLight)}, {1, QColor(palette::kRubber)}}));
    painter.drawPath(bite);

    const QRectF barrel(160, 255, 880, 300);
    const QPainterPath barrelPath = roundedRect(barrel, 110);
    softShadow(painter, barrelPath, QPointF(0, 26), 60, withAlpha(Qt::black, 110));
    painter.setBrush(verticalGradient(barrel.top(), barrel.bottom(),
                                      {{0, QColor(palette::kHousingLight).lighter(120)},
                                       {0.5, QColor(palette::kHousingLight)},
                                       {1, QColor(palette::kHousingDark)}}));
    painter.drawPath(barrelPath);
    painter.setPen(outline(QColor(palette::kSteelDark).darker(140), 10));
    painter.setBrush(
        verticalGradient(barrel.top(), barrel.bottom(),
                         {{0, QColor(palette::kSteelLight)}, {1, QColor(palette::kSteelDark)}}));
    painter.drawRect(QRectF(barrel.left() + 40, barrel.top(), 60, barrel.height()));
    painter.drawRect(QRectF(barrel.right() - 100, barrel.top(), 60, barrel.height()));

    // The lever lies along the barrel when open and across it when closed.
    const QPointF hub = barrel.center();
    const QColor leverColour(open ? palette::kOxygen : palette::kAlert);
    const QColor leverDeep(open ? palette::kOxygenDeep : palette::kAlertDeep);
    const QRectF lever = open ? QRectF(hub.x() - 250, hub.y() - 48, 500, 96)
                              : QRectF(hub.x() - 48, hub.y() - 210, 96, 420);
    const QPainterPath leverPath = roundedRect(lever, 48);
    softShadow(painter, leverPath, QPointF(0, 20), 40, withAlpha(Qt::black, 140));
    painter.setPen(outline(leverDeep.darker(120), 12));
    painter.setBrush(domeGradient(hub, 320, leverColour.lighter(130), leverDeep));
    painter.drawPath(leverPath);
    painter.setPen(outline(QColor(palette::kSteelDark).darker(140), 10));
    painter.setBrush(
        domeGradient(hub, 100, QColor(palette::kSteelLight), QColor(palette::kSteelDark)));
    painter.drawEllipse(hub, 70, 70);

    drawText(painter, QRectF(40, 10, 1100, 150),
             open ? QStringLiteral("OPEN") : QStringLiteral("CLOSED"),
             artFont(125, QFont::Bold, 110), leverDeep, Qt::AlignLeft | Qt::AlignVCenter);
}

void drawRegulatorLarge(QPainter& painter) {
    QPainterPath hose;
    hose.moveTo(820, 960);
    hose.cubicTo(1000, 760, 940, 400, 760, 0);
    drawHose(painter, hose, 190, 55);
    painter.save();
    painter.translate(590, 1250);
    drawRegulatorBody(painter);
    painter.restore();
}

void drawRegulatorSmall(QPainter& painter) {
    QPainterPath hose;
    hose.moveTo(420, 110);
    hose.lineTo(480, 0);
    drawHose(painter, hose, 110, 38);
    painter.save();
    painter.translate(310, 250);
    painter.scale(0.55, 0.55);
    drawRegulatorBody(painter);
    painter.restore();
}

void drawBailOutButton(QPainter& painter) {
    const QRectF face(60, 60, 1080, 440);
    const QPainterPath facePath = roundedRect(face, 130);
    softShadow(painter, facePath, QPointF(0, 30), 70, withAlpha(Qt::black, 110));
    painter.setPen(outline(QColor(palette::kBailoutDeep).darker(130), 14));
    painter.setBrush(verticalGradient(
        face.top(), face.bottom(),
        {{0, QColor(palette::kBailout).lighter(125)}, {1, QColor(palette::kBailoutDeep)}}));
    painter.drawPath(facePath);
    painter.setPen(outline(withAlpha(Qt::white, 90), 10));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(roundedRect(face.adjusted(24, 24, -24, -24), 110));

    // A small regulator mark beside the words.
    const QPointF mark(250, 280);
    painter.setPen(outline(QColor(palette::kInk), 30));
    painter.drawEllipse(mark, 85, 85);
    painter.drawLine(mark + QPointF(-85, 0), mark + QPointF(-130, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(palette::kInk));
    painter.drawEllipse(mark, 32, 32);
    drawText(painter, QRectF(370, 60, 730, 440), QStringLiteral("BAIL OUT"),
             artFont(128, QFont::Black, 104), QColor(palette::kInk));
}

}  // namespace loopsim::assets
