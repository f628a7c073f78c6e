#include "app/results/ResultsViewer.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <future>

#include "app/dialogs/FileChooser.h"
#include "app/dialogs/UserMessages.h"
#include "app/results/DebriefPanel.h"
#include "app/results/DebriefReport.h"
#include "app/results/RecordingChartView.h"
#include "app/results/RecordingStatus.h"
#include "app/results/SessionDebrief.h"
#include "app/results/ViewerLayout.h"
#include "export/DiveFromRecording.h"
#include "export/DiveFromSession.h"
#include "export/ExportFormat.h"
#include "files/RecordingFile.h"

namespace loopsim {
namespace {

QPushButton* addButton(QWidget* parent, const char* name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

std::filesystem::path toPath(const QString& name) {
    return std::filesystem::path(name.toStdU16String());
}

QString cannotLoad(const QString& path, const QString& why) {
    return QStringLiteral("Cannot load %1: %2").arg(path, why);
}

// The size the viewer grows to for its Debrief panel, as far as the screen allows.
constexpr QRect kDebriefViewerSize(0, 0, 19800, 10800);

// The room for the window on its screen, with its frame and title bar around it.
QSize roomOn(const QScreen* screen, QSize wanted) {
    return screen ? wanted.boundedTo(screen->availableSize() - QSize(8, 40)) : wanted;
}

}  // namespace

ResultsViewer::ResultsViewer(FileChooser& files, UserMessages& messages, QWidget* parent)
    : QDialog(parent), files_(files), messages_(messages) {
    setWindowTitle(QString::fromLatin1(kResultsViewerTitle));
    frame_ = new QGroupBox(QStringLiteral("Data"), this);
    frame_->setObjectName(QStringLiteral("Frame1"));
    chart_ = new RecordingChartView(frame_);
    chart_->setObjectName(QStringLiteral("MSChart1"));
    saveButton_ = addButton(this, "Command2", QStringLiteral("&Save Data as"));
    loadButton_ = addButton(this, "Command3", QStringLiteral("&Load data from"));
    exitButton_ = addButton(this, "Command1", QStringLiteral("E&xit"));
    chartImageButton_ = addButton(this, "SaveChartImage", QStringLiteral("Save chart as image"));
    resetZoomButton_ = addButton(this, "ResetZoom", QStringLiteral("&Reset zoom"));
    resetZoomButton_->setToolTip(QStringLiteral("Drag across the chart to zoom to a time range"));
    exportButton_ = addButton(this, "ExportSession", QStringLiteral("&Export…"));
    exportButton_->setToolTip(QStringLiteral(
        "Save the session as a dive for a dive log: Subsurface (.ssrf), UDDF (.uddf) or CSV"));
    statusLine_ = new QLabel(this);
    statusLine_->setObjectName(QStringLiteral("StatusLine"));

    connect(saveButton_, &QPushButton::clicked, this, &ResultsViewer::saveData);
    connect(loadButton_, &QPushButton::clicked, this, &ResultsViewer::loadData);
    connect(exitButton_, &QPushButton::clicked, this, [this] {
        emit exitRequested();
        accept();
    });
    connect(chartImageButton_, &QPushButton::clicked, this, &ResultsViewer::saveChartImage);
    connect(resetZoomButton_, &QPushButton::clicked, chart_, &RecordingChartView::resetZoom);
    connect(exportButton_, &QPushButton::clicked, this, &ResultsViewer::exportSession);

    const double dpiX = logicalDpiX();
    const double dpiY = logicalDpiY();
    setMinimumSize(roomOn(screen(), layoutToPixels(QRect(0, 0, 7200, 4800), dpiX, dpiY).size()));
    firstSize_ = roomOn(screen(), layoutToPixels(QRect(0, 0, 13500, 9000), dpiX, dpiY).size());
    resize(firstSize_);
}

ResultsViewer::~ResultsViewer() = default;

void ResultsViewer::open() {
    open(toOpen_.isEmpty() ? QString::fromLatin1(kRecordingFileName) : toOpen_);
}

void ResultsViewer::open(const QString& recordingPath) {
    opened_ = true;
    emit stopSoundChannel(5);
    emit stopSoundChannel(1);
    fileName_ = recordingPath;
    // A missing recording leaves the chart empty; the window stays usable.
    if (!QFileInfo::exists(fileName_)) {
        statusLine_->setText(noRecordingStatus(fileName_));
        return;
    }
    if (auto error = drawGraph()) {
        statusLine_->setText(cannotLoad(fileName_, *error));
        messages_.showMessage(this, cannotLoad(fileName_, *error));
    }
}

void ResultsViewer::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!opened_)
        open();
}

