// A session of the simulator window from start-up to its end: the warning refused, the
// stored settings restored and written back, the exit path's order, the other endings; the
// real-time driver's wake-ups, speeds and pauses; the sound output's file lookup and the
// machine without audio outputs; a session log that cannot be written.
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QtTest>

#include "WindowFixtures.h"
#include "app/dialogs/BailoutWindow.h"
#include "app/session/SessionFolderLock.h"
#include "core/SoundChannels.h"

using namespace loopsim;
using namespace loopsim::test;

namespace {

// A folder nothing can be written into while this lives, also for a test run as root: the
// test's thread sets aside, for that time, the capability that lets root write anywhere.
class ReadOnlyFolder {
  public:
    explicit ReadOnlyFolder(const QString& path)
        : path_(path), permissions_(QFile::permissions(path)) {
        QFile::setPermissions(path_, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                         QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
        if (geteuid() == 0 && syscall(SYS_capget, &header_, capabilities_) == 0) {
            __user_cap_data_struct lowered[2] = {capabilities_[0], capabilities_[1]};
            lowered[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_FOWNER));
            lowered_ = syscall(SYS_capset, &header_, lowered) == 0;
        }
        QFile probe(path_ + QStringLiteral("/probe"));
        holds_ = !probe.open(QIODevice::WriteOnly);
        if (!holds_)
            probe.remove();
    }
    ~ReadOnlyFolder() {
        if (lowered_)
            syscall(SYS_capset, &header_, capabilities_);
        QFile::setPermissions(path_, permissions_);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    // False where the folder could still be written (a file system without permissions).
    bool holds() const { return holds_; }

  private:
    QString path_;
    QFile::Permissions permissions_;
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct capabilities_[2] = {};
    bool lowered_ = false;
    bool holds_ = false;
};

}  // namespace

class SessionTest : public QObject {
    Q_OBJECT

  private slots:
    void refusingTheWarningEndsWithNothingWritten() {
        WindowSession s;
        QVERIFY(!s.start("RefuseButton"));
        QVERIFY(!s.window().isVisible());
        QCOMPARE(s.state().DisclaimerAccepted, 0);
        QVERIFY(QDir().isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));
        QVERIFY(QDir(s.folders.settingsPath()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));
    }

    // Accepted, the session runs from the stored settings (written back as they were unless
    // the session changed them); Exit writes the settings and the recording, hides the
    // window, and only then shows the results viewer.
    void theExitPathWritesEverythingThenShowsTheViewer() {
        WindowSession s(true);
        {
            QSettings settings = programSettings();
            settings.setValue("Settings/CO2", "20");
            settings.setValue("Settings/LeftTimer", "75");
            settings.setValue("Settings/LeftBattery", "5.9");
        }
        QVERIFY(s.start());
        QVERIFY(s.window().isVisible());
        QCOMPARE(s.state().DisclaimerAccepted, 1);
        // The double beep sounded on channel 1 on opening, whatever the Sound box said.
        QVERIFY(s.session.sound().source(1).toLocalFile().endsWith("Sounds/DoubleBeep.wav"));
        QVERIFY(s.messages.texts.isEmpty());

        s.at(2500);
        s.state().RightHandset.BatteryVolts = 5.5;
        s.click("Command1");
        QVERIFY(s.finished.wait(5000));
        QCOMPARE(s.atViewer, QStringList{"settings 1, recording 1, window hidden"});
        QCOMPARE(settingsValues(programSettings()),
                 (QMap<QString, QString>{{"Settings/CO2", "20"},
                                         {"Settings/LeftTimer", "75"},
                                         {"Settings/LeftBattery", "5.9"},
                                         {"Settings/RightBattery", "5.5"}}));
        QVERIFY(readFile(kRecordingFileName).contains("\r\n2,0.21,"));
        const QStringList lines = s.logLines();
        QCOMPARE(lines.first(), QStringLiteral("# A session of the simulator window. Its stored "
                                               "settings at start, for"));
        QVERIFY(lines.contains("# CO2=20"));
        QCOMPARE(lines.mid(lines.size() - 2), (QStringList{"2.5 exit", "# The session ended."}));
    }

