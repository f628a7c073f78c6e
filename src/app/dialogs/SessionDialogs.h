// Every dialog of the simulator window, shown as the simulation has them open: the typed-
// value prompt, the options window, the bail-out window and the bug report form. Whatever
// the user does in them goes back as an action through the one function the session gives,
// which applies and logs it.
#pragma once

#include <QDialog>
#include <QPointer>
#include <functional>
#include <memory>

#include "app/dialogs/DialogPresenter.h"

namespace loopsim {

class BailoutWindow;
class OptionsWindow;

class SessionDialogs : public DialogPresenter {
  public:
    // Makes the bug report form over the given window (modal, not yet shown).
    using BugReportFactory = std::function<QDialog*(QWidget*)>;

    SessionDialogs(QWidget* parent, std::function<void(const Action&)> act,
                   BugReportFactory makeBugReport);
    ~SessionDialogs() override;

    void update(const Simulation& simulation) override;
    // The session is over: every dialog goes away without sending anything.
    void hideAll();

    OptionsWindow& options() const { return *options_; }
    BailoutWindow& bailout() const { return *bailout_; }
    QInputDialog* openPrompt() const { return prompts_.openPrompt(); }
    QDialog* bugReport() const { return bugReport_; }

  private:
    void updateBugReport(bool open);
    void closeBugReport();

    QWidget* parent_;
    std::function<void(const Action&)> act_;
    BugReportFactory makeBugReport_;
    PromptPresenter prompts_;
    std::unique_ptr<OptionsWindow> options_;
    std::unique_ptr<BailoutWindow> bailout_;
    QPointer<QDialog> bugReport_;
};

}  // namespace loopsim
