// The window side of the simulation's dialogs. After every step the main window hands the
// simulation to its presenter, which shows whatever dialog the simulation has open and
// sends the user's answer back as an action through the given function.
#pragma once

#include <QInputDialog>
#include <QPointer>
#include <functional>
#include <string_view>

#include "core/Action.h"

class QWidget;

namespace loopsim {

class Simulation;

// The name a dialog's widget carries: its element's name after the dialog's own
// ("Bailout.Return" is the bail-out window's "Return").
QString widgetNameOf(std::string_view element);

class DialogPresenter {
  public:
    virtual ~DialogPresenter() = default;
    virtual void update(const Simulation& simulation) = 0;
};

// Shows the simulation's typed-value prompt with the toolkit's input dialog, window-modal
// so the simulation keeps running behind it; OK answers, Cancel or closing cancels.
class PromptPresenter : public DialogPresenter {
  public:
    PromptPresenter(QWidget* parent, std::function<void(const Action&)> act);
    ~PromptPresenter() override;
    void update(const Simulation& simulation) override;
    QInputDialog* openPrompt() const { return dialog_; }

  private:
    QWidget* parent_;
    std::function<void(const Action&)> act_;
    QPointer<QInputDialog> dialog_;
};

}  // namespace loopsim
