#include "app/results/LogDebrief.h"

#include <QFile>

#include "app/dialogs/UserMessages.h"
#include "app/results/ResultsViewer.h"
#include "files/FileText.h"
#include "files/LostSession.h"

namespace loopsim {

LogDebriefFolder::LogDebriefFolder(const QString& logPath) {
    const auto log = readFileText(logPath.toStdString());
    if (!folder_.isValid()) {
        error_ = QStringLiteral("no folder could be made for it");
        return;
    }
    if (!log || !QFile::copy(logPath, folder_.filePath(QString::fromLatin1(kSessionLogFileName)))) {
        error_ = QStringLiteral("%1 cannot be read").arg(logPath);
        return;
    }
    const RebuiltRecording made =
        recordingForDebrief(*log, recordingPath().toStdString(), localCalendarTime());
    if (made.error)
        error_ = QString::fromStdString(*made.error);
}

QString LogDebriefFolder::recordingPath() const {
    return folder_.filePath(QString::fromLatin1(kRecordingFileName));
}

void showDebriefOfLog(FileChooser& files, UserMessages& messages, const QString& logPath) {
    const LogDebriefFolder folder(logPath);
    if (folder.error()) {
        messages.showMessage(nullptr,
                             QStringLiteral("The debrief of the last session cannot be shown: %1.")
                                 .arg(*folder.error()));
        return;
    }
    ResultsViewer viewer(files, messages);
    viewer.openOnShow(folder.recordingPath());
    QObject::connect(&viewer, &ResultsViewer::exitRequested, &viewer, &QDialog::accept);
    viewer.exec();
}

}  // namespace loopsim
