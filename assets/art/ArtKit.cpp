#include "ArtKit.h"

#include <QPainterPathStroker>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "Palette.h"
#include "PictureLayout.h"

namespace loopsim::assets {
namespace {

constexpr qreal kPixelsPerTwip = static_cast<qreal>(kPixelsPerScale) / kTwipsPerScale;

// Three box passes approximate a Gaussian; run on every premultiplied channel.
void boxBlur(QImage& image, int radius) {
    if (radius < 1) {
        return;
    }
    const int w = image.width();
    const int h = image.height();
    std::vector<int> line;
    const auto blurLine = [&](auto pixelAt, int length) {
        line.assign(static_cast<std::size_t>(length) * 4, 0);
        for (int i = 0; i < length; ++i) {
            const QRgb px = *pixelAt(i);
            line[i * 4 + 0] = qAlpha(px);
            line[i * 4 + 1] = qRed(px);
            line[i * 4 + 2] = qGreen(px);
            line[i * 4 + 3] = qBlue(px);
        }
        const int window = 2 * radius + 1;
        for (int c = 0; c < 4; ++c) {
            int sum = 0;
            for (int i = -radius; i <= radius; ++i) {
                sum += line[std::clamp(i, 0, length - 1) * 4 + c];
            }
            for (int i = 0; i < length; ++i) {
                const int value = sum / window;
                QRgb* px = pixelAt(i);
                const int a = c == 0 ? value : qAlpha(*px);
                const int r = c == 1 ? value : qRed(*px);
                const int g = c == 2 ? value : qGreen(*px);
                const int b = c == 3 ? value : qBlue(*px);
                *px = qRgba(r, g, b, a);
                sum += line[std::clamp(i + radius + 1, 0, length - 1) * 4 + c] -
                       line[std::clamp(i - radius, 0, length - 1) * 4 + c];
            }
        }
    };
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            blurLine([row](int i) { return row + i; }, w);
        }
        for (int x = 0; x < w; ++x) {
            blurLine([&image, x](int i) { return reinterpret_cast<QRgb*>(image.scanLine(i)) + x; },
                     h);
        }
    }
}

}  // namespace

QImage paintPicture(int widthTwips, int heightTwips, const std::function<void(QPainter&)>& draw) {
    QImage image(twipsToPixels(widthTwips), twipsToPixels(heightTwips), QImage::Format_RGB32);
    image.fill(palette::panel());
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    painter.scale(kPixelsPerTwip, kPixelsPerTwip);
    draw(painter);
    painter.end();
    return image;
}

QLinearGradient verticalGradient(qreal top, qreal bottom, ColourStops stops) {
    QLinearGradient gradient(0, top, 0, bottom);
    for (const auto& [at, colour] : stops) {
        gradient.setColorAt(at, colour);
    }
    return gradient;
}

QLinearGradient horizontalGradient(qreal left, qreal right, ColourStops stops) {
    QLinearGradient gradient(left, 0, right, 0);
    for (const auto& [at, colour] : stops) {
        gradient.setColorAt(at, colour);
    }
    return gradient;
}

QRadialGradient domeGradient(QPointF centre, qreal radius, QColor light, QColor dark) {
    // Lit from the upper left, as every picture of the set.
    QRadialGradient gradient(centre, radius, centre + QPointF(-radius * 0.35, -radius * 0.45));
    gradient.setColorAt(0, light);
    gradient.setColorAt(1, dark);
    return gradient;
}

