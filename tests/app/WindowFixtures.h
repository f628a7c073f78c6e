// What the window tests share: folders of their own in place of the user's stored settings
// and current folder, recording files as the simulator writes them, stand-ins for the wall
// clock, the audio outputs, the file dialogs and the message boxes, and a whole session of
// the simulator window as the program runs it, on a wall clock the test moves.
#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "app/ProgramEnd.h"
#include "app/dialogs/FileChooser.h"
#include "app/dialogs/SessionDialogs.h"
#include "app/dialogs/StartupWarning.h"
#include "app/dialogs/UserMessages.h"
#include "app/session/AppSettings.h"
#include "app/session/MonotonicClock.h"
#include "app/session/QtSoundBackend.h"
#include "app/session/RealTimeDriver.h"
#include "app/session/ScenarioFileLog.h"
#include "app/session/SimulatorSession.h"
#include "app/window/MainWindow.h"
#include "app/window/UnitView.h"
#include "files/LostSession.h"
#include "files/ScenarioPlay.h"
#include "files/StateDump.h"
#include "simulation/Simulation.h"

// The window tests' main: QTEST_MAIN's, ending the process as the programs do (see
// app/ProgramEnd.h), so a sound still being decoded at the end cannot hang the test.
#define LOOPSIM_TEST_MAIN(TestObject)                 \
    int main(int argc, char** argv) {                 \
        int status = 0;                               \
        {                                             \
            QApplication app(argc, argv);             \
            app.setAttribute(Qt::AA_Use96Dpi, true);  \
            TestObject test;                          \
            QTEST_SET_MAIN_SOURCE_PATH                \
            status = QTest::qExec(&test, argc, argv); \
        }                                             \
        loopsim::endProgram(status);                  \
    }

namespace loopsim::test {

// The stored settings in a temporary folder, never the user's own, and a temporary current
// folder for the recording file and the session log; the former current folder comes back
// when the folders go.
class TestFolders {
  public:
    TestFolders() : startFolder_(QDir::currentPath()) {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_.path());
        if (!settings_.isValid() || !run_.isValid() || !QDir::setCurrent(run_.path()))
            qFatal("no temporary folders for the test");
    }
    ~TestFolders() { QDir::setCurrent(startFolder_); }
    TestFolders(const TestFolders&) = delete;
    TestFolders& operator=(const TestFolders&) = delete;

    QString settingsPath() const { return settings_.path(); }

  private:
    QString startFolder_;
    QTemporaryDir settings_;
    QTemporaryDir run_;
};

// The stored settings of the program, in the folder TestFolders put in place of the user's.
inline QSettings programSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                     QString::fromLatin1(kSettingsOrganization),
                     QString::fromLatin1(kSettingsApplication));
}

inline QMap<QString, QString> settingsValues(const QSettings& settings) {
    QMap<QString, QString> values;
    for (const QString& key : settings.allKeys())
        values.insert(key, settings.value(key).toString());
    return values;
}

inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The lines as a text file's, each ending in a line break.
inline QByteArray asText(const QStringList& lines) {
    return lines.join('\n').toUtf8() + '\n';
}

// Whether the text is the expected file NAME of the test data; if not, it is written beside
// it as NAME.actual, for a person to look at and promote.
inline bool matchesGoldenFile(const QByteArray& text, const QString& name) {
    const QString path = QStringLiteral(LOOPSIM_TEST_DATA "/") + name;
    if (text == readFile(path))
        return true;
    writeFile(path + ".actual", text);
    return false;
}
#define LOOPSIM_COMPARE_GOLDEN(text, name) \
    QVERIFY2(matchesGoldenFile(text, name), name " differs; what was shown is in " name ".actual")

// A recording file as the simulator writes it: the header (unless left out), the data
// lines, the empty line and the end notice.
inline QByteArray recordingFile(const QList<QByteArray>& dataLines, bool withHeader = true) {
    QByteArray text = withHeader ? "\"Tarven Calvendrite Simulator\",#2024-05-01#,#10:00:00#\r\n"
                                   "\r\n\"Time (secs)\",\"Real PO2\",\"Handset PO2\",\"Depth\","
                                   "\"Setpoint\",\"loop Volume\",\"Status Messages\"\r\n\r\n"
                                 : "";
    for (const QByteArray& line : dataLines)
        text += line + "\r\n";
    return text + "\r\n\"" + kEndNotice + "\"\r\n";
}

// Data lines for seconds 1 to n with real PO2 0.5, handset PO2 0.49, depth 5, setpoint 0.7.
inline QList<QByteArray> steadyLines(int n) {
    QList<QByteArray> lines;
    for (int i = 1; i <= n; ++i)
        lines.append(QByteArray::number(i) + ",0.5,0.49,5,0.7,16,");
    return lines;
}

// The recording file without the date and time of its writing, which end its first line.
inline QByteArray withoutWrittenDate(const QByteArray& text) {
    return text.left(text.indexOf(",#")) + text.mid(text.indexOf("\r\n"));
}

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

