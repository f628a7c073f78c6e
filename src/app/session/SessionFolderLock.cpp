#include "app/session/SessionFolderLock.h"

#include "files/LostSession.h"

namespace loopsim {

SessionFolderLock::SessionFolderLock()
    : lock_(QString::fromLatin1(kSessionLogFileName) + QStringLiteral(".lock")) {}

bool SessionFolderLock::take() {
    return lock_.tryLock(0);
}

QString sessionFolderTakenMessage() {
    return QStringLiteral(
        "Another session of the simulator is running in this folder. Close it first: both "
        "would write the same session log and recording file.");
}

}  // namespace loopsim
