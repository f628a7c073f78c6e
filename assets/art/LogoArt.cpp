#include "LogoArt.h"

#include "ArtKit.h"
#include "Palette.h"

namespace loopsim::assets {
namespace {

constexpr QPointF kCentre(900, 900);

QPainterPath wave(qreal y, qreal amplitude, qreal left, qreal right) {
    QPainterPath path;
    path.moveTo(left, y);
    const qreal step = (right - left) / 4;
    for (int i = 0; i < 4; ++i) {
        const qreal x = left + i * step;
        path.cubicTo(x + step * 0.35, y - amplitude, x + step * 0.65, y - amplitude, x + step, y);
        amplitude = -amplitude;
    }
    return path;
}

}  // namespace

void drawOrganisationLogo(QPainter& painter) {
    // A ring holding a rising sun over three swells: surface, depth, training.
    const QColor deep(0xFF16325C);
    const QColor sea(0xFF1F7A8C);
    const QPainterPath disc = circle(kCentre, 720);
    softShadow(painter, disc, QPointF(0, 40), 100, withAlpha(Qt::black, 100));
    painter.setPen(Qt::NoPen);
    painter.setBrush(verticalGradient(180, 1620, {{0, deep.lighter(130)}, {1, deep}}));
    painter.drawPath(disc);
    painter.setPen(outline(Qt::white, 40));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(kCentre, 640, 640);

    painter.save();
    painter.setClipPath(circle(kCentre, 600));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(palette::kAccent));
    painter.drawEllipse(QPointF(900, 820), 230, 230);
    painter.setBrush(sea);
    painter.drawRect(QRectF(200, 900, 1400, 800));
    for (int i = 0; i < 3; ++i) {
        painter.setPen(outline(Qt::white, 60 - i * 12));
        painter.drawPath(wave(930 + i * 190, 70 - i * 12, 260, 1540));
    }
    painter.restore();
}

void drawSimulatorLogo(QPainter& painter) {
    const QRectF tile(150, 150, 1500, 1500);
    const QPainterPath tilePath = roundedRect(tile, 320);
    softShadow(painter, tilePath, QPointF(0, 40), 100, withAlpha(Qt::black, 110));
    painter.setPen(Qt::NoPen);
    QLinearGradient gradient(tile.topLeft(), tile.bottomRight());
    gradient.setColorAt(0, QColor(0xFF2BB3A3));
    gradient.setColorAt(1, QColor(palette::kControlDeep));
    painter.setBrush(gradient);
    painter.drawPath(tilePath);

    // A loop with an arrowhead: gas going round the breathing loop.
    const QPointF centre(900, 780);
    const qreal radius = 370;
    const QRectF ring(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    painter.setPen(outline(Qt::white, 110));
    painter.setBrush(Qt::NoBrush);
    QPainterPath arc;
    arc.arcMoveTo(ring, 110);
    arc.arcTo(ring, 110, 300);
    painter.drawPath(arc);
    const QPointF tip = arc.pointAtPercent(1);
    const QLineF along = QLineF(arc.pointAtPercent(0.97), tip);
    const QLineF unit = along.unitVector();
    const QPointF forward(unit.dx(), unit.dy());
    const QPointF side(-forward.y(), forward.x());
    QPolygonF head;
    head << tip + forward * 150 << tip + side * 150 << tip - side * 150;
    painter.setPen(outline(Qt::white, 30));
    painter.setBrush(Qt::white);
    painter.drawPolygon(head);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(palette::kAccent));
    painter.drawEllipse(centre, 120, 120);
    drawText(painter, QRectF(tile.left(), 1260, tile.width(), 280), QStringLiteral("LOOPSIM"),
             artFont(230, QFont::Black, 112), Qt::white);
}

}  // namespace loopsim::assets
