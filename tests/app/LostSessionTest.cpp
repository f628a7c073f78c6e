// A session killed in the middle leaves its log and no recording file. At the next start
// the window offers to rebuild the recording; accepted, the file is what the exit path
// would have written at the last logged action: the same actions given to a session of the
// window at their times, then Exit at the last of them. Settings and files go to
// temporary folders.
#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "RecordingFiles.h"
#include "TestFolders.h"
#include "WindowFixtures.h"
#include "app/LostSessionOffer.h"
#include "app/QtSettingsStore.h"
#include "app/SessionFolderLock.h"
#include "app/SimulatorSession.h"
#include "app/StartupWarning.h"
#include "core/Scenario.h"
#include "tools/LostSession.h"

using namespace loopsim;
using namespace loopsim::test;

namespace {

int actionLines(const QByteArray& log) {
    int count = 0;
    for (const QByteArray& line : log.split('\n'))
        count += !line.isEmpty() && !line.startsWith('#');
    return count;
}

QMap<QString, QString> storedSettings() {
    const QSettings settings = programSettings();
    QMap<QString, QString> values;
    for (const QString& key : settings.allKeys())
        values.insert(key, settings.value(key).toString());
    return values;
}

}  // namespace

class LostSessionTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void aKilledSessionIsRebuiltAsItsExitWouldHaveWrittenIt() {
        TestFolders folders;
        QVERIFY(folders.entered());

        QProcess child;
        child.setWorkingDirectory(folders.runPath());
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QStringLiteral(LOOPSIM_LOST_SESSION_CHILD), {folders.settingsPath()});
        QVERIFY(child.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(actionLines(readFile(kSessionLogFileName)) >= 150, 30'000);
        // While it runs, no second session may take the folder.
        QVERIFY(!SessionFolderLock().take());
        child.kill();
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        // Its lock is left behind, naming a process that is gone: the next start takes it.
        QVERIFY(QFile::exists(QStringLiteral("TarvenLoopsimData.scenario.lock")));
        QVERIFY(SessionFolderLock().take());
        QVERIFY(!QFile::exists(kRecordingFileName));
        const QByteArray lostLog = readFile(kSessionLogFileName);
        QVERIFY(isLostSessionLog(kSessionLogFileName));

        QByteArray exitRecording;
        QMap<QString, QString> exitSettings;
        playThroughTheExitPath(lostLog, exitRecording, exitSettings);
        QVERIFY(exitRecording.count("\r\n") > 4 + 10);
        programSettings().clear();

        CollectedMessages messages;
        messages.answers = {true};
        QtSettingsStore settings;
        int viewerShown = 0;
        QVERIFY(offerToRebuildLostSession(nullptr, messages, settings, [&] { ++viewerShown; }));
        settings.sync();
        QCOMPARE(messages.texts, QStringList{lostSessionQuestion()});
        QCOMPARE(viewerShown, 1);
        QCOMPARE(withoutWrittenDate(readFile(kRecordingFileName)),
                 withoutWrittenDate(exitRecording));
        QCOMPARE(storedSettings(), exitSettings);

        // Rebuilt once, the log is not offered again.
        QVERIFY(!offerToRebuildLostSession(nullptr, messages, settings, [&] { ++viewerShown; }));
        QCOMPARE(messages.texts.size(), 1);
    }

    void aRefusedOfferWritesNothing() {
        TestFolders folders;
        QVERIFY(folders.entered());
        QVERIFY(writeFile(kSessionLogFileName, "# [Settings]\n0.5 click LHOO\n3 click Image7\n"));
        CollectedMessages messages;
        messages.answers = {false};
        QtSettingsStore settings;
        QVERIFY(!offerToRebuildLostSession(nullptr, messages, settings, [] {}));
        QCOMPARE(messages.texts, QStringList{lostSessionQuestion()});
        QVERIFY(!QFile::exists(kRecordingFileName));
        QVERIFY(isLostSessionLog(kSessionLogFileName));
    }

    void aLogThatCannotBePlayedIsExplained() {
        TestFolders folders;
        QVERIFY(folders.entered());
        QVERIFY(writeFile(kSessionLogFileName, "0.5 click LHOO\n3 click Nothing\n"));
        CollectedMessages messages;
        messages.answers = {true};
        QtSettingsStore settings;
        QVERIFY(!offerToRebuildLostSession(nullptr, messages, settings, [] {}));
        QCOMPARE(messages.texts,
                 (QStringList{lostSessionQuestion(),
                              lostSessionFailure("line 2: unknown element 'Nothing'")}));
        QVERIFY(!QFile::exists(kRecordingFileName));
    }

  private:
    // The log's actions given to a new session of the window in a folder of its own, each at
    // its logged time (the clock changes left out: they change nothing but the wall clock's
    // pace), then Exit at the last one, as the user would click it. Hands back its recording file
    // and stored settings.
    void playThroughTheExitPath(const QByteArray& log, QByteArray& recording,
                                QMap<QString, QString>& settings) {
        QDir(QDir::currentPath()).mkdir("exit");
        const QString lostFolder = QDir::currentPath();
        QVERIFY(QDir::setCurrent("exit"));
        FakeWallClock wall;
        FakeAudioOutputs outputs(false);
        CollectedMessages messages;
        ScriptedFileChooser files;
        MemorySessionLog sessionLog;
        SimulatorSession session(
            {runtimeFolder(), messages, outputs, wall, sessionLog, files, [](auto*, auto&) {}});
        QTimer::singleShot(0, [] {
            auto* warning = qobject_cast<StartupWarning*>(QApplication::activeModalWidget());
            QTest::mouseClick(warning->findChild<QPushButton*>("AcceptButton"), Qt::LeftButton);
        });
        QVERIFY(session.start());

        const Scenario scenario = parseScenario(log.toStdString(), &session.simulation()->input());
        QVERIFY(!scenario.error);
        for (const ScenarioLine& line : scenario.lines) {
            wall.now = line.time;
            session.driver()->catchUp();
            if (line.action.verb != Verb::Pause && line.action.verb != Verb::Resume &&
                line.action.verb != Verb::Speed)
                session.driver()->apply(line.action);
        }
        QSignalSpy finished(&session, &SimulatorSession::finished);
        QTest::mouseClick(session.window()->unit().element("Command1"), Qt::LeftButton);
        // Given during a turn-on hold, Exit is taken when the hold ends.
        wall.now += 5000;
        session.driver()->catchUp();
        QVERIFY(finished.wait(5000));
        recording = readFile(kRecordingFileName);
        settings = storedSettings();
        QVERIFY(QDir::setCurrent(lostFolder));
    }
};

QTEST_MAIN(LostSessionTest)
#include "LostSessionTest.moc"