    // Stored texts a user edited and a typed answer holding line breaks: the log notes the
    // numbers the session started from and one line per action, and replays to the state
    // the session ended in.
    void hostileTextsKeepTheLogOneLineAnActionAndReplayAsRun() {
        WindowSession s;
        {
            QSettings settings = programSettings();
            settings.setValue("Settings/CO2", "14\n0 tap Command1");
            settings.setValue("Settings/LeftTimer", " 75\t");
            settings.setValue("Settings/LeftBattery", "5.9\r\n# [Settings]");
            settings.setValue("Settings/RightBattery", "1e400");
        }
        QVERIFY(s.start());
        s.at(1000);
        QTest::mouseDClick(s.element("Label3"), Qt::LeftButton);
        s.at(1500);
        QVERIFY(!s.session.driver()->apply(Action{Verb::Answer, {}, "32\r\n"}));
        QCOMPARE(s.state().OxygenAnalysis, 32);
        s.at(2000);
        s.click("Command1");
        QVERIFY(s.finished.wait(5000));

        const QStringList lines = s.logLines();
        for (const char* noted :
             {"# CO2=14", "# LeftTimer=75", "# LeftBattery=6.2", "# RightBattery=6.2"})
            QVERIFY2(lines.contains(noted), noted);
        QVERIFY(s.actions().contains("1.5 answer 32  "));
        QCOMPARE(s.actions().last(), QStringLiteral("2 exit"));

        QVERIFY(s.replaysAsRun());
    }

    // The bail-out window's exit writes nothing but the end of the log, which says how the
    // session ended, and shows no viewer. Without audio outputs the message comes once and
    // the session goes on.
    void theBailOutWindowsExitWritesOnlyTheLog() {
        WindowSession s;
        QVERIFY(s.start());
        s.at(1000);
        s.click("Image7");
        s.click("Image20");
        s.at(1200);
        s.click(s.dialogs().bailout().exitButton());
        QVERIFY(s.finished.wait(5000));
        QCOMPARE(s.messages.texts, QStringList{kNoAudioMessage});
        QVERIFY(s.atViewer.isEmpty());
        QVERIFY(!QFile::exists(kRecordingFileName));
        QVERIFY(programSettings().allKeys().isEmpty());
        const QStringList lines = s.logLines();
        QCOMPARE(
            lines.mid(lines.size() - 3),
            (QStringList{"1.2 click Bailout.Exit", QStringLiteral("# ") + kSessionBailedOutNote,
                         "# The session ended."}));
        QVERIFY(sessionEndedAtBailOut(readFile(kSessionLogFileName).toStdString()));
    }

