#include "app/results/ChartRender.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <memory>

#include "app/results/RecordingChartView.h"
#include "app/results/RecordingStatus.h"
#include "app/results/SessionDebrief.h"
#include "files/RecordingFile.h"

namespace loopsim {

ChartRenderResult renderRecordingChart(const QString& recordingPath, const QString& imagePath,
                                       QSize size) {
    auto table = std::make_unique<RecordTable>();
    RecordingReadResult read =
        readRecordingFile(std::filesystem::path(recordingPath.toStdU16String()), *table);
    if (!read.ok)
        return {QString::fromStdString(read.error), {}};

    RecordingChartView view;
    view.resize(size);
    view.showRecording(*table, read.rows, QFileInfo(recordingPath).fileName());
    const SessionDebriefLoad debrief = loadSessionDebrief(recordingPath);
    view.showDebrief(debrief.debrief.get());
    // The chart lays itself out on posted events; shown off screen, it gets them.
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.show();
    QCoreApplication::sendPostedEvents();
    if (!view.image().save(imagePath, "PNG"))
        return {QStringLiteral("cannot write %1").arg(imagePath), {}};
    QStringList notes = recordingNotes(read, view.drawsAnyValue());
    if (!debrief.note.isEmpty())
        notes.append(debrief.note);
    return {std::nullopt, notes};
}

}  // namespace loopsim