QPen outline(QColor colour, qreal width) {
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QPen dashedOutline(QColor colour, qreal width, qreal dash, qreal gap) {
    QPen pen = outline(colour, width);
    pen.setCapStyle(Qt::FlatCap);
    pen.setDashPattern({dash / width, gap / width});
    return pen;
}

QColor withAlpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

void softShadow(QPainter& painter, const QPainterPath& path, QPointF offset, qreal blur,
                QColor colour) {
    const QTransform toDevice = painter.transform();
    const int margin = static_cast<int>(std::ceil(blur * 2 * toDevice.m11())) + 2;
    const QRect area = toDevice.map(path.translated(offset))
                           .boundingRect()
                           .toAlignedRect()
                           .adjusted(-margin, -margin, margin, margin);
    QImage layer(area.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter layerPainter(&layer);
        layerPainter.setRenderHint(QPainter::Antialiasing);
        layerPainter.translate(-area.topLeft());
        layerPainter.setTransform(toDevice, true);
        layerPainter.fillPath(path.translated(offset), colour);
    }
    boxBlur(layer, static_cast<int>(std::lround(blur * toDevice.m11() / 2)));
    painter.save();
    painter.resetTransform();
    painter.drawImage(area.topLeft(), layer);
    painter.restore();
}

QPainterPath roundedRect(const QRectF& rect, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QPainterPath circle(QPointF centre, qreal radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QFont artFont(qreal heightTwips, int weight, qreal letterSpacingPercent) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(heightTwips))));
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setLetterSpacing(QFont::PercentageSpacing, letterSpacingPercent);
    return font;
}

void drawText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
              QColor colour, Qt::Alignment alignment) {
    painter.save();
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(box, static_cast<int>(alignment), text);
    painter.restore();
}

void drawScrew(QPainter& painter, QPointF centre, qreal radius) {
    painter.save();
    painter.setPen(outline(QColor(palette::kHousingEdge), radius * 0.12));
    painter.setBrush(domeGradient(centre, radius, QColor(palette::kSteelMid),
                                  QColor(palette::kSteelDark).darker(130)));
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(outline(withAlpha(QColor(palette::kHousingEdge), 200), radius * 0.22));
    const qreal arm = radius * 0.55;
    painter.drawLine(centre + QPointF(-arm, -arm * 0.3), centre + QPointF(arm, arm * 0.3));
    painter.drawLine(centre + QPointF(-arm * 0.3, arm), centre + QPointF(arm * 0.3, -arm));
    painter.restore();
}

void drawFaultBadge(QPainter& painter, QPointF centre, qreal radius) {
    softShadow(painter, circle(centre, radius), QPointF(0, radius * 0.15), radius * 0.4,
               withAlpha(Qt::black, 90));
    painter.save();
    painter.setPen(outline(Qt::white, radius * 0.14));
    painter.setBrush(domeGradient(centre, radius * 1.2, QColor(palette::kAlert).lighter(115),
                                  QColor(palette::kAlertDeep)));
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(
        QRectF(centre.x() - radius * 0.13, centre.y() - radius * 0.6, radius * 0.26, radius * 0.78),
        radius * 0.1, radius * 0.1);
    painter.drawEllipse(centre + QPointF(0, radius * 0.45), radius * 0.14, radius * 0.14);
    painter.restore();
}

void drawHose(QPainter& painter, const QPainterPath& centreLine, qreal width, qreal ribSpacing) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::FlatCap);
    const QPainterPath body = stroker.createStroke(centreLine);
    painter.save();
    painter.setPen(outline(QColor(palette::kHousingEdge), width * 0.06));
    painter.setBrush(QColor(palette::kRubber));
    painter.drawPath(body);
    // Ribs: short strokes across the hose at even steps along its length.
    painter.setPen(outline(QColor(palette::kRubberLight), width * 0.12));
    const qreal length = centreLine.length();
    for (qreal at = ribSpacing / 2; at < length; at += ribSpacing) {
        const qreal percent = centreLine.percentAtLength(at);
        const QPointF p = centreLine.pointAtPercent(percent);
        const qreal angle = centreLine.angleAtPercent(percent) * std::numbers::pi / 180.0;
        const QPointF across(std::sin(angle) * width * 0.36, std::cos(angle) * width * 0.36);
        painter.drawLine(p - across, p + across);
    }
    painter.restore();
}

}  // namespace loopsim::assets
