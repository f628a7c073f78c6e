// A whole window session scripted with mouse and key events over a few simulated minutes,
// then played again from its session log by the runner: the recording files must be the
// same apart from the date and time they were written. Also the exit path's order and what
// it leaves in the current folder. Settings and files go to temporary folders.
#include <QCheckBox>
#include <QDir>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>
#include <memory>
#include <sstream>

#include "RecordingFiles.h"
#include "TestFolders.h"
#include "WindowFixtures.h"
#include "app/BailoutWindow.h"
#include "app/OptionsWindow.h"
#include "app/ScenarioFileLog.h"
#include "app/SessionDialogs.h"
#include "app/SimulatorSession.h"
#include "app/StartupWarning.h"
#include "headless/Runner.h"

using namespace loopsim;
using namespace loopsim::test;

namespace {

void acceptTheWarning() {
    QTimer::singleShot(0, [] {
        auto* warning = qobject_cast<StartupWarning*>(QApplication::activeModalWidget());
        QVERIFY(warning);
        QTest::mouseClick(warning->findChild<QPushButton*>("AcceptButton"), Qt::LeftButton);
    });
}

// The recording file with the date and time of its writing blanked out.
QByteArray withoutWrittenDate(QByteArray text) {
    const qsizetype firstComma = text.indexOf(",#");
    const qsizetype lineEnd = text.indexOf("\r\n");
    if (firstComma >= 0 && lineEnd > firstComma)
        text.replace(firstComma, lineEnd - firstComma, ",#DATE#,#TIME#");
    return text;
}

}  // namespace

class SessionReplayTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        folders_ = std::make_unique<TestFolders>();
        QVERIFY(folders_->entered());
        wall_.now = 0;
        log_ = std::make_unique<ScenarioFileLog>(kSessionLogFileName);
        outputs_ = std::make_unique<FakeAudioOutputs>(false);
        session_ = std::make_unique<SimulatorSession>(
            SessionServices{runtimeFolder(), messages_, *outputs_, wall_, *log_, files_,
                            [this](QWidget* window, QtSoundBackend&) { viewerOpened(window); }});
        viewerSaw_ = {};
        acceptTheWarning();
        QVERIFY(session_->start());
    }

    void cleanup() {
        session_.reset();
        log_.reset();
        folders_.reset();
    }

    void theExitPathWritesEverythingThenShowsTheViewer() {
        QSignalSpy finished(session_.get(), &SimulatorSession::finished);
        at(2500);
        QTest::mouseClick(element("Command1"), Qt::LeftButton);
        QVERIFY(finished.wait(5000));
        // By the time the viewer showed, the settings and the recording were written and
        // the main window was hidden.
        QVERIFY(viewerSaw_.opened);
        QVERIFY(viewerSaw_.settingsWritten);
        QVERIFY(viewerSaw_.recordingWritten);
        QVERIFY(viewerSaw_.windowHidden);
        const QStringList lines = logLines();
        QCOMPARE(lines.first(), QStringLiteral("# A session of the simulator window. Its stored "
                                               "settings at start, for"));
        QVERIFY(lines.contains("# CO2=14"));
        QCOMPARE(lines.mid(lines.size() - 2), (QStringList{"2.5 exit", "# The session ended."}));
    }

    void theCloseBoxIsTheExitButton() {
        QSignalSpy finished(session_.get(), &SimulatorSession::finished);
        at(1000);
        session_->window()->close();
        QVERIFY(finished.wait(5000));
        QVERIFY(viewerSaw_.opened && viewerSaw_.recordingWritten);
        QCOMPARE(logLines().mid(logLines().size() - 2),
                 (QStringList{"1 exit", "# The session ended."}));
    }

    void theBailoutExitWritesNothingButTheLog() {
        QSignalSpy finished(session_.get(), &SimulatorSession::finished);
        at(1000);
        QTest::mouseClick(element("Image20"), Qt::LeftButton);
        at(1200);
        QTest::mouseClick(session_->dialogs()->bailout().exitButton(), Qt::LeftButton);
        QVERIFY(finished.wait(5000));
        QVERIFY(!viewerSaw_.opened);
        QVERIFY(!QFile::exists(kRecordingFileName));
        QVERIFY(QDir(folders_->settingsPath()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));
        QCOMPARE(logLines().mid(logLines().size() - 2),
                 (QStringList{"1.2 click Bailout.Exit", "# The session ended."}));
    }

    // The session log, played by the runner, gives the session's own recording file.
    void aWindowSessionReplaysToTheSameRecording() {
        QSignalSpy finished(session_.get(), &SimulatorSession::finished);
        SessionDialogs& dialogs = *session_->dialogs();

        // Switch on the left handset and start it; a valve opened during its turn-on hold.
        at(500);
        click("LHOO");
        at(1000);
        click("Label8");
        at(1800);
        click("Image7");
        at(4000);
        click("Image7");
        // Mouthpiece open, regulator in: breathing.
        at(6250);
        click("Image18");
        at(7000);
        click("Image19");

        // The oxygen analysis typed in while the simulation runs on.
        at(12'000);
        QTest::mouseDClick(element("Label3"), Qt::LeftButton);
        QInputDialog* prompt = dialogs.openPrompt();
        QVERIFY(prompt);
        at(15'321);
        auto* edit = prompt->findChild<QLineEdit*>();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("32"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(session_->simulation()->state().OxygenAnalysis, 32.0);
        // A prompt cancelled.
        at(18'000);
        QTest::mouseDClick(element("Label3"), Qt::LeftButton);
        at(19'000);
        dialogs.openPrompt()->reject();

        // Options: a slow cell and a failed dump valve in one minute.
        at(25'040);
        click("Command2");
        OptionsWindow& options = dialogs.options();
        QVERIFY(options.isVisible());
        tick(options.box(3));
        at(27'000);
        tick(options.box(22));
        QTest::keyClick(options.slider(), Qt::Key_Right);
        at(29'999);
        QTest::mouseClick(options.button(1), Qt::LeftButton);
        QVERIFY(!options.isVisible());

        // Paused for half a minute of wall time, then on at five times the speed.
        at(40'000);
        QTest::mouseClick(control("PauseButton"), Qt::LeftButton);
        at(70'000);
        QCOMPARE(session_->simulation()->now(), 40'000);
        QTest::mouseClick(control("PauseButton"), Qt::LeftButton);
        at(80'000);
        QTest::mouseClick(control("Speed5"), Qt::LeftButton);
        // Wall 110 s: virtual 50 s + 5 × 30 s = 200 s.
        at(110'000);
        QCOMPARE(session_->simulation()->now(), 200'000);
        click("Image20");
        at(110'400);
        QTest::mouseClick(dialogs.bailout().returnButton(), Qt::LeftButton);
        at(111'000);
        click("Image19");
        QTest::mouseClick(control("Speed1"), Qt::LeftButton);
        at(140'000);
        click("Label9");
        at(151'234);
        QTest::mouseClick(element("Command1"), Qt::LeftButton);
        QVERIFY(finished.wait(5000));

        const QByteArray recording = readFile(kRecordingFileName);
        QVERIFY(recording.count("\r\n") > 200);
        const QStringList lines = logLines();
        QVERIFY(lines.contains("1.8 click Image7"));
        QVERIFY(lines.contains("15.321 answer 32"));
        QVERIFY(lines.contains("19 cancel"));
        QVERIFY(lines.contains("27 set Options.Slider1 1"));
        QVERIFY(lines.contains("40 pause"));
        QVERIFY(lines.contains("40 resume"));
        QVERIFY(lines.contains("50 speed 5"));
        QVERIFY(lines.contains("245.234 exit"));
        QVERIFY(!isLostSessionLog(kSessionLogFileName));

        RunOptions replay;
        replay.scenario = kSessionLogFileName;
        replay.out = "replay.csv";
        std::ostringstream out, err;
        QCOMPARE(runScenario(replay, out, err), kRunPlayed);
        QCOMPARE(QString::fromStdString(err.str()), QString());
        QCOMPARE(withoutWrittenDate(readFile("replay.csv")), withoutWrittenDate(recording));
    }

  private:
    // Moves the wall clock and lets the driver catch up, as its wake-up would.
    void at(std::int64_t millisecond) {
        wall_.now = millisecond;
        session_->driver()->catchUp();
    }
    QWidget* element(const char* name) const { return session_->window()->unit().element(name); }
    QPushButton* control(const char* name) const {
        return session_->window()->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    void click(const char* name) { QTest::mouseClick(element(name), Qt::LeftButton); }
    // A click on a check box's tick square.
    static void tick(QCheckBox* box) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }

    QStringList logLines() const {
        return QString::fromUtf8(readFile(kSessionLogFileName)).split('\n', Qt::SkipEmptyParts);
    }

    void viewerOpened(QWidget* window) {
        viewerSaw_.opened = true;
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Loopsim"),
                           QStringLiteral("Loopsim"));
        viewerSaw_.settingsWritten = settings.contains("Settings/CO2");
        viewerSaw_.recordingWritten = QFile::exists(kRecordingFileName);
        viewerSaw_.windowHidden = !window->isVisible();
    }

    struct ViewerSaw {
        bool opened = false;
        bool settingsWritten = false;
        bool recordingWritten = false;
        bool windowHidden = false;
    };

    std::unique_ptr<TestFolders> folders_;
    CollectedMessages messages_;
    ScriptedFileChooser files_;
    FakeWallClock wall_;
    std::unique_ptr<ScenarioFileLog> log_;
    std::unique_ptr<FakeAudioOutputs> outputs_;
    std::unique_ptr<SimulatorSession> session_;
    ViewerSaw viewerSaw_;
};

QTEST_MAIN(SessionReplayTest)
#include "SessionReplayTest.moc"
