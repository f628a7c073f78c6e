#include "app/SimulatorSession.h"

#include <QSettings>

#include "app/AppSettings.h"
#include "app/BugReport.h"
#include "app/BugReportForm.h"
#include "app/DialogPresenter.h"
#include "app/MainWindow.h"
#include "app/PictureFiles.h"
#include "app/QtSettingsStore.h"
#include "app/QtSoundBackend.h"
#include "app/RealTimeDriver.h"
#include "app/ResultsViewer.h"
#include "app/StartupWarning.h"
#include "app/UserMessages.h"
#include "core/Simulation.h"
#include "tools/RecordingFile.h"

namespace loopsim {

SimulatorSession::SimulatorSession(SessionServices services)
    : services_(std::move(services)),
      pictures_(std::make_unique<PictureFiles>(services_.programFolder)),
      sound_(std::make_unique<QtSoundBackend>(services_.programFolder / "Sounds",
                                              services_.audioOutputs, services_.messages)) {}

SimulatorSession::~SimulatorSession() = default;

bool SimulatorSession::start() {
    window_ = std::make_unique<MainWindow>(*pictures_);
    settings_ = std::make_unique<QtSettingsStore>();
    simulation_ = std::make_unique<Simulation>(settings_.get());
    simulation_->sound().setLogging(false);
    simulation_->sound().setBackend(sound_.get());

    simulation_->state().DisclaimerAccepted = 0;
    {
        StartupWarning warning(*pictures_, *sound_);
        sound_->setMessageParent(&warning);
        if (warning.exec() != QDialog::Accepted)
            return false;
    }
    simulation_->state().DisclaimerAccepted = 1;
    sound_->setMessageParent(window_.get());

    driver_ = std::make_unique<RealTimeDriver>(*simulation_, services_.wallClock, services_.log);
    prompts_ = std::make_unique<PromptPresenter>(
        window_.get(), [this](const Action& action) { driver_->apply(action); });
    window_->setDialogPresenter(prompts_.get());
    window_->attach(*simulation_, *driver_);
    connect(window_.get(), &MainWindow::endingRequested, this, &SimulatorSession::end,
            Qt::QueuedConnection);
    connect(window_.get(), &MainWindow::bugReportRequested, this, &SimulatorSession::reportBug);
    window_->show();
    driver_->start();
    return true;
}

void SimulatorSession::end(Ending ending) {
    driver_->stop();
    if (ending == Ending::ExitPath) {
        simulation_->saveSettings(*settings_);
        settings_->sync();
        if (auto error = writeRecordingFile(kRecordingFileName, simulation_->recording().table(),
                                            simulation_->state().RecordIndex, localCalendarTime()))
            qWarning("loopsim: %s", error->c_str());
        window_->hide();
        showResultsViewer();
    } else {
        window_->hide();
    }
    emit finished();
}

void SimulatorSession::showResultsViewer() {
    if (services_.showResults) {
        services_.showResults(window_.get(), *sound_);
        return;
    }
    ResultsViewer viewer(services_.files, services_.messages);
    connect(&viewer, &ResultsViewer::stopSoundChannel, &viewer,
            [this](int channel) { sound_->stop(channel); });
    connect(&viewer, &ResultsViewer::exitRequested, &viewer, &QDialog::accept);
    viewer.exec();
}

void SimulatorSession::reportBug() {
    const QSettings settings(QString::fromLatin1(kSettingsOrganization),
                             QString::fromLatin1(kSettingsApplication));
    BugReportForm form(supportAddress(settings), services_.messages, window_.get());
    form.exec();
}

}  // namespace loopsim
