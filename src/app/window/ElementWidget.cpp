#include "app/window/ElementWidget.h"

#include <QMouseEvent>
#include <cmath>

namespace loopsim {

QFont displayFace() {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                      QStringLiteral("Arial"), QStringLiteral("Helvetica"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    return font;
}

ElementWidget::ElementWidget(const char* name, QWidget* parent) : QWidget(parent) {
    setObjectName(QString::fromLatin1(name));
}

void ElementWidget::setPointerHandler(PointerHandler handler, bool wantsMoves) {
    handler_ = std::move(handler);
    setMouseTracking(wantsMoves);
    setCursor(handler_ ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void ElementWidget::setScale(double pixelsPerTwip) {
    if (scale_ != pixelsPerTwip) {
        scale_ = pixelsPerTwip;
        update();
    }
}

void ElementWidget::showElement(const ElementView&) {}

QFont ElementWidget::unitFont(int sizeTwips, bool bold) const {
    QFont font = displayFace();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(sizeTwips * scale_))));
    font.setBold(bold);
    return font;
}

void ElementWidget::send(Verb verb) {
    if (handler_)
        handler_(verb);
}

void ElementWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    pressed_ = true;
    send(Verb::Press);
}

void ElementWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed_)
        return;
    pressed_ = false;
    send(Verb::Release);
    const bool endsDoubleClick = std::exchange(releaseEndsDoubleClick_, false);
    if (!endsDoubleClick && rect().contains(event->position().toPoint()))
        send(Verb::Click);
}

void ElementWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    pressed_ = true;
    releaseEndsDoubleClick_ = true;
    send(Verb::DblClick);
}

void ElementWidget::mouseMoveEvent(QMouseEvent* event) {
    if (hasMouseTracking() && rect().contains(event->position().toPoint()))
        send(Verb::Move);
}

}  // namespace loopsim
