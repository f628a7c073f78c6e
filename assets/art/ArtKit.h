// Drawing helpers shared by the pictures. Every picture is painted in its own layout units
// (twips, origin at its top-left), so positions can be read straight off the window's layout
// tables; paintPicture scales them to pixels. Sizes below (pens, blur, text) are in twips too.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRadialGradient>
#include <QString>
#include <functional>
#include <initializer_list>
#include <utility>

namespace loopsim::assets {

// An opaque image of the picture's pixel size on the panel colour, painted by `draw` in twips.
QImage paintPicture(int widthTwips, int heightTwips, const std::function<void(QPainter&)>& draw);

using ColourStops = std::initializer_list<std::pair<qreal, QColor>>;

QLinearGradient verticalGradient(qreal top, qreal bottom, ColourStops stops);
QLinearGradient horizontalGradient(qreal left, qreal right, ColourStops stops);
QRadialGradient domeGradient(QPointF centre, qreal radius, QColor light, QColor dark);

QPen outline(QColor colour, qreal width);
QPen dashedOutline(QColor colour, qreal width, qreal dash, qreal gap);

QColor withAlpha(QColor colour, int alpha);

// A blurred copy of `path` under whatever is drawn next: drop shadows and glows.
void softShadow(QPainter& painter, const QPainterPath& path, QPointF offset, qreal blur,
                QColor colour);

QPainterPath roundedRect(const QRectF& rect, qreal radius);
QPainterPath circle(QPointF centre, qreal radius);

QFont artFont(qreal heightTwips, int weight, qreal letterSpacingPercent = 100);
void drawText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
              QColor colour, Qt::Alignment alignment = Qt::AlignCenter);

// A flat cross-head screw, as on a sealed housing.
void drawScrew(QPainter& painter, QPointF centre, qreal radius);

// A round warning badge with an exclamation mark.
void drawFaultBadge(QPainter& painter, QPointF centre, qreal radius);

// Hose seen from the side: a thick rubber stroke with ribs across it.
void drawHose(QPainter& painter, const QPainterPath& centreLine, qreal width, qreal ribSpacing);

}  // namespace loopsim::assets
