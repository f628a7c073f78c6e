#include "HandsetArt.h"

#include "ArtKit.h"
#include "Palette.h"
#include "PictureLayout.h"

namespace loopsim::assets {
namespace {

constexpr qreal kCapRadius = 170;
constexpr qreal kCollar = 28;
constexpr QRectF kHousing(120, 120, 4440, 3480);
constexpr QRectF kFace(150, 150, 4380, 3420);

// A hot area of the left handset's layout table, moved into the picture's own twips.
QRectF inPicture(const TwipRect& area) {
    return QRectF(area.left - kLeftHandsetPicture.left, area.top - kLeftHandsetPicture.top,
                  area.width, area.height);
}

QRectF displayWindow() {
    return QRectF(kHandsetDisplay.left, kHandsetDisplay.top, kHandsetDisplay.width,
                  kHandsetDisplay.height);
}

void drawBody(QPainter& painter) {
    const QPainterPath housing = roundedRect(kHousing, 300);
    softShadow(painter, housing, QPointF(0, 40), 110, withAlpha(Qt::black, 110));
    painter.setPen(outline(QColor(palette::kHousingEdge), 16));
    painter.setBrush(verticalGradient(kHousing.top(), kHousing.bottom(),
                                      {{0, QColor(palette::kHousingLight)},
                                       {0.55, QColor(palette::kHousingDark).lighter(118)},
                                       {1, QColor(palette::kHousingDark)}}));
    painter.drawPath(housing);
    painter.setPen(outline(withAlpha(Qt::white, 34), 14));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(roundedRect(kHousing.adjusted(22, 22, -22, -22), 280));
    painter.setPen(outline(withAlpha(Qt::black, 90), 12));
    painter.setBrush(
        verticalGradient(kFace.top(), kFace.bottom(),
                         {{0, QColor(palette::kFaceLight)}, {1, QColor(palette::kFaceDark)}}));
    painter.drawPath(roundedRect(kFace, 250));
    for (const QPointF& at :
         {QPointF(330, 330), QPointF(4350, 330), QPointF(330, 3390), QPointF(4350, 3390)}) {
        drawScrew(painter, at, 52);
    }
}

void drawTitleAndLamp(QPainter& painter, bool switchedOn) {
    const QRectF window = displayWindow();
    drawText(painter, QRectF(window.left(), 300, 2400, 200), QStringLiteral("LOOP CONTROLLER"),
             artFont(118, QFont::DemiBold, 118), QColor(palette::kEngrave),
             Qt::AlignLeft | Qt::AlignVCenter);
    const QPointF lamp(window.right() - 60, 400);
    drawText(painter, QRectF(lamp.x() - 560, 300, 440, 200), QStringLiteral("PWR"),
             artFont(104, QFont::DemiBold, 115), QColor(palette::kEngrave),
             Qt::AlignRight | Qt::AlignVCenter);
    if (switchedOn) {
        softShadow(painter, circle(lamp, 60), QPointF(), 90,
                   withAlpha(QColor(palette::kLedOn), 200));
    }
    painter.setPen(outline(QColor(palette::kBezel), 14));
    painter.setBrush(domeGradient(
        lamp, 60,
        switchedOn ? QColor(palette::kLedOn).lighter(150) : QColor(palette::kLedOff).lighter(140),
        switchedOn ? QColor(palette::kLedOn).darker(130) : QColor(palette::kLedOff)));
    painter.drawEllipse(lamp, 48, 48);
}

void drawDisplay(QPainter& painter, bool switchedOn) {
    const QRectF window = displayWindow();
    const QRectF bezel = window.adjusted(-80, -80, 80, 80);
    painter.setPen(outline(withAlpha(Qt::white, 40), 12));
    painter.setBrush(QColor(palette::kBezel));
    painter.drawPath(roundedRect(bezel, 110));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(switchedOn ? palette::kGlass : palette::kGlassOff));
    painter.drawRect(window);
    // A faint diagonal reflection across the upper part of the glass.
    QPainterPath sheen;
    sheen.moveTo(window.topLeft());
    sheen.lineTo(window.left() + window.width() * 0.55, window.top());
    sheen.lineTo(window.left() + window.width() * 0.40, window.bottom());
    sheen.lineTo(window.left(), window.bottom());
    sheen.closeSubpath();
    painter.setBrush(withAlpha(Qt::white, 10));
    painter.drawPath(sheen);
}

// The battery compartment's cover, set into the face below the right-hand buttons.
void drawBatteryCover(QPainter& painter) {
    const QRectF cover(2720, 2930, 1480, 430);
    painter.setPen(outline(withAlpha(Qt::black, 150), 14));
    painter.setBrush(withAlpha(Qt::black, 30));
    painter.drawPath(roundedRect(cover, 90));
    painter.setPen(outline(withAlpha(Qt::white, 28), 10));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(roundedRect(cover.adjusted(14, 14, -14, -14), 78));
    drawText(painter, cover, QStringLiteral("BATTERY"), artFont(96, QFont::DemiBold, 125),
             QColor(palette::kEngrave));
    drawScrew(painter, QPointF(cover.left() + 110, cover.center().y()), 40);
    drawScrew(painter, QPointF(cover.right() - 110, cover.center().y()), 40);
}

enum class Glyph { Down, Confirm, Up };

void drawGlyph(QPainter& painter, QPointF centre, Glyph glyph, QColor colour) {
    painter.setPen(outline(colour, 22));
    painter.setBrush(colour);
    const qreal s = 56;
    QPolygonF triangle;
    switch (glyph) {
        case Glyph::Down:
            triangle << centre + QPointF(-s, -s * 0.55) << centre + QPointF(s, -s * 0.55)
                     << centre + QPointF(0, s * 0.75);
            painter.drawPolygon(triangle);
            break;
        case Glyph::Up:
            triangle << centre + QPointF(-s, s * 0.55) << centre + QPointF(s, s * 0.55)
                     << centre + QPointF(0, -s * 0.75);
            painter.drawPolygon(triangle);
            break;
        case Glyph::Confirm:
            painter.setBrush(Qt::NoBrush);
            painter.setPen(outline(colour, 26));
            painter.drawEllipse(centre, s * 0.8, s * 0.8);
            break;
    }
}

void drawButton(QPainter& painter, QPointF centre, Glyph glyph, bool held) {
    const qreal collar = kCapRadius + kCollar;
    if (held) {
        softShadow(painter, circle(centre, collar + 30), QPointF(), 120,
                   withAlpha(QColor(palette::kAccent), 235));
    }
    painter.setPen(outline(withAlpha(Qt::white, 45), 12));
    painter.setBrush(QColor(palette::kBezel));
    painter.drawEllipse(centre, collar, collar);
    const QPointF cap = centre + QPointF(0, held ? 14 : -6);
    if (!held) {
        softShadow(painter, circle(cap, kCapRadius), QPointF(0, 22), 40, withAlpha(Qt::black, 160));
    }
    painter.setPen(outline(QColor(palette::kSteelDark).darker(held ? 140 : 115), 14));
    painter.setBrush(held ? domeGradient(cap, kCapRadius * 1.3, QColor(palette::kCapDark),
                                         QColor(palette::kCapPressed))
                          : domeGradient(cap, kCapRadius * 1.3, QColor(palette::kCapLight),
                                         QColor(palette::kCapDark)));
    painter.drawEllipse(cap, kCapRadius, kCapRadius);
    drawGlyph(painter, cap, glyph, QColor(palette::kInk));
    if (held) {
        painter.setPen(outline(QColor(palette::kAccent), 26));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(centre, collar + 6, collar + 6);
    }
}

void drawButtonLabel(QPainter& painter, QPointF centre, const QString& text) {
    drawText(painter, QRectF(centre.x() - 300, centre.y() + 240, 600, 150), text,
             artFont(100, QFont::DemiBold, 115), QColor(palette::kLabelOnDark));
}

void drawSwitch(QPainter& painter, bool switchedOn) {
    const QRectF slot = handsetParts().switchSlot;
    const QFont font = artFont(96, QFont::Bold, 112);
    const QRectF above(slot.left(), slot.top() - 170, slot.width(), 150);
    drawText(painter, above, QStringLiteral("OFF"), font,
             switchedOn ? QColor(palette::kEngrave) : QColor(palette::kLabelOnDark),
             Qt::AlignLeft | Qt::AlignVCenter);
    drawText(painter, above, QStringLiteral("ON"), font,
             switchedOn ? QColor(palette::kLedOn) : QColor(palette::kEngrave),
             Qt::AlignRight | Qt::AlignVCenter);

    const qreal radius = slot.height() / 2;
    painter.setPen(outline(withAlpha(Qt::white, 40), 12));
    painter.setBrush(QColor(palette::kBezel));
    painter.drawPath(roundedRect(slot, radius));
    // The uncovered half of the track shows the state: green when on.
    const QRectF track = slot.adjusted(40, 40, -40, -40);
    const QRectF uncovered =
        switchedOn ? QRectF(track.topLeft(), QSizeF(track.width() / 2, track.height()))
                   : QRectF(track.center().x(), track.top(), track.width() / 2, track.height());
    painter.setPen(Qt::NoPen);
    painter.setBrush(switchedOn ? QColor(palette::kOxygen) : QColor(palette::kHousingLight));
    painter.drawPath(roundedRect(uncovered, track.height() / 2));

    const qreal knobWidth = slot.width() / 2 + 20;
    const QRectF knob(switchedOn ? slot.right() - knobWidth - 10 : slot.left() + 10,
                      slot.top() + 10, knobWidth, slot.height() - 20);
    const QPainterPath knobPath = roundedRect(knob, knob.height() / 2);
    softShadow(painter, knobPath, QPointF(0, 18), 36, withAlpha(Qt::black, 170));
    painter.setPen(outline(QColor(palette::kSteelDark).darker(130), 12));
    painter.setBrush(
        verticalGradient(knob.top(), knob.bottom(),
                         {{0, QColor(palette::kSteelLight)}, {1, QColor(palette::kSteelDark)}}));
    painter.drawPath(knobPath);
    painter.setPen(outline(withAlpha(QColor(palette::kInk), 120), 14));
    for (int i = -2; i <= 2; ++i) {
        const qreal x = knob.center().x() + i * 60;
        painter.drawLine(QPointF(x, knob.top() + 55), QPointF(x, knob.bottom() - 55));
    }
}

void drawHintMark(QPainter& painter, const QRectF& mark) {
    const QPainterPath area = roundedRect(mark, 110);
    painter.setPen(Qt::NoPen);
    painter.setBrush(withAlpha(QColor(palette::kAccent), 60));
    painter.drawPath(area);
    painter.setPen(dashedOutline(QColor(palette::kAccent), 22, 70, 45));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(area);
    // Two finger pads: this spot stands for both buttons at once.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(palette::kAccent));
    const QPointF c = mark.center();
    const qreal r = std::min(mark.width(), mark.height()) * 0.11;
    painter.drawEllipse(c + QPointF(-r * 1.3, 0), r, r);
    painter.drawEllipse(c + QPointF(r * 1.3, 0), r, r);
}

void drawHintRing(QPainter& painter, QPointF centre) {
    painter.setPen(outline(QColor(palette::kAccent), 24));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, kCapRadius + kCollar + 40, kCapRadius + kCollar + 40);
}

