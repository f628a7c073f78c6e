#include "app/session/LostSessionOffer.h"

#include "app/dialogs/UserMessages.h"
#include "files/FileText.h"
#include "files/LostSession.h"

namespace loopsim {

QString lostSessionQuestion() {
    return QStringLiteral(
               "The last session of the simulator ended without Exit, so its recording file "
               "was not written.\n\nRebuild %1 from that session's log, %2? If not, the log of "
               "the new session replaces it.")
        .arg(QString::fromLatin1(kRecordingFileName), QString::fromLatin1(kSessionLogFileName));
}

QString bailedOutDebriefQuestion() {
    return QStringLiteral(
               "The last session ended at the bail-out window's Exit, which saves no recording "
               "file.\n\nShow its debrief from that session's log, %1? If not, the log of the "
               "new session replaces it.")
        .arg(QString::fromLatin1(kSessionLogFileName));
}

QString lostSessionFailure(const QString& why, const QString& keptAs) {
    QString text =
        QStringLiteral("The recording of the last session could not be rebuilt: %1.").arg(why);
    if (!keptAs.isEmpty())
        text += QStringLiteral("\n\nIts log is kept, unchanged, as %1.").arg(keptAs);
    return text;
}

bool offerToRebuildLostSession(QWidget* parent, UserMessages& messages, SettingsStore& settings,
                               const std::function<void()>& showRecording) {
    if (!isLostSessionLog(kSessionLogFileName) || !messages.askYesNo(parent, lostSessionQuestion()))
        return false;
    const RebuiltRecording rebuilt =
        rebuildLostSession(kSessionLogFileName, kRecordingFileName, &settings);
    if (rebuilt.error) {
        // Kept aside whole, so the new session's log does not write over it.
        const auto aside = setLogAside(kSessionLogFileName);
        messages.showMessage(
            parent,
            lostSessionFailure(QString::fromStdString(*rebuilt.error),
                               aside ? QString::fromStdString(aside->string()) : QString()));
        return false;
    }
    showRecording();
    return true;
}

bool offerBailedOutDebrief(QWidget* parent, UserMessages& messages,
                           const std::function<void()>& showDebrief) {
    const auto log = readFileText(kSessionLogFileName);
    if (!log || !sessionEndedAtBailOut(*log) ||
        !messages.askYesNo(parent, bailedOutDebriefQuestion()))
        return false;
    showDebrief();
    return true;
}

}  // namespace loopsim
