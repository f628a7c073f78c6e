#include "app/dialogs/FileChooser.h"

#include <QDir>
#include <QFileDialog>
#include <QRegularExpression>

namespace loopsim {

std::optional<QString> DialogFileChooser::chooseFile(QWidget* parent, const FileRequest& request) {
    QFileDialog dialog(parent, QString(), QDir::currentPath(), request.filter);
    const bool saving = request.kind == FileDialogKind::Save;
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    // Of several file types, the one chosen gives a typed name without a suffix its own.
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
            static const QRegularExpression kSuffix(QStringLiteral(R"(\*\.(\w+))"));
            if (const QRegularExpressionMatch match = kSuffix.match(filter); match.hasMatch())
                dialog.setDefaultSuffix(match.captured(1));
        });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

}  // namespace loopsim
