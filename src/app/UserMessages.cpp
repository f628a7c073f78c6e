#include "app/UserMessages.h"

#include <QMessageBox>

namespace loopsim {

void MessageBoxMessages::showMessage(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, parent ? parent->windowTitle() : QString(), text);
}

bool MessageBoxMessages::askYesNo(QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, parent ? parent->windowTitle() : QString(), text,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

}  // namespace loopsim