void ResultsViewer::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    placeParts();
}

std::optional<QString> ResultsViewer::drawGraph() {
    // The log plays on the other core while the recording is read and drawn.
    std::future<SessionDebriefLoad> debrief =
        std::async(std::launch::async, [path = fileName_] { return loadSessionDebrief(path); });
    RecordingReadResult read = readRecordingFile(toPath(fileName_), data_);
    if (!read.ok)
        return QString::fromStdString(read.error);
    rowCount_ = read.rows;
    writtenAt_ = recordingWrittenText(fileName_);
    const QString shownName = QFileInfo(fileName_).fileName();
    chart_->showRecording(data_, rowCount_, shownName);
    QStringList notes = recordingNotes(read, chart_->drawsAnyValue());
    SessionDebriefLoad loaded = debrief.get();
    if (loaded.debrief)
        notes.append(
            QStringLiteral("Debrief from %1.").arg(QFileInfo(loaded.debrief->logPath).fileName()));
    if (!loaded.note.isEmpty())
        notes.append(loaded.note);
    showDebrief(std::move(loaded.debrief));
    statusLine_->setText(recordingStatus(shownName, rowCount_, notes));
    statusLine_->setToolTip(notes.join(QLatin1Char('\n')));
    return std::nullopt;
}

void ResultsViewer::showDebrief(std::shared_ptr<const SessionDebrief> debrief) {
    // The chart and the panel let go of the debrief shown before it goes.
    const std::shared_ptr<const SessionDebrief> before =
        std::exchange(debrief_, std::move(debrief));
    if (!debrief_) {
        chart_->showDebrief(nullptr);
        if (panel_)
            panel_->hide();
        placeParts();
        return;
    }
    if (!panel_) {
        panel_ = new DebriefPanel(this);
        connect(panel_, &DebriefPanel::timeSelected, chart_, &RecordingChartView::selectTime);
        connect(panel_, &DebriefPanel::cellShown, chart_, &RecordingChartView::showCell);
        connect(panel_, &DebriefPanel::saveReportRequested, this, &ResultsViewer::saveReport);
    }
    panel_->showDebrief(*debrief_);
    panel_->show();
    // A window still at its first size grows to make room for the panel.
    if (size() == firstSize_) {
        resize(size().expandedTo(roomOn(
            screen(), layoutToPixels(kDebriefViewerSize, logicalDpiX(), logicalDpiY()).size())));
    }
    // The chart takes its place beside the panel first, so it draws once, with the debrief.
    chart_->holdDrawing();
    placeParts();
    chart_->showDebrief(debrief_.get());
}

void ResultsViewer::loadData() {
    auto path = files_.chooseFile(
        this, {FileDialogKind::Open, QString::fromLatin1(kDataFileFilter), QStringLiteral("csv")});
    if (!path)
        return;
    fileName_ = *path;
    if (auto error = drawGraph())
        messages_.showMessage(this, cannotLoad(*path, *error));
}

void ResultsViewer::saveData() {
    auto path = files_.chooseFile(
        this, {FileDialogKind::Save, QString::fromLatin1(kDataFileFilter), QStringLiteral("csv")});
    if (!path)
        return;
    if (auto error = writeRecordingFile(toPath(*path), data_, rowCount_, localCalendarTime()))
        messages_.showMessage(
            this, QStringLiteral("Cannot save %1: %2").arg(*path, QString::fromStdString(*error)));
}

void ResultsViewer::saveChartImage() {
    auto path = files_.chooseFile(
        this, {FileDialogKind::Save, QStringLiteral("PNG images (*.png)"), QStringLiteral("png")});
    if (!path)
        return;
    if (!chart_->image().save(*path, "PNG"))
        messages_.showMessage(this, QStringLiteral("Cannot write the image %1").arg(*path));
}

