#include "app/dialogs/DialogPresenter.h"

#include <QInputDialog>

#include "app/dialogs/NumberPrompt.h"
#include "simulation/Simulation.h"

namespace loopsim {

QString widgetNameOf(std::string_view element) {
    const std::string_view part = element.substr(element.find('.') + 1);
    return QString::fromLatin1(part.data(), static_cast<qsizetype>(part.size()));
}

PromptPresenter::PromptPresenter(QWidget* parent, std::function<void(const Action&)> act)
    : parent_(parent), act_(std::move(act)) {}

PromptPresenter::~PromptPresenter() {
    delete dialog_;
}

void PromptPresenter::update(const Simulation& simulation) {
    const auto& prompt = simulation.dialogs().prompt();
    if (!prompt) {
        if (dialog_)
            dialog_->deleteLater();
        dialog_ = nullptr;
        return;
    }
    if (dialog_)
        return;
    dialog_ = new NumberPrompt(parent_, *prompt);
    dialog_->setWindowModality(Qt::WindowModal);
    QInputDialog* dialog = dialog_;
    QObject::connect(dialog, &QDialog::finished, dialog, [this, dialog](int result) {
        if (dialog != dialog_)
            return;
        dialog_ = nullptr;
        dialog->deleteLater();
        if (result == QDialog::Accepted)
            act_(Action{Verb::Answer, {}, dialog->textValue().toStdString()});
        else
            act_(Action{Verb::Cancel, {}, {}});
    });
    dialog_->open();
}

}  // namespace loopsim
