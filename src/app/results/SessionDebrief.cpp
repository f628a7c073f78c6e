#include "app/results/SessionDebrief.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "debrief/SessionReplay.h"

namespace loopsim {
namespace {

// A session log holds one short line an action: a week of a session fits well within it.
constexpr qint64 kLargestSessionLog = qint64{64} << 20;

QString cannotPlay(const QString& logPath, const QString& why) {
    return QStringLiteral("No debrief: the session log %1 %2.")
        .arg(QFileInfo(logPath).fileName(), why);
}

}  // namespace

QString sessionLogBeside(const QString& recordingPath) {
    const QFileInfo recording(recordingPath);
    return recording.dir().filePath(recording.completeBaseName() + QStringLiteral(".scenario"));
}

SessionDebriefLoad loadSessionDebrief(const QString& recordingPath) {
    const QString logPath = sessionLogBeside(recordingPath);
    const QFileInfo log(logPath);
    if (!log.exists())
        return {};
    if (!log.isFile())
        return {nullptr, cannotPlay(logPath, QStringLiteral("is not a file"))};
    if (log.size() > kLargestSessionLog)
        return {nullptr, cannotPlay(logPath, QStringLiteral("is too large to be a session log"))};
    QFile file(logPath);
    if (!file.open(QIODevice::ReadOnly))
        return {nullptr, cannotPlay(logPath, QStringLiteral("cannot be read: ") +
                                                 file.errorString().toLower())};
    return sessionDebrief(file.readAll().toStdString(), logPath);
}

SessionDebriefLoad sessionDebrief(std::string_view logText, const QString& logPath) {
    ReplayedSession replayed = replaySessionLog(logText);
    if (replayed.error)
        return {nullptr, cannotPlay(logPath, QStringLiteral("cannot be played: ") +
                                                 QString::fromStdString(*replayed.error))};
    auto shown = std::make_shared<SessionDebrief>();
    shown->logPath = logPath;
    shown->debrief = computeDebrief(std::move(replayed.timeline));
    shown->metrics = debriefMetrics(shown->debrief);
    shown->events = listedEvents(shown->debrief);
    shown->drill = drillMarksOfLog(logText, shown->metrics, programDrillFolders());
    return {std::move(shown), {}};
}

}  // namespace loopsim
