#include "app/window/ElementKinds.h"

#include <QPainter>
#include <algorithm>

#include "PictureLayout.h"
#include "app/window/PictureFiles.h"
#include "core/DeviceStates.h"
#include "core/Elements.h"
#include "handset/PromptLine.h"

namespace loopsim {
namespace {

QColor colourOf(const Rgb& rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// The regulator's pictures; the large one is used at any size wider than the parked one.
std::string regulatorPictureFor(int widthTwips) {
    return widthTwips > assets::kRegulatorSmallPlace.width ? "RegulatorLarge.jpg"
                                                           : "RegulatorSmall.jpg";
}

}  // namespace

PictureElement::PictureElement(const char* name, const PictureFiles& pictures,
                               std::string designPicture, QWidget* parent)
    : ElementWidget(name, parent), pictures_(pictures) {
    showPicture(designPicture);
}

void PictureElement::showElement(const ElementView& view) {
    if (view.picture())
        showPicture(*view.picture());
    else if (objectName() == QLatin1String(elements::kRegulator) && view.width())
        showPicture(regulatorPictureFor(*view.width()));
}

void PictureElement::showPicture(const std::string& name) {
    if (name == pictureName_)
        return;
    pictureName_ = name;
    pixmap_ = pictures_.pixmap(name);
    update();
}

void PictureElement::paintEvent(QPaintEvent*) {
    if (pixmap_.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), pixmap_);
}

DisplayElement::DisplayElement(const char* name, QWidget* parent) : ElementWidget(name, parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void DisplayElement::showElement(const ElementView& view) {
    TwoLines lines = wrapOnTwoLines(view.textOrEmpty());
    if (lines != lines_) {
        lines_ = std::move(lines);
        update();
    }
}

void DisplayElement::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font = unitFont(kFontTwips, false);
    const QString first = QString::fromStdString(lines_.first);
    const QString second = QString::fromStdString(lines_.second);
    const int margin = static_cast<int>(60 * scale());
    const int room = width() - 2 * margin;
    // A face wider than the display's own would run off the glass: narrow it to fit.
    const int widest = std::max(QFontMetrics(font).horizontalAdvance(first),
                                QFontMetrics(font).horizontalAdvance(second));
    if (widest > room && room > 0)
        font.setStretch(std::max(50, 100 * room / widest));
    painter.setFont(font);
    painter.setPen(QColor(8, 16, 8));
    const QFontMetrics metrics(font);
    const int lineHeight = metrics.lineSpacing();
    const int top = (height() - 2 * lineHeight) / 2;
    painter.drawText(QRect(margin, top, room, lineHeight), Qt::AlignLeft | Qt::AlignVCenter, first);
    const QRect below(margin, top + lineHeight, room, lineHeight);
    if (const auto words = promptWords(lines_.second)) {
        // Each answer over its button: the outer ones at the edges, the middle one centred.
        painter.drawText(below, Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromStdString(words->left));
        painter.drawText(below, Qt::AlignHCenter | Qt::AlignVCenter,
                         QString::fromStdString(words->middle));
        painter.drawText(below, Qt::AlignRight | Qt::AlignVCenter,
                         QString::fromStdString(words->right));
    } else {
        painter.drawText(below, Qt::AlignLeft | Qt::AlignVCenter, second);
    }
}

ShapeElement::ShapeElement(const char* name, QWidget* parent) : ElementWidget(name, parent) {}

void ShapeElement::showElement(const ElementView& view) {
    if (view.fill())
        fill_ = colourOf(*view.fill());
    if (view.border())
        border_ = colourOf(*view.border());
    if (view.borderWidth())
        borderWidth_ = *view.borderWidth();
    update();
}

void ShapeElement::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const double pixelsPer96DpiPixel = scale() * 15;
    const int penWidth =
        border_
            ? std::max(
                  1, static_cast<int>(std::lround(std::max(borderWidth_, 1) * pixelsPer96DpiPixel)))
            : 0;
    painter.fillRect(rect(), fill_);
    if (penWidth > 0) {
        const QRectF inner = QRectF(rect()).adjusted(penWidth / 2.0, penWidth / 2.0,
                                                     -penWidth / 2.0, -penWidth / 2.0);
        painter.setPen(QPen(*border_, penWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(inner);
    }
}

CoverElement::CoverElement(const char* name, QWidget* parent) : ShapeElement(name, parent) {
    fill_ = QColor(58, 66, 76);
}

ReadoutElement::ReadoutElement(const char* name, QWidget* parent) : ElementWidget(name, parent) {}

void ReadoutElement::showElement(const ElementView& view) {
    if (view.text()) {
        text_ = QString::fromStdString(*view.text());
        update();
    }
}

void ReadoutElement::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double radius = 70 * scale();
    painter.setPen(QPen(QColor(150, 160, 172), 1));
    painter.setBrush(QColor(252, 253, 254));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    painter.setPen(QColor(24, 32, 44));
    painter.setFont(unitFont(height() / scale() * 0.5, true));
    painter.drawText(rect(), Qt::AlignCenter, text_);
}

void StateLabelElement::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool open = text_.toStdString() == loopsim::text(ValveState::Open);
    const double radius = height() / 2.0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(open ? QColor(34, 150, 84) : QColor(196, 56, 56));
    painter.drawRoundedRect(QRectF(rect()), radius, radius);
    painter.setPen(Qt::white);
    painter.setFont(unitFont(height() / scale() * 0.6, true));
    painter.drawText(rect(), Qt::AlignCenter, text_);
}

}  // namespace loopsim
