#include "app/window/UnitView.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPainter>
#include <QPushButton>
#include <cmath>

#include "app/BuildInfo.h"
#include "app/window/ActionCheckBox.h"
#include "app/window/ElementKinds.h"
#include "app/window/PictureFiles.h"
#include "app/window/UnitKeys.h"
#include "app/window/ValveStateBadge.h"
#include "core/Elements.h"

namespace loopsim {
namespace {

constexpr int kFrameTitleTwips = 200;
constexpr int kInnerFrameTitleTwips = 165;
constexpr int kCaptionTwips = 190;
constexpr int kHeadingTwips = 330;

const QColor kPanel(assets::kPanelBackground.red, assets::kPanelBackground.green,
                    assets::kPanelBackground.blue);
const QColor kInk(40, 52, 66);

const char* kFrameStyle =
    "QGroupBox { border: 1px solid #aab4c0; border-radius: 6px; margin-top: 0.75em; }"
    "QGroupBox::title { subcontrol-origin: margin; left: 0.8em; padding: 0 0.3em;"
    " color: #28344a; font-weight: bold; }";

}  // namespace

UnitView::UnitView(const PictureFiles& pictures, QWidget* parent)
    : QWidget(parent), pictures_(pictures) {
    setObjectName(QStringLiteral("Unit"));
    // Small enough for the main window on a 1024 by 640 screen at twice the scale.
    setMinimumSize(kUnitWidth / 40, kUnitHeight / 40);
    build();
}

void UnitView::build() {
    for (const ElementDesign& design : unitElements())
        add(design);
    for (const char* unitBadge : {elements::kOxygenValveState, elements::kDiluentValveState}) {
        auto* badge = new ValveStateBadge(unitBadge);
        const Placed& under = placed_[byName_.find(unitBadge)->second];
        place(badge, under.rect, under.rect.height / 2);
        badge->stackUnder(under.widget);
        valveBadges_.emplace(unitBadge, badge);
    }
}

void UnitView::add(const ElementDesign& design) {
    QWidget* widget = nullptr;
    int fontTwips = 0;
    switch (design.kind) {
        case ElementKind::Picture:
            widget = new PictureElement(design.name, pictures_, design.content, this);
            break;
        case ElementKind::HotArea:
            widget = new ElementWidget(design.name, this);
            break;
        case ElementKind::Display:
            widget = new DisplayElement(design.name, this);
            break;
        case ElementKind::Shape:
            widget = new ShapeElement(design.name, this);
            break;
        case ElementKind::Cover:
            widget = new CoverElement(design.name, this);
            break;
        case ElementKind::Readout:
            widget = new ReadoutElement(design.name, this);
            break;
        case ElementKind::StateLabel:
            widget = new StateLabelElement(design.name, this);
            break;
        case ElementKind::CheckBox:
            widget = new ActionCheckBox(this);
            fontTwips = kControlTwips;
            break;
        case ElementKind::Frame: {
            auto* frame = new QGroupBox(QString::fromLatin1(design.content), this);
            frame->setStyleSheet(QString::fromLatin1(kFrameStyle));
            frame->setAttribute(Qt::WA_TransparentForMouseEvents);
            widget = frame;
            // The environment's four frames sit inside its own and carry smaller titles.
            const bool inner = design.rect.height < 1500;
            fontTwips = inner ? kInnerFrameTitleTwips : kFrameTitleTwips;
            break;
        }
        case ElementKind::Button:
            widget = new QPushButton(this);
            fontTwips = kControlTwips;
            break;
    }
    widget->setObjectName(QString::fromLatin1(design.name));
    QString tip = QString::fromLatin1(design.toolTip);
    if (const QString key = keyNameFor(design.name); !key.isEmpty())
        tip += QStringLiteral(" (key %1)").arg(key);
    if (!tip.isEmpty())
        widget->setToolTip(tip);
    byName_.emplace(design.name, placed_.size());
    placed_.push_back({widget, design.rect, fontTwips});
}

QWidget* UnitView::element(std::string_view name) const {
    auto found = byName_.find(name);
    return found == byName_.end() ? nullptr : placed_[found->second].widget;
}

void UnitView::place(QWidget* widget, TwipRect rect, int fontTwips) {
    widget->setParent(this);
    placed_.push_back({widget, rect, fontTwips});
    placeOne(placed_.back());
    widget->show();
}

void UnitView::showElement(const ElementView& view) {
    auto found = byName_.find(view.name());
    if (found == byName_.end())
        return;
    Placed& placed = placed_[found->second];
    QWidget* widget = placed.widget;
    if (auto badge = valveBadges_.find(view.name()); badge != valveBadges_.end() && view.text())
        badge->second->showState(QString::fromStdString(*view.text()));

    if (view.left() || view.top() || view.width() || view.height()) {
        placed.rect = {view.left().value_or(placed.rect.left), view.top().value_or(placed.rect.top),
                       view.width().value_or(placed.rect.width),
                       view.height().value_or(placed.rect.height)};
        placeOne(placed);
    }
    if (auto* drawn = qobject_cast<ElementWidget*>(widget)) {
        drawn->showElement(view);
    } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        const QSignalBlocker quiet(box);
        if (view.text())
            box->setText(QString::fromStdString(*view.text()));
        box->setChecked(view.isChecked());
    } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
        if (view.text())
            frame->setTitle(QString::fromStdString(*view.text()));
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        if (view.text())
            button->setText(QString::fromStdString(*view.text()));
    }
    widget->setVisible(view.isVisible());
}

