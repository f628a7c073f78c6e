// The instructor's controls and the slips that must lose nothing: the options window's
// Cancel, "Clear all" and what it says is in force and pending; the pause banner and the
// clicks it ignores; where a dialog is placed clear of the unit; Exit's question; a recording
// that cannot be written; trainee mode; the light that stands in for alarms without sound.
#include <QCheckBox>
#include <QLabel>
#include <QSlider>
#include <QtTest>

#include "WindowFixtures.h"
#include "app/dialogs/DialogPlacement.h"
#include "app/dialogs/OptionsWindow.h"
#include "app/session/RecordingSave.h"
#include "app/session/TraineeMode.h"
#include "app/window/PauseBanner.h"
#include "app/window/SilentAlarmLight.h"
#include "core/Elements.h"
#include "instructor/OptionsDialog.h"
#include "instructor/OptionsStatus.h"

using namespace loopsim;
using namespace loopsim::test;

class InstructorControlsTest : public QObject {
    Q_OBJECT

  private slots:
    // A failure set with a delay is pending with its countdown (to the option tick that
    // applies it, 10 ms after Apply and every 10 s on); Cancel puts back what was there when
    // the window opened; once applied it is in force; "Clear all" clears and applies at once.
    // All of it as logged actions, so the log replays to the same state.
    void theOptionsWindowCancelsClearsAndSaysWhatIsInForce() {
        WindowSession s;
        QVERIFY(s.start());
        OptionsWindow& options = s.dialogs().options();
        s.click("Command2");
        clickNearTheLeftEdge(options.box(elements::kCellDrift));
        options.slider()->setValue(5);
        QVERIFY(options.delayLabel()->text().contains(QStringLiteral(": 5 minutes (")));
        clickNearTheLeftEdge(options.button(1));
        QVERIFY(!options.isVisible());

        s.at(1000);
        s.click("Command2");
        QCOMPARE(options.inForceLabel()->text(), QStringLiteral("In force: none"));
        QCOMPARE(options.pendingLabel()->text(), QStringLiteral("Pending, in 5:00: Cell Drift"));
        clickNearTheLeftEdge(options.box(elements::kTwoCellDrift));
        clickNearTheLeftEdge(options.box(elements::kAdvFailed));
        options.slider()->setValue(9);
        QTest::keyClick(&options, Qt::Key_Escape);
        QVERIFY(!options.isVisible());
        QVERIFY(options.box(elements::kCellDrift)->isChecked());
        QVERIFY(!options.box(elements::kTwoCellDrift)->isChecked());
        QVERIFY(!options.box(elements::kAdvFailed)->isChecked());
        QCOMPARE(s.simulation().optionsDialog().delayMinutes(), 5);

        s.at(299'000);
        QCOMPARE(QString::fromStdString(pendingText(s.simulation().optionsDialog(), 299'000)),
                 QStringLiteral("Pending, in 0:02: Cell Drift"));
        s.at(300'010);
        s.click("Command2");
        QCOMPARE(options.inForceLabel()->text(), QStringLiteral("In force: Cell Drift"));
        QCOMPARE(options.pendingLabel()->text(), QStringLiteral("Pending: none"));
        QVERIFY(s.state().CellDrift[1] + s.state().CellDrift[2] + s.state().CellDrift[3] > 0);

        s.at(301'000);
        clickNearTheLeftEdge(options.box(elements::kAdvFailed));
        clickNearTheLeftEdge(options.box(elements::kCellDrift));
        options.slider()->setValue(0);
        clickNearTheLeftEdge(options.button(1));
        s.click("Command2");
        QCOMPARE(options.pendingLabel()->text(),
                 QStringLiteral("Pending, in 0:01: ADV Failed; clears Cell Drift"));
        clickNearTheLeftEdge(options.clearAllButton());
        QVERIFY(!options.isVisible());
        s.at(301'010);
        QCOMPARE(s.simulation().optionsDialog().appliedBoxes(), 0u);
        QCOMPARE(s.state().CellDrift[1] + s.state().CellDrift[2] + s.state().CellDrift[3], 0.0);
        LOOPSIM_COMPARE_GOLDEN(asText(s.actions()), "window-options-cancel-clear.txt");
        QVERIFY(s.replaysAsRun());
    }

    // The names the status lines give: a caption several frames share names its frame.
    void optionNamesAreUnique() {
        const struct {
            int number;
            const char* name;
        } rows[] = {
            {elements::kCellFailure, "Cell Failure"},
            {elements::kOxygenButtonMissing, "Physical Failure (Manual Oxygen Injector)"},
            {elements::kDumpValveMissing, "Physical Failure (Dump Valve)"},
            {99, ""},
        };
        for (const auto& row : rows)
            QCOMPARE(QString::fromStdString(optionName(row.number)), QString(row.name));
    }

    // Paused, the banner says so and the unit takes no input: the click is neither applied
    // nor logged, and the banner adds a note. Resumed, the banner goes and clicks count.
    void pausedTheUnitShowsItAndIgnoresClicks() {
        WindowSession s;
        QVERIFY(s.start());
        PauseBanner& banner = s.window().pauseBanner();
        QVERIFY(banner.isHidden());
        s.at(1000);
        s.click(s.control("PauseButton"));
        QVERIFY(banner.isVisible());
        QCOMPARE(banner.text(), QString::fromLatin1(kPausedText));
        const auto valve = s.state().OxygenValve;
        s.click("Image7");
        QCOMPARE(s.state().OxygenValve, valve);
        QCOMPARE(banner.text(), QStringLiteral("%1\n%2").arg(kPausedText, kIgnoredClickText));
        // The instructor's own buttons still work.
        s.click("Command2");
        QVERIFY(s.dialogs().options().isVisible());
        s.dialogs().options().cancel();
        s.click(s.control("PauseButton"));
        QVERIFY(banner.isHidden());
        s.click("Image7");
        QVERIFY(s.state().OxygenValve != valve);
        QCOMPARE(s.actions(),
                 (QStringList{"1 pause", "1 click Command2", "1 click Options.Close", "1 resume",
                              "1 press Image7", "1 release Image7", "1 click Image7"}));
    }

    void placementKeepsClearWhereItCan() {
        const QRect screen(0, 0, 1000, 800);
        const QSize window(200, 100);
        const struct {
            QRect keepClear;
            QPoint corner;
        } rows[] = {
            {{100, 100, 600, 300}, {299, 408}},  // below
            {{100, 500, 600, 250}, {299, 392}},  // above
            {{0, 50, 600, 700}, {608, 349}},     // to the right
            {{300, 50, 700, 700}, {92, 349}},    // to the left
            {{0, 0, 1000, 800}, {399, 700}},     // nowhere: below, on the screen
        };
        for (const auto& row : rows)
            QCOMPARE(placeClearOf(window, row.keepClear, screen), row.corner);
    }

    // Exit and the close box (which is Exit) ask once the session has run more than a minute;
    // No keeps it running with nothing logged. Ended, the session writes its recording and
    // shows the results viewer.
    void exitAsksOnceAfterAMinute() {
        const struct {
            Millis at;
            bool closeBox;
            QList<bool> answers;
            bool ends;
        } rows[] = {
            {60'000, false, {}, true},
            {60'001, false, {false}, false},
            {90'000, true, {false}, false},
            {90'000, true, {true}, true},
        };
        for (const auto& row : rows) {
            WindowSession s(true);
            QVERIFY(s.start());
            s.messages.answers = row.answers;
            s.at(row.at);
            if (row.closeBox)
                QVERIFY(!s.window().close());
            else
                s.click("Command1");
            QCOMPARE(s.messages.texts,
                     row.at > 60'000 ? QStringList{kEndSessionQuestion} : QStringList());
            QCoreApplication::processEvents();
            QCOMPARE(s.atViewer.size(), row.ends ? 1 : 0);
            QCOMPARE(s.finished.count(), row.ends ? 1 : 0);
            QCOMPARE(s.actions().contains(QStringLiteral("%1 exit").arg(row.at / 1000.0)),
                     row.ends);
            QCOMPARE(QFile::exists(kRecordingFileName), row.ends);
        }
    }

    // A recording that cannot be written is offered another place, as often as it fails;
    // until it is saved the log is not marked ended, so the next start offers the rebuild.
    void aRecordingThatCannotBeWrittenIsSavedElsewhereOrLeftToTheRebuild() {
        QTemporaryDir elsewhere;
        const QString good = elsewhere.filePath("saved.csv");
        const QString bad = elsewhere.filePath("missing/folder/saved.csv");
        const struct {
            QList<bool> answers;
            QStringList paths;
            int questions;
            bool savedElsewhere;
        } rows[] = {
            {{false}, {}, 1, false},
            {{true}, {}, 1, false},
            {{true, true}, {bad, good}, 2, true},
        };
        for (const auto& row : rows) {
            QFile::remove(good);
            WindowSession s(true);
            QVERIFY(QDir().mkdir(kRecordingFileName));
            QVERIFY(s.start());
            s.messages.answers = row.answers;
            s.files.answers = row.paths;
            s.at(1500);
            s.click("Command1");
            QVERIFY(s.finished.wait(5000));
            QCOMPARE(s.messages.texts.size(), row.questions);
            for (const QString& question : s.messages.texts)
                QVERIFY(question.endsWith(QString::fromLatin1(kSaveElsewhereQuestion)));
            QCOMPARE(QFile::exists(good), row.savedElsewhere);
            QCOMPARE(isLostSessionLog(kSessionLogFileName), !row.savedElsewhere);
            QCOMPARE(s.atViewer.size(), 1);
        }
    }

    // Trainee mode covers the true loop PO2 and the cell millivolts, is stored, and holds
    // in the next session; switching it applies and logs nothing.
    void traineeModeHidesTheReadingsThatGiveDrillsAway() {
        for (const bool stored : {false, true}) {
            WindowSession s(true);
            if (stored)
                programSettings().setValue(kTraineeModeKey, true);
            QVERIFY(s.start());
            UnitView& unit = s.window().unit();
            const auto covers =
                unit.findChildren<QLabel*>(QRegularExpression(QStringLiteral("^TraineeCover\\.")));
            QCOMPARE(covers.size(), 2);
            for (QLabel* cover : covers) {
                QCOMPARE(cover->isVisible(), stored);
                const QString covered = cover->objectName().section('.', 1);
                QCOMPARE(cover->geometry(), unit.element(covered.toStdString())->geometry());
            }
            QCheckBox* box = s.dialogs().options().traineeModeBox();
            QCOMPARE(box->isChecked(), stored);
            box->click();
            for (QLabel* cover : covers)
                QCOMPARE(cover->isVisible(), !stored);
            QCOMPARE(programSettings().value(kTraineeModeKey).toBool(), !stored);
            QVERIFY(s.actions().isEmpty());
        }
    }

    // Without a sound device the message says what it means, and each alarm sound lights the
    // stand-in light on the unit; other sounds do not.
    void withoutSoundAlarmsLightALight() {
        WindowSession s;
        QVERIFY(s.start());
        auto* light = s.window().unit().findChild<SilentAlarmLight*>();
        QVERIFY(light && light->isHidden());
        s.session.sound().play(4, "shorthiss.wav", false);
        QVERIFY(!light->lit());
        for (const char* alarm : {"LowO2.wav", "alarm.wav"}) {
            s.session.sound().play(3, alarm, false);
            QVERIFY(light->lit() && light->isVisible());
            QCOMPARE(light->text(), QString::fromLatin1(kSilentAlarmText));
            light->goDark();
            QVERIFY(light->isHidden());
        }
        QCOMPARE(s.messages.texts, QStringList{kNoAudioMessage});
    }
};

LOOPSIM_TEST_MAIN(InstructorControlsTest)
#include "InstructorControlsTest.moc"
