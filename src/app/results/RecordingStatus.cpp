#include "app/results/RecordingStatus.h"

#include <QFile>

namespace loopsim {
namespace {

QString sentence(const std::string& note) {
    QString text = QString::fromStdString(note);
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text + QLatin1Char('.');
}

QString clockTime(int seconds) {
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace

QStringList recordingNotes(const RecordingReadResult& read, bool anyValueDrawn) {
    QStringList notes;
    for (const std::string& note : read.notes)
        notes.append(sentence(note));
    if (read.rows > 0 && !anyValueDrawn)
        notes.append(QStringLiteral("None of its rows holds a value to draw."));
    return notes;
}

QString recordingStatus(const QString& fileName, int rows, const QStringList& notes) {
    QString status = QStringLiteral("%1: %2 %3 (%4).")
                         .arg(fileName)
                         .arg(rows)
                         .arg(rows == 1 ? QStringLiteral("row") : QStringLiteral("rows"))
                         .arg(clockTime(rows));
    for (const QString& note : notes)
        status += QStringLiteral("  ") + note;
    return status;
}

QString noRecordingStatus(const QString& fileName) {
    return QStringLiteral("No recording %1 in this folder.").arg(fileName);
}

std::optional<CalendarTime> recordingWrittenTime(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return recordingWrittenAt(file.readLine(256).toStdString());
}

QString recordingWrittenText(const QString& path) {
    const auto t = recordingWrittenTime(path);
    if (!t)
        return {};
    auto two = [](int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); };
    return QStringLiteral("%1-%2-%3 %4:%5:%6")
        .arg(t->year, 4, 10, QLatin1Char('0'))
        .arg(two(t->month), two(t->day), two(t->hour), two(t->minute), two(t->second));
}

}  // namespace loopsim
