// A whole window session scripted with mouse and key events over a few simulated minutes,
// then played again from its session log by the runner: the recording files must be the
// same apart from the date and time they were written. Settings and files go to temporary
// folders.
#include <QCheckBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QSlider>
#include <QStandardPaths>
#include <QtTest>
#include <sstream>

#include "RecordingFiles.h"
#include "TestFolders.h"
#include "WindowFixtures.h"
#include "app/dialogs/BailoutWindow.h"
#include "app/dialogs/OptionsWindow.h"
#include "app/dialogs/SessionDialogs.h"
#include "headless/Runner.h"

using namespace loopsim;
using namespace loopsim::test;

class SessionReplayTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // The session log, played by the runner, gives the session's own recording file.
    void aWindowSessionReplaysToTheSameRecording() {
        TestFolders folders;
        QVERIFY(folders.entered());
        WindowSession s;
        QVERIFY(s.start());
        SessionDialogs& dialogs = *s.session.dialogs();
        const auto control = [&s](const char* name) {
            return s.session.window()->findChild<QPushButton*>(QString::fromLatin1(name));
        };

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

        // The oxygen analysis typed in while the simulation runs on.
        s.at(12'000);
        QTest::mouseDClick(s.element("Label3"), Qt::LeftButton);
        QInputDialog* prompt = dialogs.openPrompt();
        QVERIFY(prompt);
        s.at(15'321);
        auto* edit = prompt->findChild<QLineEdit*>();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("32"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(s.session.simulation()->state().OxygenAnalysis, 32.0);
        // A prompt cancelled.
        s.at(18'000);
        QTest::mouseDClick(s.element("Label3"), Qt::LeftButton);
        s.at(19'000);
        dialogs.openPrompt()->reject();

        // Options: a slow cell and a failed dump valve in one minute.
        s.at(25'040);
        s.click("Command2");
        OptionsWindow& options = dialogs.options();
        QVERIFY(options.isVisible());
        clickNearTheLeftEdge(options.box(3));
        s.at(27'000);
        clickNearTheLeftEdge(options.box(22));
        QTest::keyClick(options.slider(), Qt::Key_Right);
        s.at(29'999);
        s.click(options.button(1));
        QVERIFY(!options.isVisible());

        // Paused for half a minute of wall time, then on at five times the speed.
        s.at(40'000);
        s.click(control("PauseButton"));
        s.at(70'000);
        QCOMPARE(s.session.simulation()->now(), 40'000);
        s.click(control("PauseButton"));
        s.at(80'000);
        s.click(control("Speed5"));
        // Wall 110 s: virtual 50 s + 5 × 30 s = 200 s.
        s.at(110'000);
        QCOMPARE(s.session.simulation()->now(), 200'000);
        s.click("Image20");
        s.at(110'400);
        s.click(dialogs.bailout().returnButton());
        s.at(111'000);
        s.click("Image19");
        s.click(control("Speed1"));
        s.at(140'000);
        s.click("Label9");
        s.at(151'234);
        s.click("Command1");
        QVERIFY(s.finished.wait(5000));

        const QByteArray recording = readFile(kRecordingFileName);
        QVERIFY(recording.count("\r\n") > 200);
        const QStringList lines = s.logLines();
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
};

QTEST_MAIN(SessionReplayTest)
#include "SessionReplayTest.moc"