void drawHint(QPainter& painter, GestureHint hint) {
    const HandsetParts parts = handsetParts();
    const qreal ring = kCapRadius + kCollar + 40;
    QPainterPath link;
    if (hint == GestureHint::BothOuter) {
        const QRectF mark = parts.bothOuterMark;
        link.moveTo(parts.leftButton + QPointF(ring, 0));
        link.lineTo(mark.left(), parts.leftButton.y());
        link.moveTo(mark.right(), mark.center().y());
        link.cubicTo(QPointF(mark.right() + 500, mark.bottom() + 80),
                     QPointF(parts.rightButton.x() - 700, mark.bottom() + 80),
                     parts.rightButton + QPointF(-ring * 0.8, ring * 0.6));
        drawHintMark(painter, mark);
        drawHintRing(painter, parts.leftButton);
        drawHintRing(painter, parts.rightButton);
    } else {
        const QRectF mark = parts.bothRightMark;
        link.moveTo(parts.middleButton + QPointF(ring, 0));
        link.lineTo(mark.left(), parts.middleButton.y());
        link.moveTo(mark.right(), parts.rightButton.y());
        link.lineTo(parts.rightButton - QPointF(ring, 0));
        drawHintMark(painter, mark);
        drawHintRing(painter, parts.middleButton);
        drawHintRing(painter, parts.rightButton);
    }
    painter.setPen(dashedOutline(QColor(palette::kAccent), 22, 70, 45));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(link);
}

}  // namespace

