#include "app/session/RecordingSave.h"

#include "app/dialogs/FileChooser.h"
#include "app/dialogs/UserMessages.h"
#include "app/results/ResultsViewer.h"
#include "app/session/SessionFolderLock.h"
#include "files/RecordingFile.h"
#include "simulation/Simulation.h"

namespace loopsim {

bool saveRecordingSafely(QWidget* parent, const Simulation& simulation, UserMessages& messages,
                         FileChooser& files, bool logKept) {
    const CalendarTime written = localCalendarTime();
    auto writeTo = [&](const std::filesystem::path& path) {
        return writeRecordingFile(path, simulation.recording().table(),
                                  simulation.state().RecordIndex, written);
    };
    auto error = writeTo(kRecordingFileName);
    while (error) {
        const QString why = recordingFailureMessage(QString::fromStdString(*error), logKept);
        if (!messages.askYesNo(
                parent, why + QStringLiteral("\n\n") + QString::fromLatin1(kSaveElsewhereQuestion)))
            return false;
        const auto chosen = files.chooseFile(
            parent,
            {FileDialogKind::Save, QString::fromLatin1(kDataFileFilter), QStringLiteral("csv")});
        if (!chosen)
            return false;
        error = writeTo(chosen->toStdString());
    }
    return true;
}

}  // namespace loopsim
