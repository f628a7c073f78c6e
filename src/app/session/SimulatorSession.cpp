#include "app/session/SimulatorSession.h"

#include <QSettings>
#include <QTimer>

#include "app/dialogs/BugReport.h"
#include "app/dialogs/BugReportForm.h"
#include "app/dialogs/SessionDialogs.h"
#include "app/dialogs/StartupWarning.h"
#include "app/dialogs/UserMessages.h"
#include "app/results/ResultsViewer.h"
#include "app/session/AppSettings.h"
#include "app/session/QtSettingsStore.h"
#include "app/session/QtSoundBackend.h"
#include "app/session/RealTimeDriver.h"
#include "app/session/SessionFolderLock.h"
#include "app/session/SessionLog.h"
#include "app/window/MainWindow.h"
#include "app/window/PictureFiles.h"
#include "core/Format.h"
#include "core/SettingsStore.h"
#include "files/LostSession.h"
#include "files/RecordingFile.h"
#include "simulation/Simulation.h"

namespace loopsim {

SimulatorSession::SimulatorSession(SessionServices services)
    : services_(std::move(services)),
      pictures_(std::make_unique<PictureFiles>(services_.programFolder)),
      sound_(std::make_unique<QtSoundBackend>(services_.programFolder / "Sounds",
                                              services_.audioOutputs, services_.messages)) {}

SimulatorSession::~SimulatorSession() = default;

void SimulatorSession::buildWindowAndSimulation() {
    window_ = std::make_unique<MainWindow>(*pictures_);
    settings_ = std::make_unique<QtSettingsStore>();
    simulation_ = std::make_unique<Simulation>(settings_.get());
    simulation_->sound().setBackend(sound_.get());
    simulation_->state().DisclaimerAccepted = 0;
}

bool SimulatorSession::start() {
    {
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
            return new BugReportForm(supportAddress(settings), services_.messages, parent);
        });
    window_->setDialogPresenter(dialogs_.get());
    window_->attach(*simulation_, *driver_);
    connect(window_.get(), &MainWindow::endingRequested, this, &SimulatorSession::end,
            Qt::QueuedConnection);
    noteStoredSettings();
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

// The runner starts from the same stored values when given them as its settings file. They
// are noted as the numbers the simulation starts from, never as the stored text, which a
// user may have edited into anything (a line break would make it a line of the log).
void SimulatorSession::noteStoredSettings() {
    services_.log.note("A session of the simulator window. Its stored settings at start, for");
    services_.log.note("loopsim-run --settings FILE.ini:");
    services_.log.note("[Settings]");
    for (const StoredSetting& setting :
         {kScrubberSetting, kLeftTimerSetting, kLeftBatterySetting, kRightBatterySetting}) {
        services_.log.note(std::string(setting.key) + "=" +
                           formatRoundTrip(readStoredNumber(*settings_, setting)));
    }
}

void SimulatorSession::end(Ending ending) {
    driver_->stop();
    dialogs_->hideAll();
    if (ending == Ending::ExitPath) {
        simulation_->saveSettings(*settings_);
        settings_->sync();
        const auto error =
            writeRecordingFile(kRecordingFileName, simulation_->recording().table(),
                               simulation_->state().RecordIndex, localCalendarTime());
        services_.log.finish();
        window_->hide();
        if (error)
            services_.messages.showMessage(
                nullptr, recordingFailureMessage(QString::fromStdString(*error),
                                                 !services_.log.error().has_value()));
        showResultsViewer();
    } else {
        services_.log.note(kSessionBailedOutNote);
        services_.log.finish();
        window_->hide();
    }
    emit finished();
}

void SimulatorSession::showResultsViewer() {
    if (services_.showResults) {
        services_.showResults(window_.get(), *sound_);
        return;
    }
    showResultsUntilExit(services_.files, services_.messages,
                         [this](int channel) { sound_->stop(channel); });
}

}  // namespace loopsim