void UnitView::connectInput(const InputRouter& router, std::function<void(const Action&)> act) {
    for (const auto& [name, handlers] : router.elements()) {
        QWidget* widget = element(name);
        if (!widget)
            continue;
        const std::string elementName = name;
        if (auto* drawn = qobject_cast<ElementWidget*>(widget)) {
            const bool anyPointer = handlers.press || handlers.release || handlers.click ||
                                    handlers.dblclick || handlers.move;
            if (!anyPointer)
                continue;
            drawn->setPointerHandler(
                [act, elementName](Verb verb) {
                    act(Action{verb, elementName, {}});
                },
                static_cast<bool>(handlers.move));
        } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
            connect(box, &QCheckBox::clicked, this, [act, elementName](bool ticked) {
                act(Action{ticked ? Verb::Uncheck : Verb::Check, elementName, {}});
            });
        }
    }
}

QRect UnitView::toPixels(TwipRect rect) const {
    const auto x = [this](int twips) { return std::lround(origin_.x() + twips * scale_); };
    const auto y = [this](int twips) { return std::lround(origin_.y() + twips * scale_); };
    const long left = x(rect.left);
    const long top = y(rect.top);
    return QRect(static_cast<int>(left), static_cast<int>(top),
                 static_cast<int>(std::max(1L, x(rect.left + rect.width) - left)),
                 static_cast<int>(std::max(1L, y(rect.top + rect.height) - top)));
}

void UnitView::placeOne(const Placed& placed) {
    placed.widget->setGeometry(toPixels(placed.rect));
    if (auto* drawn = qobject_cast<ElementWidget*>(placed.widget)) {
        drawn->setScale(scale_);
    } else if (placed.fontTwips > 0) {
        const int pixels = std::max(1, static_cast<int>(std::lround(placed.fontTwips * scale_)));
        QFont font = placed.widget->font();
        font.setPixelSize(pixels);
        placed.widget->setFont(font);
        // A box's tick mark grows with its caption.
        if (qobject_cast<QCheckBox*>(placed.widget))
            placed.widget->setStyleSheet(
                QStringLiteral("QCheckBox::indicator { width: %1px; height: %1px; }")
                    .arg(std::max(10, pixels * 4 / 5)));
    }
}

void UnitView::relayout() {
    scale_ = std::min(width() / double(kUnitWidth), height() / double(kUnitHeight));
    origin_ = QPointF((width() - kUnitWidth * scale_) / 2, (height() - kUnitHeight * scale_) / 2);
    for (const Placed& placed : placed_)
        placeOne(placed);
    update();
}

void UnitView::resizeEvent(QResizeEvent*) {
    relayout();
}

void UnitView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.fillRect(rect(), kPanel);

    const auto fontOf = [this](int twips, bool bold) {
        QFont font = displayFace();
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(twips * scale_))));
        font.setBold(bold);
        return font;
    };

    painter.drawPixmap(toPixels(kHeadingLogo), pictures_.pixmap("LogoSimulator.jpg"));
    painter.setPen(kInk);
    painter.setFont(fontOf(kHeadingTwips, true));
    painter.drawText(toPixels(kHeadingTitle), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromLatin1(build::kProductName));

    painter.setFont(fontOf(kCaptionTwips, false));
    for (const PanelCaption& caption : panelCaptions()) {
        const int alignment =
            (caption.centred ? Qt::AlignHCenter : (Qt::AlignRight | Qt::AlignVCenter)) |
            Qt::AlignVCenter;
        QRect box = toPixels(caption.rect);
        if (!caption.centred)
            box.adjust(0, 0, -static_cast<int>(120 * scale_), 0);
        painter.drawText(box, alignment, QString::fromLatin1(caption.text));
    }

    // The counterlung gauge's scale: a tick and a percentage every quarter.
    const QRect scaleBox = toPixels(kGaugeScale);
    painter.setFont(fontOf(150, false));
    painter.setPen(QPen(QColor(110, 120, 132), 1));
    for (int percent = 0; percent <= 100; percent += 25) {
        const int y = scaleBox.bottom() - (scaleBox.height() - 1) * percent / 100;
        painter.drawLine(scaleBox.left(), y, scaleBox.left() + scaleBox.width() / 3, y);
        painter.drawText(
            QRect(scaleBox.left() + scaleBox.width() / 3, y - 200, 400, 400).adjusted(2, 0, 0, 0),
            Qt::AlignLeft | Qt::AlignVCenter, QString::number(percent));
    }
}

}  // namespace loopsim
