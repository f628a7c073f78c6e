#include "app/results/RecordingStatus.h"

#include <QFile>
#include <QRegularExpression>

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

QString recordingWrittenAt(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression kWritten(
        QStringLiteral(R"(,#(\d{4}-\d{2}-\d{2})#,#(\d{2}:\d{2}:\d{2})#)"));
    const QRegularExpressionMatch match = kWritten.match(QString::fromLatin1(file.readLine(256)));
    return match.hasMatch() ? match.captured(1) + QLatin1Char(' ') + match.captured(2) : QString();
}

}  // namespace loopsim
