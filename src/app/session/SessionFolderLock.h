// One simulator session at a time in a folder: both would write the same session log and
// recording file, and the second would take the first's log for a lost session's. The lock
// is a file beside the session log; one left behind by a program that was killed names a
// process that is gone, and is taken over.
#pragma once

#include <QLockFile>

namespace loopsim {

class SessionFolderLock {
  public:
    SessionFolderLock();

    // False while a running session of the simulator holds the current folder.
    bool take();

  private:
    QLockFile lock_;
};

// What the user is told when the folder is taken.
QString sessionFolderTakenMessage();

}  // namespace loopsim