HandsetParts handsetParts() {
    const QRectF switchArea = inPicture(kLeftHandsetAreas.hardwareSwitch);
    return HandsetParts{
        QPointF(415, 2200),
        QPointF(2408, 2200),
        QPointF(4010, 2200),
        kCapRadius + kCollar,
        QRectF(switchArea.left() + 90, switchArea.top() + 250, switchArea.width() - 180, 250),
        inPicture(kLeftHandsetAreas.bothOuterButtons).adjusted(40, 40, -40, -40),
        inPicture(kLeftHandsetAreas.bothRightButtons).adjusted(30, 40, -30, -40),
    };
}

void drawHandset(QPainter& painter, const HandsetLook& look) {
    const HandsetParts parts = handsetParts();
    drawBody(painter);
    drawTitleAndLamp(painter, look.switchedOn);
    drawDisplay(painter, look.switchedOn);
    drawButton(painter, parts.leftButton, Glyph::Down, look.leftHeld);
    drawButton(painter, parts.middleButton, Glyph::Confirm, look.middleHeld);
    drawButton(painter, parts.rightButton, Glyph::Up, look.rightHeld);
    drawButtonLabel(painter, parts.leftButton, QStringLiteral("YES"));
    drawButtonLabel(painter, parts.middleButton, QStringLiteral("OK"));
    drawButtonLabel(painter, parts.rightButton, QStringLiteral("NO"));
    drawSwitch(painter, look.switchedOn);
    drawBatteryCover(painter);
    if (look.hint != GestureHint::None) {
        drawHint(painter, look.hint);
    }
}

}  // namespace loopsim::assets
