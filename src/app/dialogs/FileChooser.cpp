#include "app/dialogs/FileChooser.h"

#include <QDir>
#include <QFileDialog>

namespace loopsim {

std::optional<QString> DialogFileChooser::chooseFile(QWidget* parent, const FileRequest& request) {
    QFileDialog dialog(parent, QString(), QDir::currentPath(), request.filter);
    const bool saving = request.kind == FileDialogKind::Save;
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

}  // namespace loopsim
