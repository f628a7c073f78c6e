// A session killed in the middle leaves its log and no recording file. At the next start
// the window offers to rebuild the recording; accepted, the file is what the exit path
// would have written at the last logged action: the same actions given to a session of the
// window at their times, then Exit at the last of them. Settings and files go to
// temporary folders.
#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QtTest>

#include "RecordingFiles.h"
#include "TestFolders.h"
#include "WindowFixtures.h"
#include "app/session/LostSessionOffer.h"
#include "app/session/QtSettingsStore.h"
#include "app/session/SessionFolderLock.h"
#include "app/session/SimulatorSession.h"
#include "files/LostSession.h"
#include "files/Scenario.h"

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

    // Refused, or accepted for a log that cannot be played: nothing is written and the log
    // stays a lost session's, to be offered again.
    void anOfferThatRebuildsNothingLeavesTheLogAsItWas() {
        const struct {
            const char* log;
            bool answer;
            QStringList said;
        } rows[] = {
            {"# [Settings]\n0.5 click LHOO\n3 click Image7\n", false, {lostSessionQuestion()}},
            {"0.5 click LHOO\n3 click Nothing\n",
             true,
             {lostSessionQuestion(), lostSessionFailure("line 2: unknown element 'Nothing'")}},
        };
        for (const auto& row : rows) {
            TestFolders folders;
            QVERIFY(folders.entered());
            QVERIFY(writeFile(kSessionLogFileName, row.log));
            CollectedMessages messages;
            messages.answers = {row.answer};
            QtSettingsStore settings;
            QVERIFY(!offerToRebuildLostSession(nullptr, messages, settings, [] {}));
            QCOMPARE(messages.texts, row.said);
            QVERIFY(!QFile::exists(kRecordingFileName));
            QVERIFY(isLostSessionLog(kSessionLogFileName));
        }
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
        WindowSession exitSession;
        QVERIFY(exitSession.start());
        SimulatorSession& session = exitSession.session;
        const Scenario scenario = parseScenario(log.toStdString(), &session.simulation()->input());
        QVERIFY(!scenario.error);
        for (const ScenarioLine& line : scenario.lines) {
            exitSession.at(line.time);
            if (line.action.verb != Verb::Pause && line.action.verb != Verb::Resume &&
                line.action.verb != Verb::Speed)
                session.driver()->apply(line.action);
        }
        exitSession.click("Command1");
        // Given during a turn-on hold, Exit is taken when the hold ends.
        exitSession.at(exitSession.wall.now + 5000);
        QVERIFY(exitSession.finished.wait(5000));
        recording = readFile(kRecordingFileName);
        settings = storedSettings();
        QVERIFY(QDir::setCurrent(lostFolder));
    }
};

QTEST_MAIN(LostSessionTest)
#include "LostSessionTest.moc"
