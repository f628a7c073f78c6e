#include "app/session/SimulatorSession.h"

#include <QPointer>
#include <QSettings>
#include <QTimer>
#include <algorithm>

#include "app/dialogs/BugReport.h"
#include "app/dialogs/BugReportForm.h"
#include "app/dialogs/DrillsDialog.h"
#include "app/dialogs/SessionDialogs.h"
#include "app/dialogs/StartupWarning.h"
#include "app/dialogs/UserMessages.h"
#include "app/results/ResultsViewer.h"
#include "app/session/AppSettings.h"
#include "app/session/DrillPace.h"
#include "app/session/QtSettingsStore.h"
#include "app/session/QtSoundBackend.h"
#include "app/session/RealTimeDriver.h"
#include "app/session/RecordingSave.h"
#include "app/session/SessionFolderLock.h"
#include "app/session/SessionLog.h"
#include "app/session/TraineeMode.h"
#include "app/window/MainWindow.h"
#include "app/window/PictureFiles.h"
#include "app/window/SilentAlarmLight.h"
#include "core/MessageExcerpt.h"
#include "core/SettingsStore.h"
#include "core/SoundChannels.h"
#include "drills/DrillNote.h"
#include "drills/DrillSettings.h"
#include "files/LostSession.h"
#include "files/RecordingFile.h"
#include "simulation/Simulation.h"

