// The debrief of a session that left its log and no recording (the bail-out window's Exit
// writes none): the log and the recording played from it go into a folder of their own, which
// the viewer opens as any recording with its log beside it, and which is removed afterwards,
// so the session's folder keeps no recording the unit did not write.
#pragma once

#include <QString>
#include <QTemporaryDir>
#include <optional>

namespace loopsim {

class FileChooser;
class UserMessages;

class LogDebriefFolder {
  public:
    explicit LogDebriefFolder(const QString& logPath);

    // Why the recording could not be made, if it could not.
    const std::optional<QString>& error() const { return error_; }
    QString recordingPath() const;

  private:
    QTemporaryDir folder_;
    std::optional<QString> error_;
};

// Shows the results viewer on the session of the log until it is closed; says why when the
// log cannot be played.
void showDebriefOfLog(FileChooser& files, UserMessages& messages, const QString& logPath);

}  // namespace loopsim
