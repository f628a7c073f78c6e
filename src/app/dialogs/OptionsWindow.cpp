#include "app/dialogs/OptionsWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>
#include <vector>

#include "app/dialogs/DialogPresenter.h"
#include "app/window/ActionCheckBox.h"
#include "core/ViewModel.h"
#include "instructor/OptionsDialog.h"

namespace loopsim {
namespace {

constexpr int kFrameColumns = 3;

QLabel* namedLabel(const QString& name) {
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

}  // namespace

OptionsWindow::OptionsWindow(std::function<void(const Action&)> act, QWidget* parent)
    : QDialog(parent), act_(std::move(act)) {
    setObjectName(QString::fromLatin1(elements::kOptionsDialog));
    setWindowTitle(QString::fromLatin1(kOptionsWindowTitle));
    setWindowModality(Qt::ApplicationModal);

    // The frames in the order their first box appears in the table.
    std::vector<std::pair<QString, QVBoxLayout*>> frames;
    auto frameLayout = [&](const QString& title) {
        for (auto& [name, layout] : frames)
            if (name == title)
                return layout;
        auto* frame = new QGroupBox(title);
        frame->setObjectName(QStringLiteral("Frame%1").arg(frames.size() + 1));
        auto* layout = new QVBoxLayout(frame);
        frames.emplace_back(title, layout);
        return layout;
    };
    for (const OptionBox& option : optionBoxes()) {
        auto* box = new ActionCheckBox(QString::fromUtf8(option.caption));
        box->setObjectName(widgetNameOf(elements::optionBox(option.number)));
        box->setToolTip(QString::fromUtf8(option.tooltip));
        const int number = option.number;
        connect(box, &QCheckBox::clicked, this, [this, number](bool ticked) {
            send(ticked ? Verb::Uncheck : Verb::Check, elements::optionBox(number));
        });
        frameLayout(QString::fromUtf8(option.frame))->addWidget(box);
        boxes_[number] = box;
    }

    auto* grid = new QGridLayout;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        frames[i].second->addStretch();
        grid->addWidget(frames[i].second->parentWidget(), static_cast<int>(i) / kFrameColumns,
                        static_cast<int>(i) % kFrameColumns);
    }

    slider_ = new QSlider(Qt::Horizontal);
    slider_->setObjectName(widgetNameOf(elements::kFailureDelaySlider));
    slider_->setRange(0, OptionsDialog::kLongestDelay);
    slider_->setPageStep(1);
    slider_->setTickPosition(QSlider::TicksBelow);
    slider_->setTickInterval(1);
    slider_->setToolTip(QStringLiteral("Minutes before the chosen failures strike"));
    delayLabel_ = namedLabel(QStringLiteral("DelayLabel"));
    delayLabel_->setBuddy(slider_);
    showDelay(0);
    connect(slider_, &QSlider::valueChanged, this, [this](int minutes) {
        showDelay(minutes);
        if (!syncing_)
            send(Verb::Set, elements::kFailureDelaySlider, std::to_string(minutes));
    });

    auto* buttonRow = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        const char* element = kButtons[i];
        auto* button = new QPushButton;
        button->setObjectName(widgetNameOf(element));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this,
                [this, element] { send(Verb::Click, element); });
        buttonRow->addWidget(button);
        buttons_[i] = button;
    }
    clearAll_ = new QPushButton(QStringLiteral("Clear all"));
    clearAll_->setObjectName(QStringLiteral("ClearAllButton"));
    clearAll_->setAutoDefault(false);
    clearAll_->setToolTip(QStringLiteral("Untick every failure and apply at once, with no delay"));
    connect(clearAll_, &QPushButton::clicked, this, &OptionsWindow::clearAll);
    cancel_ = new QPushButton(QStringLiteral("Cancel"));
    cancel_->setObjectName(QStringLiteral("CancelButton"));
    cancel_->setAutoDefault(false);
    cancel_->setToolTip(
        QStringLiteral("Put the boxes back as they were when the window opened and close it"));
    connect(cancel_, &QPushButton::clicked, this, &OptionsWindow::cancel);
    buttonRow->addWidget(clearAll_);
    buttonRow->addWidget(cancel_);

    inForce_ = namedLabel(QStringLiteral("InForceLabel"));
    pending_ = namedLabel(QStringLiteral("PendingLabel"));
    traineeMode_ = new QCheckBox(
        QStringLiteral("Trainee mode: hide the true loop PO2 and the cell millivolts"));
    traineeMode_->setObjectName(QStringLiteral("TraineeModeBox"));
    traineeMode_->setToolTip(
        QStringLiteral("Readings the handsets do not give a diver, which would give a drill away"));
    connect(traineeMode_, &QCheckBox::toggled, this, &OptionsWindow::traineeModeToggled);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(inForce_);
    layout->addWidget(pending_);
    layout->addWidget(delayLabel_);
    layout->addWidget(slider_);
    layout->addLayout(buttonRow);
    layout->addWidget(traineeMode_);
}

