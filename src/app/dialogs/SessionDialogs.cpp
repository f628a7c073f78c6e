#include "app/dialogs/SessionDialogs.h"

#include <QPushButton>
#include <utility>

#include "app/dialogs/BailoutWindow.h"
#include "app/dialogs/OptionsWindow.h"
#include "core/Elements.h"
#include "instructor/OptionsStatus.h"
#include "simulation/Simulation.h"

namespace loopsim {

SessionDialogs::SessionDialogs(QWidget* parent, std::function<void(const Action&)> act,
                               BugReportFactory makeBugReport)
    : parent_(parent),
      act_(std::move(act)),
      makeBugReport_(std::move(makeBugReport)),
      prompts_(parent, act_),
      options_(std::make_unique<OptionsWindow>(act_, parent)),
      bailout_(std::make_unique<BailoutWindow>(act_, parent)) {}

SessionDialogs::~SessionDialogs() {
    delete bugReport_;
}

void SessionDialogs::update(const Simulation& simulation) {
    const Dialogs& dialogs = simulation.dialogs();
    options_->sync(simulation.view(), dialogs.isOpen(elements::kOptionsDialog));
    options_->showStatus(
        QString::fromStdString(inForceText(simulation.optionsDialog())),
        QString::fromStdString(pendingText(simulation.optionsDialog(), simulation.now())));
    bailout_->sync(simulation.view(), dialogs.isOpen(elements::kBailoutDialog));
    updateBugReport(dialogs.isOpen(elements::kBugReportDialog));
    prompts_.update(simulation);
}

void SessionDialogs::hideAll() {
    options_->hide();
    bailout_->hide();
    closeBugReport();
    if (QInputDialog* prompt = prompts_.openPrompt())
        prompt->hide();
}

void SessionDialogs::closeBugReport() {
    if (!bugReport_)
        return;
    QDialog* form = std::exchange(bugReport_, nullptr);
    form->disconnect();
    form->hide();
    form->deleteLater();
}

void SessionDialogs::updateBugReport(bool open) {
    if (!open) {
        closeBugReport();
        return;
    }
    if (bugReport_ || !makeBugReport_)
        return;
    QDialog* form = makeBugReport_(parent_);
    if (!form)
        return;
    bugReport_ = form;
    form->setWindowModality(Qt::ApplicationModal);
    // The simulation hears which send button closed the form, or the close box. The form
    // accepts only from a send button's click, which comes after that button's press.
    auto closedBy = std::make_shared<std::string>(elements::kBugReportClose);
    for (const char* element : {elements::kMailSendButton, elements::kManualSendButton}) {
        if (auto* button = form->findChild<QPushButton*>(widgetNameOf(element)))
            QObject::connect(button, &QPushButton::pressed, form,
                             [closedBy, element] { *closedBy = element; });
    }
    QObject::connect(form, &QDialog::finished, form, [this, form, closedBy](int result) {
        if (form != bugReport_)
            return;
        bugReport_ = nullptr;
        form->deleteLater();
        act_(Action{
            Verb::Click, result == QDialog::Accepted ? *closedBy : elements::kBugReportClose, {}});
    });
    form->show();
}

}  // namespace loopsim