namespace loopsim {
namespace {

// A session that has run no longer than this ends at Exit without a question.
constexpr Millis kUnaskedExitMillis = 60'000;

}  // namespace

SimulatorSession::SimulatorSession(SessionServices services)
    : services_(std::move(services)),
      pictures_(std::make_unique<PictureFiles>(services_.programFolder)),
      sound_(std::make_unique<QtSoundBackend>(services_.programFolder / "Sounds",
                                              services_.audioOutputs, services_.messages)) {}

SimulatorSession::~SimulatorSession() = default;

void SimulatorSession::buildWindowAndSimulation() {
    window_ = std::make_unique<MainWindow>(*pictures_);
    settings_ = std::make_unique<QtSettingsStore>();
    if (drill_)
        drilledSettings_ = drillStartSettings(*settings_, drill_->drill);
    simulation_ = std::make_unique<Simulation>(&startSettings());
    simulation_->sound().setBackend(sound_.get());
    simulation_->state().DisclaimerAccepted = 0;
}

bool SimulatorSession::start() {
    if (!drill_) {
        StartupWarning warning(*pictures_, *sound_);
        sound_->setMessageParent(&warning);
        // The warning comes first: the main window and the simulation are built behind it
        // while it is read.
        QTimer::singleShot(0, &warning, [this] { buildWindowAndSimulation(); });
        if (warning.exec() != QDialog::Accepted)
            return false;
    }
    if (!simulation_)
        buildWindowAndSimulation();
    simulation_->state().DisclaimerAccepted = 1;
    sound_->setMessageParent(window_.get());

    driver_ = std::make_unique<RealTimeDriver>(*simulation_, services_.wallClock, services_.log);
    dialogs_ = std::make_unique<SessionDialogs>(
        window_.get(), [this](const Action& action) { act(action); },
        [this](QWidget* parent) -> QDialog* {
            const QSettings settings(QString::fromLatin1(kSettingsOrganization),
                                     QString::fromLatin1(kSettingsApplication));
            return new BugReportForm(supportAddress(settings), services_.messages, parent, {},
                                     QString::fromLatin1(kSessionLogFileName));
        });
    window_->setDialogPresenter(dialogs_.get());
    window_->setExitConfirmation([this] {
        return simulation_->now() <= kUnaskedExitMillis ||
               services_.messages.askYesNo(window_.get(), QString::fromLatin1(kEndSessionQuestion));
    });
    window_->attach(*simulation_, *driver_);
    installTraineeMode(*window_, dialogs_->options());
    const QPointer<SilentAlarmLight> alarmLight = new SilentAlarmLight(window_->unit());
    sound_->setSilentPlayHandler([alarmLight](const std::string& file) {
        if (alarmLight && isAlarmSound(file))
            alarmLight->light();
    });
    station_ = new StationControls(*window_, *simulation_, *driver_, stationDrills());
    if (auto before = std::exchange(stationBefore_, std::nullopt))
        station_->resumeStation(*before);
    connect(window_.get(), &MainWindow::endingRequested, this, &SimulatorSession::end,
            Qt::QueuedConnection);
    connect(window_.get(), &MainWindow::drillsRequested, this, &SimulatorSession::chooseDrill,
            Qt::QueuedConnection);
    noteStoredSettings(startSettings());
    if (drill_) {
        pace_ = std::make_unique<DrillPace>(drill_->drill, *simulation_);
        driver_->followDrill(*pace_);
    }
    window_->show();
    if (auto why = services_.log.error())
        services_.messages.showMessage(window_.get(),
                                       sessionLogFailureMessage(QString::fromStdString(*why)));
    driver_->start();
    return true;
}

// Input from the dialogs goes the way of the main window's: applied and logged by the
// driver at the present virtual time; nothing more once the session is ending.
void SimulatorSession::act(const Action& action) {
    if (simulation_->dialogs().ending() != Ending::Running)
        return;
    driver_->apply(action);
}

const SettingsStore& SimulatorSession::startSettings() const {
    return drill_ ? static_cast<const SettingsStore&>(drilledSettings_) : *settings_;
}

// The runner starts from the same stored values when given them as its settings file. They
// are noted as the numbers the simulation starts from, never as the stored text, which a
// user may have edited into anything (a line break would make it a line of the log).
void SimulatorSession::noteStoredSettings(const SettingsStore& startFrom) {
    if (drill_)
        services_.log.note(drillNote(drill_->fileName, drill_->text));
    services_.log.note("A session of the simulator window. Its stored settings at start, for");
    services_.log.note("loopsim-run --settings FILE.ini:");
    for (const std::string& line : storedSettingsNote(startFrom))
        services_.log.note(line);
}

void SimulatorSession::end(Ending ending) {
    driver_->stop();
    station_->stopStation();
    dialogs_->hideAll();
    if (ending == Ending::ExitPath) {
        saveSettings();
        settings_->sync();
        window_->hide();
        // A log left unfinished is a lost session's: the next start offers the rebuild. A
        // drill waiting to start waits for the recording to be safe: its log starts afresh.
        const bool logKept = !services_.log.error().has_value();
        const auto savedAt = saveRecordingSafely(nullptr, *simulation_, services_.messages,
                                                 services_.files, logKept);
        if (savedAt)
            services_.log.finish();
        if (savedAt && *savedAt != QString::fromLatin1(kRecordingFileName) && logKept)
            copyLogBesideRecording(QString::fromLatin1(kSessionLogFileName), *savedAt);
        if (nextDrill_ && savedAt) {
            startNextDrill();
            return;
        }
        showResultsViewer(savedAt.value_or(QString::fromLatin1(kRecordingFileName)));
    } else {
        services_.log.note(kSessionBailedOutNote);
        services_.log.finish();
        window_->hide();
    }
    emit finished();
}

// The values a drill set are the drill's, not the unit's: the stored ones they stood in for
// stay as they were.
void SimulatorSession::saveSettings() {
    MemorySettingsStore saved;
    simulation_->saveSettings(saved);
    for (const auto& [key, value] : saved.values) {
        if (!drill_ || !drill_->drill.settings.contains(key))
            settings_->write(key, value);
    }
}

void SimulatorSession::chooseDrill() {
    if (simulation_->dialogs().ending() != Ending::Running)
        return;
    const auto folders = drillFolders(services_.programFolder);
    DrillsDialog dialog(readDrillFiles(folders), folders, window_.get());
    if (dialog.exec() == QDialog::Accepted && dialog.chosen())
        startDrill(*dialog.chosen());
}

void SimulatorSession::startDrill(DrillFile drill) {
    if (!simulation_ || simulation_->dialogs().ending() != Ending::Running)
        return;
    nextDrill_ = std::move(drill);
    stationBefore_ = station_->listening();
    act(Action{Verb::Exit, {}, {}});
}

// The session's parts go, the window before the simulation it shows, and the session starts
// again with the drill.
void SimulatorSession::startNextDrill() {
    drill_ = std::exchange(nextDrill_, std::nullopt);
    for (int channel = 1; channel <= SoundChannels::kChannelCount; ++channel)
        sound_->stop(channel);
    sound_->setMessageParent(nullptr);
    driver_.reset();
    dialogs_.reset();
    window_.reset();
    pace_.reset();
    simulation_.reset();
    services_.log.reopen();
    start();
}

// The station's page offers the drills the Drills… button lists, by name without the
// extension, the program's before the user's of the same name; one started from there starts
// as from the button, once the page's command has been answered.
StationDrills SimulatorSession::stationDrills() {
    const auto playable = [folders = drillFolders(services_.programFolder)] {
        std::vector<DrillFile> files;
        for (DrillFile& file : readDrillFiles(folders)) {
            const auto sameName = [&file](const DrillFile& kept) {
                return kept.path.stem() == file.path.stem();
            };
            if (!file.error && std::none_of(files.begin(), files.end(), sameName))
                files.push_back(std::move(file));
        }
        return files;
    };
    StationDrills drills;
    drills.names = [playable] {
        std::vector<std::string> names;
        for (const DrillFile& file : playable())
            names.push_back(file.path.stem().string());
        return names;
    };
    drills.start = [this, playable](const std::string& name) -> std::optional<std::string> {
        for (DrillFile& file : playable()) {
            if (file.path.stem().string() == name) {
                QTimer::singleShot(0, this, [this, file = std::move(file)] { startDrill(file); });
                return std::nullopt;
            }
        }
        return "no drill named " + quotedExcerpt(name);
    };
    drills.running = [this]() -> std::optional<std::string> {
        if (!drill_)
            return std::nullopt;
        return drill_->path.stem().string();
    };
    return drills;
}

void SimulatorSession::showResultsViewer(const QString& recordingPath) {
    if (services_.showResults) {
        services_.showResults(window_.get(), *sound_, recordingPath);
        return;
    }
    showResultsUntilExit(
        services_.files, services_.messages, [this](int channel) { sound_->stop(channel); },
        recordingPath);
}

}  // namespace loopsim
