// The instructor's "Simulator Options" window: the failure boxes in their frames, the delay
// slider and the three buttons. It holds no state of its own; it shows the options as the
// simulation keeps them and turns every change the user makes into an action, so the
// change is applied and logged in the one place all input goes through. The window is made
// once and only ever hidden; its close box hides it and applies nothing.
#pragma once

#include <QDialog>
#include <functional>
#include <map>

#include "core/Action.h"
#include "core/Elements.h"

class QCheckBox;
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

    QCheckBox* box(int number) const;
    QSlider* slider() const { return slider_; }
    QPushButton* button(int number) const;

  public slots:
    // Esc: the same as the close box.
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void send(Verb verb, const std::string& element, std::string value = {});

    // Apply, Refill Scrubber, Change Batteries: the window's buttons in their order.
    static constexpr const char* kButtons[3] = {elements::kApplyOptionsButton,
                                                elements::kRefillScrubberButton,
                                                elements::kChangeBatteriesButton};

    std::function<void(const Action&)> act_;
    std::map<int, QCheckBox*> boxes_;
    QSlider* slider_;
    QPushButton* buttons_[3];
    bool syncing_ = false;
};

}  // namespace loopsim
