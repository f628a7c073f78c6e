// One run of the simulator from start-up to exit. start() is the load step in its order:
// the main window with its status bar, the simulation (screen texts, stored settings,
// start values), the start-up warning, and then the main window shown with the clock
// running; a session log that cannot be written is told before the clock starts, and the
// session runs without it. Refusing the warning ends the session with nothing saved or
// written.
//
// The exit path (Exit or the close box, which ask first once the session has run a minute):
// the settings are written, the main window hides, the recording file goes into the current
// folder (or, when it cannot, where the user chooses, with a copy of the finished log beside
// it), the log is marked ended once the recording is safe, and the results viewer is shown on
// the recording where it was written; then the session is finished. An
// ending without saving (the bail-out dialog's exit) only hides the window and finishes,
// keeping the log for a debrief at the next start. Without a sound device, a light on the
// unit flashes for the alarms.
//
// A drill (the Drills… button) ends the session by the exit path, without the results
// viewer, and the session starts again on a fresh simulation with the drill: the start-up
// warning, accepted already, is not shown again; the log, written afresh, names the drill
// and holds its start and injections among the trainee's actions.
#pragma once

#include <QObject>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "app/session/DrillFiles.h"
#include "app/station/StationControls.h"
#include "core/Action.h"
#include "core/Dialogs.h"
#include "core/SettingsStore.h"

class QWidget;

namespace loopsim {

class AudioOutputs;
class DrillPace;
class FileChooser;
class MainWindow;
class MonotonicClock;
class PictureFiles;
class QtSettingsStore;
class QtSoundBackend;
class RealTimeDriver;
class SessionDialogs;
class SessionLog;
class Simulation;
class UserMessages;

struct SessionServices {
    std::filesystem::path programFolder;  // the pictures, and Sounds/ beneath
    UserMessages& messages;
    const AudioOutputs& audioOutputs;
    const MonotonicClock& wallClock;
    SessionLog& log;
    FileChooser& files;
    // Shows the results viewer modally over the given window on the recording at that path;
    // the sound backend is there for the viewer to stop the channels. Empty: the program's
    // own results viewer.
    std::function<void(QWidget*, QtSoundBackend&, const QString&)> showResults;
};

class SimulatorSession : public QObject {
    Q_OBJECT

  public:
    explicit SimulatorSession(SessionServices services);
    ~SimulatorSession() override;

    // Runs the load step; false when the warning was refused.
    bool start();

    MainWindow* window() const { return window_.get(); }
    Simulation* simulation() const { return simulation_.get(); }
    RealTimeDriver* driver() const { return driver_.get(); }
    QtSoundBackend& sound() const { return *sound_; }
    SessionDialogs* dialogs() const { return dialogs_.get(); }
    // The drill the session plays, if any.
    const DrillFile* drill() const { return drill_ ? &*drill_ : nullptr; }

    // Ends the session as Exit does, then plays the drill on a fresh simulation.
    void startDrill(DrillFile drill);

  signals:
    void finished();

  private:
    void buildWindowAndSimulation();
    void end(Ending ending);
    void act(const Action& action);
    // The stored settings the simulation started from: the user's, or a drill's over them.
    const SettingsStore& startSettings() const;
    void noteStoredSettings(const SettingsStore& startFrom);
    void saveSettings();
    void showResultsViewer(const QString& recordingPath);
    void chooseDrill();
    void startNextDrill();
    StationDrills stationDrills();

    SessionServices services_;
    std::unique_ptr<PictureFiles> pictures_;
    std::unique_ptr<QtSoundBackend> sound_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<QtSettingsStore> settings_;
    std::unique_ptr<Simulation> simulation_;
    std::optional<DrillFile> drill_;
    MemorySettingsStore drilledSettings_;
    std::optional<DrillFile> nextDrill_;
    std::unique_ptr<DrillPace> pace_;
    std::unique_ptr<RealTimeDriver> driver_;
    std::unique_ptr<SessionDialogs> dialogs_;
    StationControls* station_ = nullptr;  // the main window owns it
    std::optional<StationControls::Listening> stationBefore_;
};

}  // namespace loopsim
