// What the window logs is a scenario the runner plays to the same recording: a whole session
// scripted with mouse and key events, and a session killed in the middle, whose log the
// next start offers to rebuild into the recording its exit would have written.
#include <QCheckBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QProcess>
#include <QSlider>
#include <QtTest>
#include <sstream>

#include "WindowFixtures.h"
#include "app/ProgramEnd.h"
#include "app/dialogs/BailoutWindow.h"
#include "app/dialogs/OptionsWindow.h"
#include "app/session/LostSessionOffer.h"
#include "app/session/QtSettingsStore.h"
#include "app/session/SessionFolderLock.h"
#include "app/window/UnitView.h"
#include "headless/Runner.h"

using namespace loopsim;
using namespace loopsim::test;

namespace {

// The runner's recording of the session log, and the settings it would store, from the
// settings the session started with.
QByteArray runnerRecording(QMap<QString, QString>* settings = nullptr) {
    RunOptions run;
    run.scenario = kSessionLogFileName;
    run.out = "runner.csv";
    run.settings = "runner.ini";
    std::ostringstream out, err;
    if (runScenario(run, out, err) != kRunPlayed || !err.str().empty())
        return "the runner refused the log: " + QByteArray::fromStdString(err.str());
    if (settings)
        *settings = settingsValues(QSettings("runner.ini", QSettings::IniFormat));
    return readFile("runner.csv");
}

// A window session that never ends by itself, for the test to kill: the folder taken as the
// program takes it, the start-up warning accepted, the clock at ten times the speed, and a
// round of clicks on the unit every 40 ms of wall time, all logged in the session log of the
// current folder; its stored settings in the given folder.
int runLostSessionChild(const QString& settingsFolder) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder);
    SessionFolderLock folderLock;
    if (folderLock.take() != FolderLock::Taken)
        return 3;
    FakeAudioOutputs outputs(false);
    CollectedMessages messages;
    ScriptedFileChooser files;
    ElapsedTimerClock wall;
    ScenarioFileLog log(kSessionLogFileName);
    SimulatorSession session({runtimeFolder(), messages, outputs, wall, log, files, {}});
    answerStartupWarning("AcceptButton");
    if (!session.start())
        return 1;
    QTest::mouseClick(session.window()->findChild<QPushButton*>("Speed10"), Qt::LeftButton);

    // Cylinders, both handsets on and started, mouthpiece and breathing, the handset
    // buttons, the environment's depth; round and round until killed.
    static const char* const kRound[] = {"Image7",  "Image4",  "LHOO",    "Label8",
                                         "RHOO",    "Label11", "Image18", "Image19",
                                         "Label10", "Label9",  "Image10", "Label8"};
    std::size_t next = 0;
    QTimer clicks;
    QObject::connect(&clicks, &QTimer::timeout, [&] {
        QWidget* element = session.window()->unit().element(kRound[next]);
        if (element && element->isVisible())
            QTest::mouseClick(element, Qt::LeftButton);
        next = (next + 1) % std::size(kRound);
    });
    clicks.start(40);
    return QApplication::exec();
}

}  // namespace

class ReplayTest : public QObject {
    Q_OBJECT

