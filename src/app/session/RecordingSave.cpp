#include "app/session/RecordingSave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/dialogs/FileChooser.h"
#include "app/dialogs/UserMessages.h"
#include "app/results/ResultsViewer.h"
#include "app/session/SessionFolderLock.h"
#include "files/RecordingFile.h"
#include "simulation/Simulation.h"

namespace loopsim {

std::optional<QString> saveRecordingSafely(QWidget* parent, const Simulation& simulation,
                                           UserMessages& messages, FileChooser& files,
                                           bool logKept) {
    const CalendarTime written = localCalendarTime();
    auto writeTo = [&](const std::filesystem::path& path) {
        return writeRecordingFile(path, simulation.recording().table(),
                                  simulation.state().RecordIndex, written);
    };
    QString path = QString::fromLatin1(kRecordingFileName);
    auto error = writeTo(kRecordingFileName);
    while (error) {
        const QString why = recordingFailureMessage(QString::fromStdString(*error), logKept);
        if (!messages.askYesNo(
                parent, why + QStringLiteral("\n\n") + QString::fromLatin1(kSaveElsewhereQuestion)))
            return std::nullopt;
        const auto chosen = files.chooseFile(
            parent,
            {FileDialogKind::Save, QString::fromLatin1(kDataFileFilter), QStringLiteral("csv")});
        if (!chosen)
            return std::nullopt;
        path = *chosen;
        error = writeTo(path.toStdString());
    }
    return path;
}

void copyLogBesideRecording(const QString& logPath, const QString& recordingPath) {
    const QFileInfo recording(recordingPath);
    const QString beside = recording.dir().filePath(recording.completeBaseName() + ".scenario");
    if (!QFileInfo::exists(beside))
        QFile::copy(logPath, beside);
}

}  // namespace loopsim
