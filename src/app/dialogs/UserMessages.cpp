#include "app/dialogs/UserMessages.h"

#include <QMessageBox>

#include "app/BuildInfo.h"

namespace loopsim {
namespace {

// A message over a window carries its title; one shown before any window, the product's.
QString titleFor(const QWidget* parent) {
    return parent ? parent->windowTitle() : QString::fromLatin1(build::kProductName);
}

}  // namespace

void MessageBoxMessages::showMessage(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, titleFor(parent), text);
}

bool MessageBoxMessages::askYesNo(QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, titleFor(parent), text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

}  // namespace loopsim
