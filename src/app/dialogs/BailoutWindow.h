// The small window the diver's bail-out opens. It does not block the main window (the
// simulation runs on behind it), keeps itself in front of the program's windows, and can
// only be left by its two buttons: every other way of closing it is refused. Return to Loop
// is the default button, so Enter never ends the session, and the window opens where it
// hides neither handset.
#pragma once

#include <QDialog>
#include <functional>

#include "core/Action.h"

class QLabel;
class QPushButton;

namespace loopsim {

class ViewModel;

inline constexpr const char* kBailoutWindowTitle = "Bailed Out";

class BailoutWindow : public QDialog {
    Q_OBJECT

  public:
    explicit BailoutWindow(std::function<void(const Action&)> act, QWidget* parent = nullptr);

    // Shows the label and button texts of the view model, shows or hides the window as the
    // simulation has it open, and brings it to the front while it is open.
    void sync(const ViewModel& view, bool open);

    QPushButton* returnButton() const { return return_; }
    QPushButton* exitButton() const { return exit_; }

  public slots:
    // Esc does nothing here.
    void reject() override {}

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // Below the handsets, or wherever else on the screen leaves them in view.
    void placeClearOfHandsets();
    // A button that sends the click of its element.
    QPushButton* sendingButton(const char* element);

    std::function<void(const Action&)> act_;
    QLabel* label_;
    QPushButton* return_;
    QPushButton* exit_;
};

}  // namespace loopsim
