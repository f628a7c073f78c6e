#include "app/window/ValveStateBadge.h"

#include <QPainter>

#include "core/DeviceStates.h"

namespace loopsim {

ValveStateBadge::ValveStateBadge(const char* unitBadge) {
    setObjectName(QString::fromLatin1(unitBadge) + QStringLiteral("State"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ValveStateBadge::showState(const QString& unitBadgeText) {
    const bool open = unitBadgeText.toStdString() == loopsim::text(ValveState::Open);
    if (open == open_)
        return;
    open_ = open;
    update();
}

QString ValveStateBadge::text() const {
    const std::string_view shown = loopsim::text(open_ ? ValveState::Open : ValveState::Off);
    return QString::fromLatin1(shown.data(), static_cast<qsizetype>(shown.size()));
}

void ValveStateBadge::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colour = open_ ? QColor(34, 150, 84) : QColor(196, 56, 56);
    const double radius = height() / 2.0;
    painter.setPen(QPen(colour, std::max(1.0, height() / 12.0)));
    painter.setBrush(QColor(250, 250, 250));
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), radius, radius);
    painter.setPen(colour);
    painter.drawText(rect(), Qt::AlignCenter, text());
}

}  // namespace loopsim