    // The driver's first wake-ups of the tick table: the cell tick at 502, the loop-gas step at
    // 503, then the recording, warning and switch-off ticks at 1000 (the background tick has
    // nothing to run and wakes nothing). A late wake runs everything that fell due, one
    // recorded row per second as if every tick had come on time.
    void theDriverRunsVirtualTimeByTheWallClock() {
        WindowSession s;
        QVERIFY(s.start());
        RealTimeDriver& driver = *s.session.driver();
        QList<Millis> reached;
        for (int i = 0; i < 3; ++i) {
            s.at(s.wall.now + driver.nextWakeIn().value_or(-1000'000));
            reached.append(s.simulation().now());
        }
        QCOMPARE(reached, (QList<Millis>{502, 503, 1000}));
        QCOMPARE(s.simulation().view().find("Label16")->textOrEmpty(), std::string("0.21"));

        // Faster speeds sleep a fraction of the virtual wait (the cell tick at 1004, rounded up);
        // slowing down keeps the virtual time reached. Paused, virtual time stands and nothing
        // is waited for.
        driver.setSpeed(10);
        QCOMPARE(driver.nextWakeIn(), std::optional<int>(1));
        s.at(1020);
        QCOMPARE(s.simulation().now(), Millis(1200));
        s.at(2020);
        QCOMPARE(s.simulation().now(), Millis(11'200));
        QCOMPARE(s.state().RecordIndex, 11);
        driver.setSpeed(1);
        s.at(2120);
        QCOMPARE(s.simulation().now(), Millis(11'300));
        driver.pause();
        QCOMPARE(driver.nextWakeIn(), std::nullopt);
        driver.setSpeed(2);
        s.at(60'000);
        QCOMPARE(driver.virtualNow(), Millis(11'300));
        QCOMPARE(s.simulation().now(), Millis(11'300));
        driver.resume();
        s.at(60'500);
        QCOMPARE(s.simulation().now(), Millis(12'300));

        // Input and clock changes are logged at their virtual time; input the simulation
        // refuses is not, nor a pause while paused.
        QVERIFY(!driver.apply(Action{Verb::Tap, "Image7", {}}));
        driver.pause();
        driver.pause();
        QVERIFY(driver.apply(Action{Verb::Answer, {}, "12"}));
        QCOMPARE(s.actions(),
                 (QStringList{"1 speed 10", "11.2 speed 1", "11.3 pause", "11.3 speed 2",
                              "11.3 resume", "12.3 tap Image7", "12.3 pause"}));
    }

    // A session log that cannot be written is told at the start, saying why, and the session
    // runs on: a folder in the log's place, or a folder where nothing can be written, which
    // holds no lock either and is not taken for one another session holds. A recording that
    // cannot be written is told at Exit, with the log that can give it again if there is one,
    // and another place is offered (refused here: no answers).
    // What each is told is in files-not-written.txt.
    void filesThatCannotBeWrittenAreTold() {
        enum Fault { LogFolderInPlace, ReadOnly, RecordingFolderInPlace };
        QStringList told;
        for (const Fault fault : {LogFolderInPlace, ReadOnly, RecordingFolderInPlace}) {
            WindowSession s(true);
            std::optional<ReadOnlyFolder> locked;
            if (fault == ReadOnly) {
                locked.emplace(QDir::currentPath());
                if (!locked->holds())
                    QSKIP("this file system lets the test write into a read-only folder");
            } else {
                QVERIFY(QDir().mkdir(fault == LogFolderInPlace ? kSessionLogFileName
                                                               : kRecordingFileName));
            }
            QCOMPARE(SessionFolderLock().take(),
                     fault == ReadOnly ? FolderLock::NotWritable : FolderLock::Taken);
            QVERIFY(s.start());
            QVERIFY(s.window().isVisible());
            told << QStringList{"== log folder in place", "== read-only folder",
                                "== recording folder in place"}[fault]
                 << s.messages.texts;
            s.messages.texts.clear();
            s.at(1500);
            s.click("Command1");
            QVERIFY(s.finished.wait(5000));
            QCOMPARE(s.atViewer.size(), 1);
            QCOMPARE(QFileInfo(kRecordingFileName).isFile(), fault == LogFolderInPlace);
            QCOMPARE(QFileInfo(kSessionLogFileName).isDir(), fault == LogFolderInPlace);
            told << QStringLiteral("-- at Exit") << s.messages.texts;
            told.replaceInStrings(QDir::currentPath(), QStringLiteral("FOLDER"));
        }
        LOOPSIM_COMPARE_GOLDEN(told.join('\n').toUtf8() + '\n', "files-not-written.txt");
    }

    // A recording written where the user chose, when the unit's own place is taken, gets the
    // finished log beside it unless a file of that name is there already, and the viewer opens
    // it there.
    void aRecordingSavedElsewhereTakesItsLogAlong() {
        for (const bool nameTaken : {false, true}) {
            WindowSession s;
            QVERIFY(QDir().mkdir(kRecordingFileName) && QDir().mkdir("elsewhere"));
            if (nameTaken)
                writeFile("elsewhere/dive.scenario", "another session's log\n");
            QVERIFY(s.start());
            s.at(1500);
            s.messages.answers = {true};
            const QString chosen = QDir::current().filePath("elsewhere/dive.csv");
            s.files.answers = {chosen};
            s.click("Command1");
            QVERIFY(s.finished.wait(5000));
            QCOMPARE(s.viewerRecordings, QStringList{chosen});
            QVERIFY(readFile(chosen).startsWith("\"Tarven Calvendrite Simulator\""));
            QCOMPARE(
                readFile("elsewhere/dive.scenario"),
                nameTaken ? QByteArray("another session's log\n") : readFile(kSessionLogFileName));
            QVERIFY(s.logLines().endsWith("# The session ended."));
        }
    }

    // Sound files are found whatever their letter case; a file that is not there leaves its
    // channel with nothing to play. Without audio outputs the message comes once and
    // nothing plays.
    void theSoundOutputFindsItsFilesOrStaysSilent() {
        const QString onDisk =
            QString::fromStdString((runtimeFolder() / "Sounds/LowO2.wav").string());
        for (const bool audio : {true, false}) {
            CollectedMessages messages;
            FakeAudioOutputs outputs(audio);
            QtSoundBackend sound(runtimeFolder() / "Sounds", outputs, messages);
            sound.play(1, "lowo2.wav", false);
            sound.play(3, "LOWO2.WAV", false);
            sound.play(SoundChannels::kChannelCount, "LowO2.wav", true);
            sound.play(5, "nothere.wav", false);
            QCOMPARE(sound.source(1).toLocalFile(), audio ? onDisk : QString());
            QCOMPARE(sound.source(3).toLocalFile(), audio ? onDisk : QString());
            QCOMPARE(sound.repeating(1), false);
            QCOMPARE(sound.repeating(SoundChannels::kChannelCount), audio);
            QVERIFY(sound.source(5).isEmpty());
            QCOMPARE(sound.silenced(), !audio);
            QCOMPARE(messages.texts, audio ? QStringList() : QStringList{kNoAudioMessage});
        }
    }
};

LOOPSIM_TEST_MAIN(SessionTest)
#include "SessionTest.moc"
