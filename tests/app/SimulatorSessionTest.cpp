// A whole session from start-up to its end: the warning accepted or refused, the stored
// settings restored and written back, the exit path's order, the other endings and what
// each leaves behind. Settings live in a temporary folder and the current folder is a
// temporary one.
#include <QDir>
#include <QLabel>
#include <QStandardPaths>
#include <QtTest>
#include <memory>

#include "RecordingFiles.h"
#include "TestFolders.h"
#include "WindowFixtures.h"
#include "app/dialogs/BailoutWindow.h"
#include "app/dialogs/SessionDialogs.h"

using namespace loopsim;
using namespace loopsim::test;

class SimulatorSessionTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        folders_ = std::make_unique<TestFolders>();
        QVERIFY(folders_->entered());
    }

    void cleanup() { folders_.reset(); }

    void refusingTheWarningEndsWithNothingWritten() {
        WindowSession s;
        QVERIFY(!s.start("RefuseButton"));
        QVERIFY(!s.session.window()->isVisible());
        QCOMPARE(s.session.simulation()->state().DisclaimerAccepted, 0);
        QVERIFY(QDir(folders_->settingsPath()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));
        QVERIFY(QDir(folders_->runPath()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));
    }

    void theWarningCarriesItsTextsAndButtons() {
        CollectedMessages messages;
        PictureFiles pictures(runtimeFolder());
        FakeAudioOutputs outputs(false);
        QtSoundBackend sound(runtimeFolder() / "Sounds", outputs, messages);
        StartupWarning warning(pictures, sound);
        QCOMPARE(
            wrongCaptions(
                warning, {{"", "Calvendrite Rebreather Training Simulator"},
                          {"VersionLabel", "Version 1.0.0"},
                          {"AcceptButton", "I ACCEPT the above Warning and wish to &Continue"},
                          {"RefuseButton", "I DO NOT accept the above warning and wish to E&xit"}}),
            QStringList());
        QVERIFY(!warning.findChild<QLabel*>("OrganisationLogo")->pixmap().isNull());
        QVERIFY(!warning.findChild<QLabel*>("SimulatorLogo")->pixmap().isNull());
        QVERIFY(warning.findChild<QLabel*>("WarningText")->text().contains("injury or death"));
    }

    // Accepted, the session runs from the stored settings; Exit writes the settings and the
    // recording, hides the window, and only then shows the results viewer.
    void theExitPathWritesEverythingThenShowsTheViewer() {
        {
            QSettings settings = programSettings();
            settings.setValue("Settings/CO2", "20");
            settings.setValue("Settings/LeftTimer", "75");
            settings.setValue("Settings/LeftBattery", "5.9");
        }
        WindowSession s(true);
        QVERIFY(s.start());
        QVERIFY(s.session.window()->isVisible());
        QVERIFY(s.session.driver()->running());
        SimulationState& state = s.session.simulation()->state();
        QCOMPARE(state.DisclaimerAccepted, 1);
        QCOMPARE(state.ScrubberMinutes, 20.0);
        QCOMPARE(state.LeftHandset.OnMinutes, 75.0);
        QCOMPARE(state.LeftHandset.BatteryVolts, 5.9);
        QCOMPARE(state.RightHandset.BatteryVolts, 6.2);
        // The double beep sounded on channel 1 on opening, whatever the Sound box said.
        QVERIFY(s.session.sound().source(1).toLocalFile().endsWith("Sounds/DoubleBeep.wav"));
        QVERIFY(s.messages.texts.isEmpty());

        s.at(2500);
        state.RightHandset.BatteryVolts = 5.5;
        s.click("Command1");
        QVERIFY(s.finished.wait(5000));
        QCOMPARE(s.atViewer.shown, 1);
        QVERIFY(s.atViewer.settingsWritten);
        QVERIFY(s.atViewer.recordingWritten);
        QVERIFY(s.atViewer.windowHidden);

        QSettings settings = programSettings();
        QCOMPARE(settings.value("Settings/CO2").toString(), QStringLiteral("20"));
        QCOMPARE(settings.value("Settings/LeftTimer").toString(), QStringLiteral("75"));
        QCOMPARE(settings.value("Settings/LeftBattery").toString(), QStringLiteral("5.9"));
        QCOMPARE(settings.value("Settings/RightBattery").toString(), QStringLiteral("5.5"));
        const QByteArray recording = readFile(kRecordingFileName);
        QVERIFY(recording.contains("\r\n1,0.21,"));
        QVERIFY(recording.contains("\r\n2,0.21,"));
        const QStringList lines = s.logLines();
        QCOMPARE(lines.first(), QStringLiteral("# A session of the simulator window. Its stored "
                                               "settings at start, for"));
        QVERIFY(lines.contains("# CO2=20"));
        QCOMPARE(lines.mid(lines.size() - 2), (QStringList{"2.5 exit", "# The session ended."}));
    }

    // The close box is the Exit button; the bail-out window's exit writes nothing but the
    // end of the log.
    void theOtherEndings() {
        for (const bool bailout : {false, true}) {
            cleanup();
            init();
            WindowSession s;
            QVERIFY(s.start());
            s.at(1000);
            if (bailout) {
                s.click("Image20");
                s.at(1200);
                s.click(s.session.dialogs()->bailout().exitButton());
            } else {
                QVERIFY(!s.session.window()->close());
            }
            QVERIFY(s.finished.wait(5000));
            QCOMPARE(s.atViewer.shown, bailout ? 0 : 1);
            QCOMPARE(QFile::exists(kRecordingFileName), !bailout);
            QCOMPARE(
                QDir(folders_->settingsPath()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot),
                bailout);
            const QStringList lines = s.logLines();
            QCOMPARE(lines.mid(lines.size() - 2),
                     (QStringList{bailout ? "1.2 click Bailout.Exit" : "1 exit",
                                  "# The session ended."}));
        }
    }

    void withoutAudioTheMessageComesOnceAndTheSessionGoesOn() {
        WindowSession s(false);
        QVERIFY(s.start());
        QCOMPARE(s.messages.texts,
                 QStringList{"Unable to Continue, Error creating Directsound object."});
        s.click("Image7");
        s.click("Image7");
        QCOMPARE(s.messages.texts.size(), 1);
        QCOMPARE(s.session.simulation()->state().OxygenValve, ValveState::Off);
    }

  private:
    std::unique_ptr<TestFolders> folders_;
};

QTEST_MAIN(SimulatorSessionTest)
#include "SimulatorSessionTest.moc"
