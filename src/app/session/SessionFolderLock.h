// One simulator session at a time in a folder: both would write the same session log and
// recording file, and the second would take the first's log for a lost session's. The lock
// is a file beside the session log; one left behind by a program that was killed names a
// process that is gone, and is taken over. In a folder where no file can be made there is no
// lock and nothing to protect: the session runs, and says at its start that it cannot keep
// its log.
#pragma once

#include <QLockFile>
#include <QString>

namespace loopsim {

enum class FolderLock {
    Taken,
    HeldByAnotherSession,
    NotWritable,  // no file can be made in the folder (read-only, or no permission)
};

class SessionFolderLock {
  public:
    SessionFolderLock();

    FolderLock take();

  private:
    QLockFile lock_;
};

// What the user is told when the folder is taken.
QString sessionFolderTakenMessage();

// What the user is told at the session's start when its log cannot be written, and why.
QString sessionLogFailureMessage(const QString& why);
// What Exit says when it could not write the recording file; the log, when it was kept,
// can give it again.
QString recordingFailureMessage(const QString& why, bool logKept);

}  // namespace loopsim