void ResultsViewer::saveReport() {
    if (!debrief_ || !panel_)
        return;
    auto path = files_.chooseFile(
        this, {FileDialogKind::Save, QString::fromLatin1(kReportFilter), QStringLiteral("html")});
    if (!path)
        return;
    ReportHeading heading{QFileInfo(debrief_->logPath).fileName().toStdString(),
                          writtenAt_.toStdString(), panel_->traineeName().toStdString()};
    if (const auto& drill = debrief_->drill; drill && drill->note.isEmpty()) {
        ReportMarks listed =
            reportMarks(drill->title.toStdString(), drill->fileName.toStdString(), drill->results);
        heading.marksTitle = std::move(listed.title);
        heading.marks = std::move(listed.marks);
    }
    if (auto error = writeDebriefReport(
            *path, {*debrief_, data_, rowCount_, QFileInfo(fileName_).fileName()}, heading))
        messages_.showMessage(this, QStringLiteral("Cannot save %1: %2").arg(*path, *error));
}

void ResultsViewer::exportSession() {
    if (rowCount_ == 0)
        return;
    auto path = files_.chooseFile(
        this, {FileDialogKind::Save, QString::fromLatin1(kExportFilter), QStringLiteral("ssrf")});
    if (!path)
        return;
    // The dive started its length before the recording was written.
    const CalendarTime written = recordingWrittenTime(fileName_).value_or(localCalendarTime());
    const ExportedDive dive =
        debrief_
            ? diveFromSession(
                  debrief_->debrief,
                  secondsBefore(written, static_cast<int>(debrief_->debrief.timeline.end / 1000)))
            : diveFromRecording(data_, rowCount_, secondsBefore(written, rowCount_));
    if (auto error = writeExport(toPath(*path), dive))
        messages_.showMessage(
            this,
            QStringLiteral("Cannot export %1: %2").arg(*path, QString::fromStdString(*error)));
}

void ResultsViewer::placeParts() {
    const double dpiX = logicalDpiX();
    const double dpiY = logicalDpiY();
    const QSize inner = contentsRect().size();
    const bool withPanel = panel_ && debrief_;
    ViewerGeometry g =
        viewerGeometry({pixelsToLayout(inner.width(), dpiX), pixelsToLayout(inner.height(), dpiY)},
                       kViewerButtonSize, withPanel);
    if (withPanel)
        panel_->setGeometry(layoutToPixels(g.panel, dpiX, dpiY));

    frame_->setGeometry(layoutToPixels(g.frame, dpiX, dpiY));
    chart_->setGeometry(layoutToPixels(g.chart.translated(-g.frame.topLeft()), dpiX, dpiY));
    saveButton_->setGeometry(layoutToPixels(g.saveButton, dpiX, dpiY));
    loadButton_->setGeometry(layoutToPixels(g.loadButton, dpiX, dpiY));
    exitButton_->setGeometry(layoutToPixels(g.exitButton, dpiX, dpiY));
    // The chart's own buttons fill the gap before Exit while they fit.
    for (auto [button, rect] : {std::pair{chartImageButton_, g.chartImageButton},
                                std::pair{resetZoomButton_, g.resetZoomButton},
                                std::pair{exportButton_, g.exportButton}}) {
        button->setGeometry(layoutToPixels(rect, dpiX, dpiY));
        button->setVisible(rect.right() + kViewerMargin < g.exitButton.left());
    }
    statusLine_->setGeometry(layoutToPixels(g.statusLine, dpiX, dpiY));
}

void showResultsUntilExit(FileChooser& files, UserMessages& messages,
                          const std::function<void(int)>& stopSoundChannel,
                          const QString& recordingPath) {
    ResultsViewer viewer(files, messages);
    viewer.openOnShow(recordingPath);
    if (stopSoundChannel)
        QObject::connect(&viewer, &ResultsViewer::stopSoundChannel, &viewer, stopSoundChannel);
    QObject::connect(&viewer, &ResultsViewer::exitRequested, &viewer, &QDialog::accept);
    viewer.exec();
}

}  // namespace loopsim
