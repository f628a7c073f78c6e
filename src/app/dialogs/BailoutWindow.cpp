#include "app/dialogs/BailoutWindow.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "app/dialogs/DialogPlacement.h"
#include "app/dialogs/DialogPresenter.h"
#include "app/window/UnitView.h"
#include "core/Elements.h"
#include "core/ViewModel.h"

namespace loopsim {
namespace {

QString textOf(const ViewModel& view, const char* element) {
    const ElementView* found = view.find(element);
    return found ? QString::fromStdString(found->textOrEmpty()) : QString();
}

}  // namespace

BailoutWindow::BailoutWindow(std::function<void(const Action&)> act, QWidget* parent)
    : QDialog(parent), act_(std::move(act)) {
    setObjectName(QString::fromLatin1(elements::kBailoutDialog));
    setWindowTitle(QString::fromLatin1(kBailoutWindowTitle));
    // No close box, and above the program's other windows.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowStaysOnTopHint);
    setWindowModality(Qt::NonModal);

    label_ = new QLabel;
    label_->setObjectName(widgetNameOf(elements::kBailedMessage));
    label_->setAlignment(Qt::AlignCenter);
    QFont font = label_->font();
    font.setPointSizeF(font.pointSizeF() * 1.6);
    font.setBold(true);
    label_->setFont(font);

    return_ = sendingButton(elements::kReturnToLoopButton);
    exit_ = sendingButton(elements::kBailoutExitButton);
    return_->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(return_);
    buttons->addWidget(exit_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addLayout(buttons);
}

QPushButton* BailoutWindow::sendingButton(const char* element) {
    auto* button = new QPushButton;
    button->setObjectName(widgetNameOf(element));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, element] {
        if (act_)
            act_(Action{Verb::Click, element, {}});
    });
    return button;
}

void BailoutWindow::sync(const ViewModel& view, bool open) {
    label_->setText(textOf(view, elements::kBailedMessage));
    return_->setText(textOf(view, elements::kReturnToLoopButton));
    exit_->setText(textOf(view, elements::kBailoutExitButton));
    if (!open) {
        if (isVisible())
            hide();
        return;
    }
    if (!isVisible()) {
        placeClearOfHandsets();
        show();
    }
    raise();
}

void BailoutWindow::placeClearOfHandsets() {
    const UnitView* unit = parentWidget() ? parentWidget()->findChild<UnitView*>() : nullptr;
    if (!unit || !unit->isVisible())
        return;
    const TwipRect left = assets::kLeftHandsetPicture;
    const TwipRect both{left.left, left.top, left.width + assets::kHandsetSpacing, left.height};
    const QRect handsets = unit->toPixels(both).translated(unit->mapToGlobal(QPoint(0, 0)));
    adjustSize();
    const QSize frame = frameGeometry().size().expandedTo(size());
    const QScreen* screen = unit->screen();
    move(placeClearOf(frame, handsets, screen ? screen->availableGeometry() : QRect()));
}

void BailoutWindow::closeEvent(QCloseEvent* event) {
    // Only the two buttons leave this window.
    event->ignore();
}

}  // namespace loopsim
