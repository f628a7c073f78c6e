// The exit path's recording file, made safe before the session is called ended. When it
// cannot be written where the unit keeps it (a full disk, a read-only folder) the user is
// told why and offered another place, as often as it fails; until it is written somewhere
// the session log is left without its end note, so the next start offers the rebuild.
#pragma once

#include <QString>

class QWidget;

namespace loopsim {

class FileChooser;
class Simulation;
class UserMessages;

inline constexpr const char* kEndSessionQuestion = "End the session and write the recording?";
inline constexpr const char* kSaveElsewhereQuestion = "Save the recording somewhere else?";

// True once the recording is written, where the unit keeps it or where the user chose.
bool saveRecordingSafely(QWidget* parent, const Simulation& simulation, UserMessages& messages,
                         FileChooser& files, bool logKept);

}  // namespace loopsim
