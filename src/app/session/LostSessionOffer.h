// At start, before the start-up warning: when the current folder holds the session log of
// a session that ended without its exit path, the user is asked whether to rebuild that
// session's recording file from it. Rebuilt, the recording file is where the exit path
// puts it and the results viewer shows it, so it can be saved under another name before the
// new session's exit writes over it; the stored settings take what that session used. A log
// that cannot be played is set aside unchanged, out of the new session's way.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace loopsim {

class SettingsStore;
class UserMessages;

// True when a recording was rebuilt.
bool offerToRebuildLostSession(QWidget* parent, UserMessages& messages, SettingsStore& settings,
                               const std::function<void()>& showRecording);

// When the last session ended at the bail-out window's Exit, which writes no recording, the
// user is asked whether to see its debrief from its log before the new session's log
// replaces it. True when it was shown.
bool offerBailedOutDebrief(QWidget* parent, UserMessages& messages,
                           const std::function<void()>& showDebrief);

// The questions, and what is said when the log cannot be played.
QString lostSessionQuestion();
// keptAs: where the log that could not be played was set aside, when it was.
QString lostSessionFailure(const QString& why, const QString& keptAs);
QString bailedOutDebriefQuestion();

}  // namespace loopsim
