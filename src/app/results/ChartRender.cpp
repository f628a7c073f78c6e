#include "app/results/ChartRender.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <future>
#include <memory>

#include "app/dialogs/FileChooser.h"
#include "app/dialogs/UserMessages.h"
#include "app/results/DebriefPanel.h"
#include "app/results/RecordingChartView.h"
#include "app/results/RecordingStatus.h"
#include "app/results/ResultsViewer.h"
#include "app/results/SessionDebrief.h"
#include "files/RecordingFile.h"

namespace loopsim {
namespace {

// No one answers: dialogs are cancelled, messages kept as notes.
class NoOneThere : public FileChooser, public UserMessages {
  public:
    std::optional<QString> chooseFile(QWidget*, const FileRequest&) override { return {}; }
    void showMessage(QWidget*, const QString& text) override { said.append(text); }
    bool askYesNo(QWidget*, const QString& text) override {
        said.append(text);
        return false;
    }
    QStringList said;
};

}  // namespace

ChartRenderResult renderRecordingChart(const QString& recordingPath, const QString& imagePath,
                                       QSize size) {
    // The log plays on the other core while the recording is read and drawn.
    std::future<SessionDebriefLoad> pending = std::async(
        std::launch::async, [recordingPath] { return loadSessionDebrief(recordingPath); });
    auto table = std::make_unique<RecordTable>();
    RecordingReadResult read =
        readRecordingFile(std::filesystem::path(recordingPath.toStdU16String()), *table);
    if (!read.ok)
        return {QString::fromStdString(read.error), {}};

    RecordingChartView view;
    view.resize(size);
    view.showRecording(*table, read.rows, QFileInfo(recordingPath).fileName());
    const SessionDebriefLoad debrief = pending.get();
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

ChartRenderResult renderResultsViewer(const QString& recordingPath, const QString& imagePath,
                                      const ViewerPicture& picture) {
    if (!QFileInfo(recordingPath).isFile())
        return {QStringLiteral("no recording file %1").arg(recordingPath), {}};
    NoOneThere noOne;
    ResultsViewer viewer(noOne, noOne);
    viewer.setAttribute(Qt::WA_DontShowOnScreen);
    viewer.openOnShow(recordingPath);
    viewer.resize(picture.size);
    viewer.show();
    QCoreApplication::sendPostedEvents();
    if (DebriefPanel* panel = viewer.debriefPanel()) {
        panel->setTraineeName(picture.trainee);
        if (picture.eventFrom)
            panel->chooseEventFrom(*picture.eventFrom);
    }
    QCoreApplication::sendPostedEvents();
    if (!viewer.grab().save(imagePath, "PNG"))
        return {QStringLiteral("cannot write %1").arg(imagePath), {}};
    return {std::nullopt, QStringList{viewer.statusLine()->text()} + noOne.said};
}

}  // namespace loopsim
