#include "app/UserMessages.h"

#include <QMessageBox>

namespace loopsim {

void MessageBoxMessages::showMessage(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, parent ? parent->windowTitle() : QString(), text);
}

}  // namespace loopsim
