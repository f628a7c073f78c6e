// The instructor's "Simulator Options" window: the failure boxes in their frames, the delay
// slider and the three buttons. It holds no state of its own; it shows the options as the
// simulation keeps them and turns every change the user makes into an action, so the
// change is applied and logged in the one place all input goes through. The window is made
// once and only ever hidden.
//
// Cancel, Esc and the close box put the boxes and the slider back to what they were when
// the window opened (the failures in force and pending), then close it and apply nothing;
// "Clear all" unticks every box, sets no delay and applies at once. Both do it with the
// same check, uncheck, set and click actions a user makes, so the session log replays them.
// Under the boxes the window says which failures are in force and which are pending, with
// their countdown. The trainee mode box is the window's own: no action, nothing logged.
#pragma once

#include <QDialog>
#include <functional>
#include <map>

#include "core/Action.h"
#include "core/Elements.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;

namespace loopsim {

class ViewModel;

inline constexpr const char* kOptionsWindowTitle = "Simulator Options";

class OptionsWindow : public QDialog {
    Q_OBJECT

  public:
    explicit OptionsWindow(std::function<void(const Action&)> act, QWidget* parent = nullptr);

    // Redraws the boxes, the slider and the captions from the view model, and shows or
    // hides the window as the simulation has it open or not.
    void sync(const ViewModel& view, bool open);
    // The failures in force and pending, as the lines under the boxes say them.
    void showStatus(const QString& inForce, const QString& pending);

    // Restores the boxes and the slider as they were at opening, then closes.
    void cancel();
    // Unticks every box, sets no delay and applies.
    void clearAll();

    QCheckBox* box(int number) const;
    QSlider* slider() const { return slider_; }
    QPushButton* button(int number) const;
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* clearAllButton() const { return clearAll_; }
    QLabel* delayLabel() const { return delayLabel_; }
    QLabel* inForceLabel() const { return inForce_; }
    QLabel* pendingLabel() const { return pending_; }
    QCheckBox* traineeModeBox() const { return traineeMode_; }

  signals:
    // The instructor switched trainee mode on or off.
    void traineeModeToggled(bool on);

  public slots:
    // Esc: the same as Cancel.
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void send(Verb verb, const std::string& element, std::string value = {});
    void noteOpening(const ViewModel& view);
    void showDelay(int minutes);

    // Apply, Refill Scrubber, Change Batteries: the window's buttons in their order.
    static constexpr const char* kButtons[3] = {elements::kApplyOptionsButton,
                                                elements::kRefillScrubberButton,
                                                elements::kChangeBatteriesButton};

    std::function<void(const Action&)> act_;
    std::map<int, QCheckBox*> boxes_;
    QSlider* slider_;
    QPushButton* buttons_[3];
    QPushButton* cancel_;
    QPushButton* clearAll_;
    QLabel* delayLabel_;
    QLabel* inForce_;
    QLabel* pending_;
    QCheckBox* traineeMode_;
    bool syncing_ = false;
    // The boxes ticked and the delay when the window last opened: what Cancel restores.
    std::map<int, bool> openedBoxes_;
    int openedDelay_ = 0;
};

}  // namespace loopsim