// Answers the file dialogs in order; an empty answer, or none left, cancels.
class ScriptedFileChooser : public FileChooser {
  public:
    std::optional<QString> chooseFile(QWidget*, const FileRequest& request) override {
        requests.push_back(request);
        const QString answer = answers.isEmpty() ? QString() : answers.takeFirst();
        return answer.isEmpty() ? std::nullopt : std::optional(answer);
    }
    QStringList answers;
    std::vector<FileRequest> requests;
};

class CollectedMessages : public UserMessages {
  public:
    void showMessage(QWidget*, const QString& text) override { texts.append(text); }
    // Questions are collected with the messages and answered from the list; none left: No.
    bool askYesNo(QWidget*, const QString& text) override {
        texts.append(text);
        return !answers.isEmpty() && answers.takeFirst();
    }
    QStringList texts;
    QList<bool> answers;
};

inline std::filesystem::path runtimeFolder() {
    return LOOPSIM_RUNTIME_DIR;
}

inline const QString kNoAudioMessage =
    QStringLiteral("no sound device: the simulator runs silently");

// Presses the named button of the start-up warning as soon as it is on screen.
inline void answerStartupWarning(const char* button) {
    QTimer::singleShot(0, [button] {
        auto* warning = qobject_cast<StartupWarning*>(QApplication::activeModalWidget());
        if (!warning)
            qFatal("the start-up warning is not on screen");
        QTest::mouseClick(warning->findChild<QPushButton*>(button), Qt::LeftButton);
    });
}

// Clicks the push button of that name in the window.
inline void clickButton(const QWidget& window, const char* name) {
    window.findChild<QPushButton*>(QString::fromLatin1(name))->click();
}

// A click near the widget's left edge: on a check box, that is its tick square.
inline void clickNearTheLeftEdge(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
}

// The results viewer tests' base: each case in folders of its own, its file dialogs
// answered from a script, its messages collected.
class ViewerTestCase : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        folders_ = std::make_unique<TestFolders>();
        files = ScriptedFileChooser();
        messages = CollectedMessages();
    }
    void cleanup() { folders_.reset(); }

  protected:
    ScriptedFileChooser files;
    CollectedMessages messages;

  private:
    std::unique_ptr<TestFolders> folders_;
};

// A session of the simulator window from start-up to its end in folders of its own, its
// log in the current folder. The results viewer is only noted.
struct WindowSession {
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
    Simulation& simulation() const { return *session.simulation(); }
    SimulationState& state() const { return session.simulation()->state(); }
    MainWindow& window() const { return *session.window(); }
    SessionDialogs& dialogs() const { return *session.dialogs(); }
    QWidget* element(const char* name) const { return window().unit().element(name); }
    template <typename T>
    T* element(const char* name) const {
        return window().unit().element<T>(name);
    }
    QPushButton* control(const char* name) const {
        return window().findChild<QPushButton*>(QString::fromLatin1(name));
    }
    // A left-button click in the middle, as the user makes it.
    void click(const char* name) { click(element(name)); }
    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    QStringList logLines() const {
        return QString::fromUtf8(readFile(kSessionLogFileName)).split('\n', Qt::SkipEmptyParts);
    }
    // The logged actions, without the comment lines.
    QStringList actions() const {
        QStringList lines = logLines();
        lines.removeIf([](const QString& line) { return line.startsWith('#'); });
        return lines;
    }

    // The session's log played again on a fresh simulation ends in the session's own state.
    bool replaysAsRun() const {
        const std::string log = readFile(kSessionLogFileName).toStdString();
        const MemorySettingsStore noted = settingsNotedInLog(log);
        Simulation replay(&noted);
        const Scenario scenario = parseScenario(log, &replay.input());
        if (scenario.error || scenario.lines.size() != std::size_t(actions().size()) ||
            playScenario(replay, scenario, std::nullopt, [] {}))
            return false;
        replay.advanceTo(simulation().now());
        return stateDumpJson(replay, {}) == stateDumpJson(simulation(), {});
    }

    TestFolders folders;
    CollectedMessages messages;
    ScriptedFileChooser files;
    FakeWallClock wall;
    FakeAudioOutputs outputs;
    ScenarioFileLog log{kSessionLogFileName};
    // What was done already each time the results viewer showed, and the recording it showed.
    QStringList atViewer;
    QStringList viewerRecordings;
    SimulatorSession session{
        SessionServices{runtimeFolder(), messages, outputs, wall, log, files,
                        [this](QWidget* window, QtSoundBackend&, const QString& recording) {
                            viewerRecordings.append(recording);
                            atViewer.append(QStringLiteral("settings %1, recording %2, window %3")
                                                .arg(programSettings().contains("Settings/CO2"))
                                                .arg(QFile::exists(kRecordingFileName))
                                                .arg(window->isVisible() ? "shown" : "hidden"));
                        }}};
    QSignalSpy finished{&session, &SimulatorSession::finished};
};

}  // namespace loopsim::test
