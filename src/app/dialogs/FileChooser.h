// How the windows ask the user for a file. The windows talk to this interface, so tests
// answer the dialogs themselves and no real dialog ever waits for a click.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace loopsim {

enum class FileDialogKind { Open, Save };

struct FileRequest {
    FileDialogKind kind = FileDialogKind::Open;
    QString filter;         // "Shown text(*.ext)", several joined by ";;"
    QString defaultSuffix;  // added to a typed name without one, when saving: the first type's
};

class FileChooser {
  public:
    virtual ~FileChooser() = default;
    // The chosen path, or nothing when the user cancels.
    virtual std::optional<QString> chooseFile(QWidget* parent, const FileRequest& request) = 0;
};

// The toolkit's file dialog, starting in the current folder.
class DialogFileChooser : public FileChooser {
  public:
    std::optional<QString> chooseFile(QWidget* parent, const FileRequest& request) override;
};

}  // namespace loopsim
