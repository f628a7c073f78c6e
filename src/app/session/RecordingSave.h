// The exit path's recording file, made safe before the session is called ended. When it
// cannot be written where the unit keeps it (a full disk, a read-only folder) the user is
// told why and offered another place, as often as it fails; until it is written somewhere
// the session log is left without its end note, so the next start offers the rebuild.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace loopsim {

class FileChooser;
class Simulation;
class UserMessages;

inline constexpr const char* kEndSessionQuestion = "End the session and write the recording?";
inline constexpr const char* kSaveElsewhereQuestion = "Save the recording somewhere else?";

// Where the recording was written, the unit's own file or where the user chose; nothing when
// it was not written.
std::optional<QString> saveRecordingSafely(QWidget* parent, const Simulation& simulation,
                                           UserMessages& messages, FileChooser& files,
                                           bool logKept);

// A recording written elsewhere gets a copy of the finished session log beside it
// (NAME.scenario beside NAME.csv), so the results viewer debriefs it there as anywhere. A file
// of that name already there is left as it is.
void copyLogBesideRecording(const QString& logPath, const QString& recordingPath);

}  // namespace loopsim
