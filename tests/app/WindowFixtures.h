// What the window tests share: a wall clock moved by hand, audio outputs that are there or
// not as a test says, a simulation with its main window and driver on that clock, and a
// whole session of the window as the program runs it.
#pragma once

#include <QApplication>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <memory>

#include "RecordingFiles.h"
#include "app/dialogs/StartupWarning.h"
#include "app/session/AppSettings.h"
#include "app/session/MonotonicClock.h"
#include "app/session/QtSoundBackend.h"
#include "app/session/RealTimeDriver.h"
#include "app/session/ScenarioFileLog.h"
#include "app/session/SessionLog.h"
#include "app/session/SimulatorSession.h"
#include "app/window/ElementKinds.h"
#include "app/window/MainWindow.h"
#include "app/window/PictureFiles.h"
#include "app/window/UnitView.h"
#include "files/Scenario.h"
#include "simulation/Simulation.h"

namespace loopsim::test {

class FakeWallClock : public MonotonicClock {
  public:
    std::int64_t elapsedMilliseconds() const override { return now; }
    std::int64_t now = 0;
};

class FakeAudioOutputs : public AudioOutputs {
  public:
    explicit FakeAudioOutputs(bool present) : present_(present) {}
    bool available() const override { return present_; }

  private:
    bool present_;
};

inline std::filesystem::path runtimeFolder() {
    return LOOPSIM_RUNTIME_DIR;
}

// The logged actions as the session log's lines.
inline QStringList loggedLines(const MemorySessionLog& log) {
    QStringList lines;
    for (const auto& entry : log.entries)
        lines.append(QString::fromStdString(formatScenarioLine(entry.time, entry.action)));
    return lines;
}

// The stored settings of the program, in the folder TestFolders put in place of the user's.
inline QSettings programSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                     QString::fromLatin1(kSettingsOrganization),
                     QString::fromLatin1(kSettingsApplication));
}

// A simulation shown in its main window, driven by a clock the test moves.
struct WindowedSimulation {
    FakeWallClock wall;
    MemorySessionLog log;
    PictureFiles pictures{runtimeFolder()};
    Simulation simulation;
    MainWindow window{pictures};
    RealTimeDriver driver{simulation, wall, log};

    WindowedSimulation() {
        simulation.sound().setLogging(true);
        window.attach(simulation, driver);
        window.show();
        driver.start();
    }

    // Moves the wall clock to the given millisecond and lets the driver catch up.
    void runUntil(std::int64_t millisecond) {
        wall.now = millisecond;
        driver.catchUp();
    }

    QWidget* element(const char* name) const { return window.unit().element(name); }
    template <typename T>
    T* element(const char* name) const {
        return window.unit().element<T>(name);
    }
    // A left-button click in the middle of the element, as the user makes it.
    void click(const char* name) { QTest::mouseClick(element(name), Qt::LeftButton); }
};

// Presses the named button of the start-up warning as soon as it is on screen.
inline void answerStartupWarning(const char* button) {
    QTimer::singleShot(0, [button] {
        auto* warning = qobject_cast<StartupWarning*>(QApplication::activeModalWidget());
        if (!warning)
            qFatal("the start-up warning is not on screen");
        QTest::mouseClick(warning->findChild<QPushButton*>(button), Qt::LeftButton);
    });
}

// A click near the widget's left edge: on a check box, that is its tick square.
inline void clickNearTheLeftEdge(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
}

// A session of the simulator window from start-up to its end, its log in the current
// folder, on a wall clock the test moves. The results viewer is only noted, with what was
// already written when it showed.
struct WindowSession {
    struct AtViewer {
        int shown = 0;
        bool settingsWritten = false;
        bool recordingWritten = false;
        bool windowHidden = false;
    };

    explicit WindowSession(bool audio = false) : outputs(audio) {}

    // Starts the session, answering the start-up warning with the named button.
    bool start(const char* warningButton = "AcceptButton") {
        answerStartupWarning(warningButton);
        return session.start();
    }
    // Moves the wall clock and lets the driver catch up, as its wake-up would.
    void at(std::int64_t millisecond) {
        wall.now = millisecond;
        session.driver()->catchUp();
    }
    QWidget* element(const char* name) const { return session.window()->unit().element(name); }
    void click(const char* name) { QTest::mouseClick(element(name), Qt::LeftButton); }
    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    QStringList logLines() const {
        return QString::fromUtf8(readFile(kSessionLogFileName)).split('\n', Qt::SkipEmptyParts);
    }

    CollectedMessages messages;
    ScriptedFileChooser files;
    FakeWallClock wall;
    FakeAudioOutputs outputs;
    ScenarioFileLog log{kSessionLogFileName};
    AtViewer atViewer;
    SimulatorSession session{SessionServices{runtimeFolder(), messages, outputs, wall, log, files,
                                             [this](QWidget* window, QtSoundBackend&) {
                                                 ++atViewer.shown;
                                                 atViewer.settingsWritten =
                                                     programSettings().contains("Settings/CO2");
                                                 atViewer.recordingWritten =
                                                     QFile::exists(kRecordingFileName);
                                                 atViewer.windowHidden = !window->isVisible();
                                             }}};
    QSignalSpy finished{&session, &SimulatorSession::finished};
};

}  // namespace loopsim::test
