// A whole session from start-up to exit: the warning accepted or refused, the stored
// settings restored and written back, the recording file and the results viewer at exit.
// Settings live in a temporary folder and the current folder is a temporary one.
#include <QDir>
#include <QLabel>
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
#include "app/AppSettings.h"
#include "app/SimulatorSession.h"
#include "app/StartupWarning.h"

using namespace loopsim;
using namespace loopsim::test;

namespace {

// Presses a button of the start-up warning as soon as it is on screen.
void answerWarningWith(const char* buttonName) {
    QTimer::singleShot(0, [buttonName] {
        auto* warning = qobject_cast<StartupWarning*>(QApplication::activeModalWidget());
        QVERIFY(warning);
        auto* button = warning->findChild<QPushButton*>(QString::fromLatin1(buttonName));
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
    });
}

QSettings storedSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                     QString::fromLatin1(kSettingsOrganization),
                     QString::fromLatin1(kSettingsApplication));
}

}  // namespace

class SimulatorSessionTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        folders_ = std::make_unique<TestFolders>();
        QVERIFY(folders_->entered());
        messages_ = CollectedMessages();
        resultsShown_ = 0;
    }

    void cleanup() { folders_.reset(); }

    void refusingTheWarningEndsWithNothingWritten() {
        auto session = makeSession(true);
        answerWarningWith("RefuseButton");
        QVERIFY(!session->start());
        QVERIFY(!session->window()->isVisible());
        QCOMPARE(session->simulation()->state().DisclaimerAccepted, 0);
        QVERIFY(QDir(folders_->settingsPath()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));
        QVERIFY(QDir(folders_->runPath()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));
    }

    void acceptingTheWarningShowsTheRunningWindow() {
        auto session = makeSession(true);
        answerWarningWith("AcceptButton");
        QVERIFY(session->start());
        QVERIFY(session->window()->isVisible());
        QCOMPARE(session->simulation()->state().DisclaimerAccepted, 1);
        QVERIFY(session->driver()->running());
        // The double beep sounded on channel 1 on opening, whatever the Sound box said.
        QVERIFY(session->sound().source(1).toLocalFile().endsWith("Sounds/DoubleBeep.wav"));
        QVERIFY(messages_.texts.isEmpty());
    }

    void theWarningCarriesItsTextsAndButtons() {
        PictureFiles pictures(runtimeFolder());
        FakeAudioOutputs outputs(false);
        QtSoundBackend sound(runtimeFolder() / "Sounds", outputs, messages_);
        StartupWarning warning(pictures, sound);
        QCOMPARE(warning.windowTitle(),
                 QStringLiteral("Calvendrite Rebreather Training Simulator"));
        QCOMPARE(warning.findChild<QLabel*>("VersionLabel")->text(),
                 QStringLiteral("Version 1.0.0"));
        QCOMPARE(warning.findChild<QPushButton*>("AcceptButton")->text(),
                 QStringLiteral("I ACCEPT the above Warning and wish to &Continue"));
        QCOMPARE(warning.findChild<QPushButton*>("RefuseButton")->text(),
                 QStringLiteral("I DO NOT accept the above warning and wish to E&xit"));
        QVERIFY(!warning.findChild<QLabel*>("OrganisationLogo")->pixmap().isNull());
        QVERIFY(!warning.findChild<QLabel*>("SimulatorLogo")->pixmap().isNull());
        QVERIFY(warning.findChild<QLabel*>("WarningText")->text().contains("injury or death"));
    }

    void settingsAreRestoredAtStartAndWrittenAtExit() {
        {
            QSettings settings = storedSettings();
            settings.setValue("Settings/CO2", "20");
            settings.setValue("Settings/LeftTimer", "75");
            settings.setValue("Settings/LeftBattery", "5.9");
        }
        auto session = makeSession(true);
        QSignalSpy finished(session.get(), &SimulatorSession::finished);
        answerWarningWith("AcceptButton");
        QVERIFY(session->start());
        const SimulationState& state = session->simulation()->state();
        QCOMPARE(state.ScrubberMinutes, 20.0);
        QCOMPARE(state.LeftHandset.OnMinutes, 75.0);
        QCOMPARE(state.LeftHandset.BatteryVolts, 5.9);
        QCOMPARE(state.RightHandset.BatteryVolts, 6.2);

        // A little over two seconds of the session, then Exit.
        wall_.now = 2100;
        session->driver()->catchUp();
        session->simulation()->state().RightHandset.BatteryVolts = 5.5;
        QTest::mouseClick(session->window()->unit().element("Command1"), Qt::LeftButton);
        QVERIFY(finished.wait(5000));

        QSettings settings = storedSettings();
        QCOMPARE(settings.value("Settings/CO2").toString(), QStringLiteral("20"));
        QCOMPARE(settings.value("Settings/LeftTimer").toString(), QStringLiteral("75"));
        QCOMPARE(settings.value("Settings/LeftBattery").toString(), QStringLiteral("5.9"));
        QCOMPARE(settings.value("Settings/RightBattery").toString(), QStringLiteral("5.5"));
        const QByteArray recording =
            readFile(QDir(folders_->runPath()).filePath(kRecordingFileName));
        QVERIFY(recording.contains("\r\n1,0.21,"));
        QVERIFY(recording.contains("\r\n2,0.21,"));
        QVERIFY(!session->window()->isVisible());
        QCOMPARE(resultsShown_, 1);
    }

    void withoutAudioTheMessageComesOnceAndTheSessionGoesOn() {
        auto session = makeSession(false);
        answerWarningWith("AcceptButton");
        QVERIFY(session->start());
        QCOMPARE(messages_.texts,
                 QStringList{"Unable to Continue, Error creating Directsound object."});
        QTest::mouseClick(session->window()->unit().element("Image7"), Qt::LeftButton);
        QTest::mouseClick(session->window()->unit().element("Image7"), Qt::LeftButton);
        QCOMPARE(messages_.texts.size(), 1);
        QCOMPARE(session->simulation()->state().OxygenValve, std::string("OFF"));
    }

  private:
    std::unique_ptr<SimulatorSession> makeSession(bool audio) {
        outputs_ = std::make_unique<FakeAudioOutputs>(audio);
        return std::make_unique<SimulatorSession>(
            SessionServices{runtimeFolder(), messages_, *outputs_, wall_, log_, files_,
                            [this](QWidget*, QtSoundBackend&) { ++resultsShown_; }});
    }

    std::unique_ptr<TestFolders> folders_;
    CollectedMessages messages_;
    ScriptedFileChooser files_;
    FakeWallClock wall_;
    MemorySessionLog log_;
    std::unique_ptr<FakeAudioOutputs> outputs_;
    int resultsShown_ = 0;
};

QTEST_MAIN(SimulatorSessionTest)
#include "SimulatorSessionTest.moc"