  private slots:
    void aWindowSessionReplaysToTheSameRecording() {
        WindowSession s;
        QVERIFY(s.start());
        // Switch on the left handset and start it; a valve opened during its turn-on hold.
        s.at(500);
        s.click("LHOO");
        s.at(1000);
        s.click("Label8");
        s.at(1800);
        s.click("Image7");
        s.at(4000);
        s.click("Image7");
        // Mouthpiece open, regulator in: breathing.
        s.at(6250);
        s.click("Image18");
        s.at(7000);
        s.click("Image19");

        // The oxygen analysis typed in while the simulation runs on; a prompt cancelled.
        s.at(12'000);
        QTest::mouseDClick(s.element("Label3"), Qt::LeftButton);
        s.at(15'321);
        auto* edit = s.dialogs().openPrompt()->findChild<QLineEdit*>();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("32"));
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(!s.dialogs().openPrompt());
        s.at(18'000);
        QTest::mouseDClick(s.element("Label3"), Qt::LeftButton);
        s.at(19'000);
        s.dialogs().openPrompt()->reject();

        // Options: a slow cell and a failed dump valve in one minute.
        s.at(25'040);
        s.click("Command2");
        OptionsWindow& options = s.dialogs().options();
        clickNearTheLeftEdge(options.box(3));
        s.at(27'000);
        clickNearTheLeftEdge(options.box(22));
        QTest::keyClick(options.slider(), Qt::Key_Right);
        s.at(29'999);
        s.click(options.button(1));

        // Paused for half a minute of wall time, then on at five times the speed.
        s.at(40'000);
        s.click(s.control("PauseButton"));
        s.at(70'000);
        s.click(s.control("PauseButton"));
        s.at(80'000);
        s.click(s.control("Speed5"));
        // Wall 110 s: virtual 50 s + 5 × 30 s = 200 s.
        s.at(110'000);
        QCOMPARE(s.simulation().now(), 200'000);
        s.click("Image20");
        s.at(110'400);
        s.click(s.dialogs().bailout().returnButton());
        s.at(111'000);
        s.click("Image19");
        s.click(s.control("Speed1"));
        s.at(140'000);
        s.click("Label9");
        s.at(151'234);
        s.messages.answers = {true};  // to end the session and write the recording
        s.click("Command1");
        QVERIFY(s.finished.wait(5000));

        const QByteArray recording = readFile(kRecordingFileName);
        QVERIFY(recording.count("\r\n") > 200);
        const QStringList lines = s.logLines();
        for (const char* line : {"15.321 answer 32", "19 cancel", "40 pause", "40 resume",
                                 "50 speed 5", "245.234 exit"})
            QVERIFY2(lines.contains(line), line);
        QCOMPARE(withoutWrittenDate(runnerRecording()), withoutWrittenDate(recording));
    }

    // The killed session's log rebuilds to the runner's recording and settings of that log.
    void aKilledSessionIsRebuiltAsTheRunnerPlaysItsLog() {
        TestFolders folders;
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {"--lost-session-child", folders.settingsPath()});
        QVERIFY(child.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(readFile(kSessionLogFileName).count('\n') > 160, 30'000);
        // While it runs, no second session may take the folder.
        QCOMPARE(SessionFolderLock().take(), FolderLock::HeldByAnotherSession);
        child.kill();
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        // Its lock is left behind, naming a process that is gone: the next start takes it.
        QVERIFY(QFile::exists(QStringLiteral("TarvenLoopsimData.scenario.lock")));
        QCOMPARE(SessionFolderLock().take(), FolderLock::Taken);
        QVERIFY(!QFile::exists(kRecordingFileName));
        QVERIFY(isLostSessionLog(kSessionLogFileName));
        QMap<QString, QString> runnerSettings;
        const QByteArray runner = runnerRecording(&runnerSettings);
        QVERIFY(runner.count("\r\n") > 4 + 10);

        CollectedMessages messages;
        messages.answers = {true};
        QtSettingsStore settings;
        int viewerShown = 0;
        QVERIFY(offerToRebuildLostSession(nullptr, messages, settings, [&] { ++viewerShown; }));
        settings.sync();
        QCOMPARE(messages.texts, QStringList{lostSessionQuestion()});
        QCOMPARE(viewerShown, 1);
        QCOMPARE(withoutWrittenDate(readFile(kRecordingFileName)), withoutWrittenDate(runner));
        QCOMPARE(settingsValues(programSettings()), runnerSettings);
        // Rebuilt once, the log is not offered again.
        QVERIFY(!offerToRebuildLostSession(nullptr, messages, settings, [&] { ++viewerShown; }));
        QCOMPARE(messages.texts.size(), 1);
    }

    // A session the bail-out window's Exit ended: its debrief is offered, shown when taken;
    // a lost or an ended session's log is not offered this way. A lost session's rebuild
    // refused writes nothing and leaves the log a lost session's, to be offered again; one
    // accepted for a log that cannot be played writes nothing and sets the log aside whole.
    void offersThatRebuildNothing() {
        const std::string bailedOut = "1 tap Image20\n2 tap Bailout.Exit\n# " +
                                      std::string(kSessionBailedOutNote) +
                                      "\n# The session ended.\n";
        const QString lost = lostSessionQuestion();
        const struct {
            bool rebuild;  // the lost session's offer, else the bailed-out session's
            std::string log;
            bool answer;
            QStringList said;
            int shown;
        } rows[] = {
            {false, bailedOut, true, {bailedOutDebriefQuestion()}, 1},
            {false, bailedOut, false, {bailedOutDebriefQuestion()}, 0},
            {false, "1 exit\n# The session ended.\n", true, {}, 0},
            {false, "1 tap Image20\n", true, {}, 0},
            {true, "# [Settings]\n0.5 click LHOO\n3 click Image7\n", false, {lost}, 0},
            {true,
             "0.5 click LHOO\n3 click Nothing\n",
             true,
             {lost, lostSessionFailure("line 2: unknown element 'Nothing'",
                                       "TarvenLoopsimData-kept-1.scenario")},
             0},
        };
        for (const auto& row : rows) {
            TestFolders folders;
            QVERIFY(writeFile(kSessionLogFileName, QByteArray::fromStdString(row.log)));
            CollectedMessages messages;
            messages.answers = {row.answer};
            QtSettingsStore settings;
            int shown = 0;
            const auto show = [&] { ++shown; };
            QCOMPARE(row.rebuild ? offerToRebuildLostSession(nullptr, messages, settings, show)
                                 : offerBailedOutDebrief(nullptr, messages, show),
                     row.shown == 1);
            QCOMPARE(messages.texts, row.said);
            QCOMPARE(shown, row.shown);
            QVERIFY(!QFile::exists(kRecordingFileName));
            const bool setAside = row.rebuild && row.answer;
            QCOMPARE(readFile(setAside ? "TarvenLoopsimData-kept-1.scenario" : kSessionLogFileName),
                     QByteArray::fromStdString(row.log));
            QVERIFY(!row.rebuild || setAside || isLostSessionLog(kSessionLogFileName));
            QCOMPARE(QFile::exists(kSessionLogFileName), !setAside);
        }
    }
};

// With --lost-session-child SETTINGS-FOLDER, the program is the session the test kills.
int main(int argc, char** argv) {
    int status = 0;
    {
        QApplication app(argc, argv);
        if (argc == 3 && QByteArray(argv[1]) == "--lost-session-child") {
            status = runLostSessionChild(QString::fromLocal8Bit(argv[2]));
        } else {
            ReplayTest test;
            status = QTest::qExec(&test, argc, argv);
        }
    }
    endProgram(status);
}
#include "ReplayTest.moc"
