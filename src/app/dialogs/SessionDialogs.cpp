#include "app/dialogs/SessionDialogs.h"

#include <QPushButton>
#include <utility>

#include "app/dialogs/BailoutWindow.h"
#include "app/dialogs/OptionsWindow.h"
#include "instructor/OptionsDialog.h"
#include "simulation/Simulation.h"

namespace loopsim {
namespace {

constexpr const char* kBugReportDialog = "BugReport";
constexpr const char* kBailoutDialog = "Bailout";

}  // namespace

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
    options_->sync(simulation.view(), dialogs.isOpen(kOptionsDialog));
    bailout_->sync(simulation.view(), dialogs.isOpen(kBailoutDialog));
    updateBugReport(dialogs.isOpen(kBugReportDialog));
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
    auto closedBy = std::make_shared<std::string>("BugReport.Close");
    for (const char* name : {"Command1", "Command2"}) {
        if (auto* button = form->findChild<QPushButton*>(QString::fromLatin1(name)))
            QObject::connect(button, &QPushButton::pressed, form, [closedBy, name] {
                *closedBy = std::string(kBugReportDialog) + "." + name;
            });
    }
    QObject::connect(form, &QDialog::finished, form, [this, form, closedBy](int result) {
        if (form != bugReport_)
            return;
        bugReport_ = nullptr;
        form->deleteLater();
        act_(Action{Verb::Click, result == QDialog::Accepted ? *closedBy : "BugReport.Close", {}});
    });
    form->show();
}

}  // namespace loopsim
