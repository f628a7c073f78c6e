#include "app/session/SessionFolderLock.h"

#include "files/LostSession.h"

namespace loopsim {

SessionFolderLock::SessionFolderLock()
    : lock_(QString::fromLatin1(kSessionLogFileName) + QStringLiteral(".lock")) {}

FolderLock SessionFolderLock::take() {
    if (lock_.tryLock(0))
        return FolderLock::Taken;
    return lock_.error() == QLockFile::LockFailedError ? FolderLock::HeldByAnotherSession
                                                       : FolderLock::NotWritable;
}

QString sessionFolderTakenMessage() {
    return QStringLiteral(
        "Another session of the simulator is running in this folder. Close it first: both "
        "would write the same session log and recording file.");
}

QString sessionLogFailureMessage(const QString& why) {
    return QStringLiteral(
               "The session log %1 cannot be written: %2.\n\nThe simulator runs all the same, "
               "but without crash protection: if it stops without Exit, nothing can rebuild "
               "this session's recording.")
        .arg(QString::fromLatin1(kSessionLogFileName), why);
}

QString recordingFailureMessage(const QString& why, bool logKept) {
    QString text = QStringLiteral("Exit could not save the session's recording: %1.").arg(why);
    if (logKept)
        text += QStringLiteral(
                    "\n\nNothing of the session is lost: its log %1 holds every action. "
                    "Until the recording is saved the log is not marked ended, so the next "
                    "start of the simulator in this folder offers to rebuild it.")
                    .arg(QString::fromLatin1(kSessionLogFileName));
    return text;
}

}  // namespace loopsim