QCheckBox* OptionsWindow::box(int number) const {
    const auto found = boxes_.find(number);
    return found == boxes_.end() ? nullptr : found->second;
}

QPushButton* OptionsWindow::button(int number) const {
    return number >= 1 && number <= 3 ? buttons_[number - 1] : nullptr;
}

void OptionsWindow::sync(const ViewModel& view, bool open) {
    syncing_ = true;
    for (auto& [number, box] : boxes_) {
        const ElementView* element = view.find(elements::optionBox(number));
        const QSignalBlocker blocker(box);
        box->setChecked(element && element->isChecked());
    }
    if (const ElementView* element = view.find(elements::kFailureDelaySlider)) {
        // Left alone while the user holds the handle: the value it reports is the one set.
        if (!slider_->isSliderDown())
            slider_->setValue(element->value().value_or(0));
    }
    for (int i = 0; i < 3; ++i) {
        if (const ElementView* element = view.find(kButtons[i]))
            buttons_[i]->setText(QString::fromStdString(element->textOrEmpty()));
    }
    syncing_ = false;

    if (open && !isVisible()) {
        noteOpening(view);
        show();
    } else if (!open && isVisible())
        hide();
}

void OptionsWindow::showStatus(const QString& inForce, const QString& pending) {
    inForce_->setText(inForce);
    pending_->setText(pending);
}

void OptionsWindow::showDelay(int minutes) {
    delayLabel_->setText(
        QStringLiteral("Delay before the failures strike: %1 minute%2 (0 to %3 minutes, one "
                       "step a minute)")
            .arg(minutes)
            .arg(minutes == 1 ? QString() : QStringLiteral("s"))
            .arg(OptionsDialog::kLongestDelay));
}

void OptionsWindow::noteOpening(const ViewModel& view) {
    openedBoxes_.clear();
    for (const auto& [number, box] : boxes_) {
        const ElementView* element = view.find(elements::optionBox(number));
        openedBoxes_[number] = element && element->isChecked();
    }
    const ElementView* slider = view.find(elements::kFailureDelaySlider);
    openedDelay_ = slider ? slider->value().value_or(0) : 0;
}

void OptionsWindow::cancel() {
    // Unticks first: ticking one box of a pair unticks its partner, which may be restored.
    for (const bool ticking : {false, true}) {
        for (const auto& [number, ticked] : openedBoxes_) {
            if (ticked == ticking && box(number)->isChecked() != ticked)
                send(ticked ? Verb::Check : Verb::Uncheck, elements::optionBox(number));
        }
    }
    if (slider_->value() != openedDelay_)
        send(Verb::Set, elements::kFailureDelaySlider, std::to_string(openedDelay_));
    send(Verb::Click, elements::kOptionsClose);
}

void OptionsWindow::clearAll() {
    for (const auto& [number, box] : boxes_) {
        if (box->isChecked())
            send(Verb::Uncheck, elements::optionBox(number));
    }
    if (slider_->value() != 0)
        send(Verb::Set, elements::kFailureDelaySlider, "0");
    send(Verb::Click, elements::kApplyOptionsButton);
}

void OptionsWindow::reject() {
    cancel();
}

void OptionsWindow::closeEvent(QCloseEvent* event) {
    // The simulation closes the dialog; the next redraw hides the window.
    event->ignore();
    cancel();
}

void OptionsWindow::send(Verb verb, const std::string& element, std::string value) {
    if (act_)
        act_(Action{verb, element, std::move(value)});
}

}  // namespace loopsim
