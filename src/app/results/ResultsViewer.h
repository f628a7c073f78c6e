// The results viewer: draws a recording file as a chart and saves the loaded data under
// another name. It keeps its own table of the file's rows; a shorter file overwrites only its
// own rows, and the row count of the last load decides what is drawn and what Save writes.
// The program's exit shows it after writing the recording file; Exit ends the program. The
// status line under the buttons says what the chart shows: the file, its length, and what was
// odd about its lines. A file that is not a recording is reported in a message.
//
// A recording with its session log beside it (NAME.scenario beside NAME.csv) is debriefed:
// the log is played again while the recording is read and drawn, and the Debrief panel
// beside the chart shows the metrics and events, drawn over the chart too; "Save report…"
// writes the report page or its PDF. A log that cannot be played leaves the chart alone, and
// the status line says why.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "core/Recording.h"
#include "files/RecordingFile.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace loopsim {

class DebriefPanel;
class FileChooser;
class RecordingChartView;
class UserMessages;
struct SessionDebrief;

inline constexpr const char* kResultsViewerTitle = "Tarven Calvendrite Simulator  Results Viewer";
inline constexpr const char* kDataFileFilter = "Data Files (comma seperated)(*.csv)";
inline constexpr const char* kExportFilter =
    "Subsurface dive log (*.ssrf);;UDDF dive log (*.uddf);;Dive samples, CSV (*.csv)";

class ResultsViewer : public QDialog {
    Q_OBJECT

  public:
    ResultsViewer(FileChooser& files, UserMessages& messages, QWidget* parent = nullptr);
    ~ResultsViewer() override;

    // The window's load step: stops the sounds, then draws the recording file of the current
    // folder. Runs by itself the first time the window is shown.
    void open();
    // The load step on another recording file; a file that cannot be read is said in a
    // message.
    void open(const QString& recordingPath);
    // The recording the load step opens when the window is first shown, in place of the one
    // of the current folder.
    void openOnShow(const QString& recordingPath) { toOpen_ = recordingPath; }

    int rowCount() const { return rowCount_; }
    const QString& fileName() const { return fileName_; }
    RecordingChartView* chart() const { return chart_; }
    QLabel* statusLine() const { return statusLine_; }
    // None until a recording with its log is shown, hidden while one without is.
    DebriefPanel* debriefPanel() const { return panel_; }
    const SessionDebrief* debrief() const { return debrief_.get(); }

  signals:
    // The window's sound output stops this channel (the gas hiss 5, the general sounds 1).
    void stopSoundChannel(int channel);
    // Exit was pressed: the program ends.
    void exitRequested();

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Reads fileName_ and draws it; on a file that cannot be read, says why and leaves the
    // chart as it was.
    std::optional<QString> drawGraph();
    void loadData();
    void saveData();
    void saveChartImage();
    void saveReport();
    // The session as a dive for dive-log programs: from its debrief when its log was played,
    // else from the recording alone.
    void exportSession();
    void showDebrief(std::shared_ptr<const SessionDebrief> debrief);
    void placeParts();

    FileChooser& files_;
    UserMessages& messages_;
    RecordTable data_;
    int rowCount_ = 0;
    QString fileName_;
    QString writtenAt_;  // the recording's own date and time
    bool opened_ = false;
    QString toOpen_;
    std::shared_ptr<const SessionDebrief> debrief_;
    QSize firstSize_;

    QGroupBox* frame_;
    RecordingChartView* chart_;
    QPushButton* saveButton_;
    QPushButton* loadButton_;
    QPushButton* exitButton_;
    QPushButton* chartImageButton_;
    QPushButton* resetZoomButton_;
    QPushButton* exportButton_;
    QLabel* statusLine_;
    DebriefPanel* panel_ = nullptr;
};

// Shows the viewer over a recording (the one of the current folder unless told another) until
// its Exit; the sound channels it stops go to stopSoundChannel, when given.
void showResultsUntilExit(FileChooser& files, UserMessages& messages,
                          const std::function<void(int)>& stopSoundChannel = {},
                          const QString& recordingPath = QString::fromLatin1(kRecordingFileName));

}  // namespace loopsim
