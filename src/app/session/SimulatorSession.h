// One run of the simulator from start-up to exit. start() is the load step in its order:
// the main window with its status bar, the simulation (screen texts, stored settings,
// start values), the start-up warning, and then the main window shown with the clock
// running; a session log that cannot be written is told before the clock starts, and the
// session runs without it. Refusing the warning ends the session with nothing saved or
// written.
//
// The exit path (Exit or the close box): the settings are written, the recording file goes
// into the current folder, the main window hides and the results viewer is shown; then
// the session is finished. An ending without saving (the bail-out dialog's exit) only
// hides the window and finishes.
#pragma once

#include <QObject>
#include <filesystem>
#include <functional>
#include <memory>

#include "core/Action.h"
#include "core/Dialogs.h"

class QWidget;

namespace loopsim {

class AudioOutputs;
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
    // Shows the results viewer modally over the given window; the sound backend is there
    // for the viewer to stop the channels. Empty: the program's own results viewer.
    std::function<void(QWidget*, QtSoundBackend&)> showResults;
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

  signals:
    void finished();

  private:
    void buildWindowAndSimulation();
    void end(Ending ending);
    void act(const Action& action);
    void noteStoredSettings();
    void showResultsViewer();

    SessionServices services_;
    std::unique_ptr<PictureFiles> pictures_;
    std::unique_ptr<QtSoundBackend> sound_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<QtSettingsStore> settings_;
    std::unique_ptr<Simulation> simulation_;
    std::unique_ptr<RealTimeDriver> driver_;
    std::unique_ptr<SessionDialogs> dialogs_;
};

}  // namespace loopsim
