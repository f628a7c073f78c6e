// What the results viewer's status line, and loopsim --render-chart on standard error, say
// about a recording they drew: how long it is, what was odd about its lines, and when none of
// its rows holds a value to draw.
#pragma once

#include <QString>
#include <QStringList>

#include "files/RecordingFile.h"

namespace loopsim {

// The reader's notes as sentences, and one more when nothing could be drawn from the rows.
QStringList recordingNotes(const RecordingReadResult& read, bool anyValueDrawn);

// "run.csv: 3 rows (0:00:03)." followed by the notes.
QString recordingStatus(const QString& fileName, int rows, const QStringList& notes);

// What the status line says when the viewer opens in a folder without a recording.
QString noRecordingStatus(const QString& fileName);

// When the recording file was written, as its first line says; nothing when it does not say.
std::optional<CalendarTime> recordingWrittenTime(const QString& path);
// The same as text: "2024-05-01 10:00:00", empty when the first line does not say.
QString recordingWrittenText(const QString& path);

}  // namespace loopsim
