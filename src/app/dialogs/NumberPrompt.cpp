#include "app/dialogs/NumberPrompt.h"

#include <QFontMetrics>
#include <QLineEdit>

#include "core/Format.h"

namespace loopsim {
namespace {
// Room in a title bar beside the title: the window's icon and its buttons.
constexpr int kTitleBarRoom = 160;
}  // namespace

NumberPrompt::NumberPrompt(QWidget* parent, const TextPrompt& prompt) : QInputDialog(parent) {
    setObjectName(QStringLiteral("Prompt"));
    setWindowTitle(QString::fromStdString(prompt.title));
    question_ = QString::fromStdString(prompt.prompt);
    if (!prompt.range.empty())
        question_ += QStringLiteral("\n") + QString::fromStdString(prompt.range);
    setLabelText(question_);
    setTextValue(QString::fromStdString(prompt.defaultText));
    // The dialog's layout sets its size from its parts: the entry field holds the width.
    if (auto* edit = findChild<QLineEdit*>())
        edit->setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + kTitleBarRoom);
}

void NumberPrompt::done(int result) {
    if (result == QDialog::Accepted && !parseNumber(textValue().toStdString())) {
        setLabelText(question_ +
                     QStringLiteral("\n\n\"%1\" is not a number: type a number.").arg(textValue()));
        return;
    }
    QInputDialog::done(result);
}

}  // namespace loopsim
