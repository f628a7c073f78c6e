// Drills in the window: the list of drill files (the shipped ones beside the program and the
// user's, a broken one with its error), a drilled session started from the Drills… button and
// played on the window's clock whose log the runner plays to the same recording and the same
// pass marks as it plays the drill itself, and the pass marks the results viewer shows.
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QtTest>
#include <sstream>

#include "WindowFixtures.h"
#include "app/dialogs/DrillsDialog.h"
#include "app/results/DebriefPanel.h"
#include "app/results/DrillMarks.h"
#include "app/results/PassMarksPanel.h"
#include "app/results/ResultsViewer.h"
#include "drills/DrillNote.h"
#include "drills/DrillParser.h"
#include "drills/DrillPlay.h"
#include "drills/DrillSettings.h"
#include "files/Scenario.h"
#include "headless/Runner.h"

using namespace loopsim;
using namespace loopsim::test;

namespace {

const QString kShippedDrills = QString::fromStdString((runtimeFolder() / "drills").string());
const QString kTraineeScenarios = QStringLiteral(LOOPSIM_SOURCE_DIR "/tests/drills/");

// A drill the list must refuse: its failure has no debrief name.
const QByteArray kBrokenDrill =
    "[drill]\ntitle = Broken\nlength = 2 min\n[failures]\ncell_drop at 1 min\n"
    "[pass marks]\nhypoxia_seconds = 0\n";

// The user's drill folder is the given one.
void setUserDrillFolder(const QString& folder) {
    programSettings().setValue(QString::fromLatin1(kDrillFolderSetting), folder);
}

// Runs the action on the dialog as soon as it is the modal window on screen.
template <typename Dialog>
void whenShown(std::function<void(Dialog&)> action) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, action] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            poll->deleteLater();
            poll->stop();
            action(*dialog);
        }
    });
    poll->start(5);
}

// The first drill of the title: the program's own, when the user's folder has it too.
void chooseRow(DrillsDialog& dialog, const QString& title) {
    const auto found = dialog.list()->findItems(title, Qt::MatchExactly);
    if (found.isEmpty())
        qFatal("no drill of that title in the list");
    dialog.list()->setCurrentItem(found.front());
}

struct Run {
    int status;
    QByteArray recording;
    QString marks;
};

// The runner's run of the drill with the scenario.
Run runDrill(const QString& drill, const QString& scenario, const QString& out) {
    RunOptions options;
    options.scenario = scenario.toStdString();
    options.drill = drill.toStdString();
    options.out = out.toStdString();
    std::ostringstream marks, err;
    const int status = runScenario(options, marks, err);
    if (!err.str().empty())
        qWarning("%s", err.str().c_str());
    return {status, withoutWrittenDate(readFile(out)), QString::fromStdString(marks.str())};
}

// Every action the runner applies playing the drill with the trainee's scenario, as the
// window logs them, and the end the window logs at the drill's end.
QStringList headlessActions(const Drill& drill, const Scenario& trainee) {
    const MemorySettingsStore settings = drillStartSettings(MemorySettingsStore(), drill);
    Simulation simulation(&settings);
    QStringList lines;
    playDrill(simulation, drill, trainee, std::nullopt, {}, [&](const Action& action) {
        lines << QString::fromStdString(formatScenarioLine(simulation.now(), action));
    });
    return lines << QString::fromStdString(formatScenarioTime(drill.end)) + " end";
}

// The viewer's pass marks as the runner prints them.
QString shownMarks(const QTableWidget& table) {
    QString lines;
    for (int row = 0; row < table.rowCount(); ++row)
        lines += QStringLiteral("%1 %2 (%3)\n")
                     .arg(table.item(row, 2)->text(), table.item(row, 0)->text(),
                          table.item(row, 1)->text());
    return lines;
}

}  // namespace

class DrillsTest : public QObject {
    Q_OBJECT

  private slots:
    void listsTheShippedAndTheUsersDrills();
    void drilledSessionReplaysHeadless_data();
    void drilledSessionReplaysHeadless();
    void viewerSaysWhyThereAreNoMarks();
};

void DrillsTest::listsTheShippedAndTheUsersDrills() {
    TestFolders folders;
    QVERIFY(QDir().mkdir("mine"));
    QVERIFY(writeFile("mine/broken.drill", kBrokenDrill));
    QVERIFY(QFile::copy(kShippedDrills + "/cell-drift.drill", "mine/my-cell.drill"));
    QVERIFY(writeFile("mine/notes.txt", "not a drill"));
    setUserDrillFolder(QDir::current().filePath("mine"));

    const auto drillsIn = drillFolders(runtimeFolder());
    DrillsDialog dialog(readDrillFiles(drillsIn), drillsIn);
    QCOMPARE(dialog.findChild<QLabel*>("DrillFolders")->text(),
             "Drill files (NAME.drill) from: " + kShippedDrills + "; " +
                 QDir::current().filePath("mine"));
    // Each row's title, whether it can start and the briefing it shows; never the notes.
    QStringList rows;
    for (int row = 0; row < dialog.list()->count(); ++row) {
        dialog.list()->setCurrentRow(row);
        QCOMPARE(dialog.chosen() != nullptr, dialog.startButton()->isEnabled());
        rows << QStringLiteral("== %1%2\n%3")
                    .arg(dialog.list()->item(row)->text(),
                         dialog.startButton()->isEnabled() ? "" : " (cannot start)",
                         dialog.briefing()->toPlainText());
    }
    LOOPSIM_COMPARE_GOLDEN(asText(rows), "window-drills-list.txt");
}

// The shipped drills played with the trainee's scenarios of tests/drills, passed and failed, one
// past its end, one with the drill's own settings; and an answer at the very millisecond of a
// check, which runs first and so finds the drift not yet answered: the second failure is
// injected at the next check.
void DrillsTest::drilledSessionReplaysHeadless_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("drill");
    QTest::addColumn<QByteArray>("trainee");
    QTest::addColumn<int>("status");
    const struct {
        const char* file;
        const char* trainee;
        int status;
    } shipped[] = {
        {"solenoid-stuck-closed", "solenoid-stuck-closed.pass", kRunPlayed},
        {"solenoid-stuck-closed", "solenoid-stuck-closed.fail", kRunMarkMissed},
        {"master-battery", "master-battery.pass", kRunPlayed},
        {"scrubber-breakthrough", "scrubber-breakthrough.fail", kRunMarkMissed},
    };
    for (const auto& row : shipped)
        QTest::newRow(row.trainee)
            << QString(row.file) + ".drill" << readFile(kShippedDrills + "/" + row.file + ".drill")
            << readFile(kTraineeScenarios + row.trainee + ".scenario") << row.status;
    QTest::newRow("an answer at a check")
        << "answer.drill"
        << QByteArray(
               "[drill]\ntitle = An answer sets off the next\nlength = 1 min\n"
               "[failures]\ncell_drift at 5 s\n"
               "solenoid_stuck_closed after cell_drift answered\n"
               "[pass marks]\nresponse_seconds.cell_drift <= 30\n")
        << QByteArray("20 hold Image5 1000\n") << kRunPlayed;
}

// The trainee's lines are applied by the window's driver at their times on the window's
// clock, some at the very millisecond of a check of the drill.
void DrillsTest::drilledSessionReplaysHeadless() {
    QFETCH(QString, file);
    QFETCH(QByteArray, drill);
    QFETCH(QByteArray, trainee);
    QFETCH(int, status);
    const QString title =
        QString::fromStdString(parseDrill(drill.toStdString(), nullptr).drill.title);
    WindowSession session;
    QVERIFY(session.start());
    QVERIFY(QDir().mkdir("mine") && writeFile("mine/" + file, drill));
    QVERIFY(writeFile("trainee.scenario", trainee));
    setUserDrillFolder(QDir::current().filePath("mine"));
    session.at(2000);

    whenShown<DrillsDialog>([&](DrillsDialog& dialog) {
        chooseRow(dialog, title);
        QTest::mouseClick(dialog.startButton(), Qt::LeftButton);
    });
    QTest::mouseClick(session.window().findChild<QPushButton*>("DrillsButton"), Qt::LeftButton);
    QTRY_VERIFY(session.session.drill() && session.session.driver()->running());
    QVERIFY(session.atViewer.isEmpty());
    const Drill& played = session.session.drill()->drill;
    const QString scrubberBefore = programSettings().value("Settings/CO2").toString();
    QCOMPARE(session.simulation().now(), played.takeover);
    QCOMPARE(session.logLines().front(),
             "# " + QString::fromStdString(drillNote(file.toStdString(), drill.toStdString())));

    const Scenario scenario = parseScenario(trainee.toStdString(), &session.simulation().input());
    QVERIFY(!scenario.error);
    for (const ScenarioLine& line : scenario.lines) {
        if (line.time > played.end)
            break;
        session.at(2000 + line.time - played.takeover);
        const auto refused = session.session.driver()->apply(line.action);
        QVERIFY2(!refused, refused ? refused->c_str() : "");
    }
    session.at(2000 + played.end - played.takeover + 1);
    QTRY_COMPARE(session.finished.count(), 1);
    QCOMPARE(session.atViewer, QStringList{"settings 1, recording 1, window hidden"});
    // The scrubber's minutes a drill sets are not the unit's, and are not stored.
    if (played.settings.contains("CO2"))
        QCOMPARE(programSettings().value("Settings/CO2").toString(), scrubberBefore);
    // The log holds the actions the runner plays the drill with, at the same times.
    QCOMPARE(session.actions(), headlessActions(played, scenario));

    const QString drillPath = "mine/" + file;
    const QByteArray window = withoutWrittenDate(readFile(kRecordingFileName));
    const Run replayed = runDrill(drillPath, kSessionLogFileName, "replayed.csv");
    const Run headless = runDrill(drillPath, "trainee.scenario", "played.csv");
    QCOMPARE(replayed.status, status);
    QCOMPARE(headless.status, status);
    QVERIFY(window == replayed.recording);
    QVERIFY(window == headless.recording);
    QCOMPARE(replayed.marks, headless.marks);

    // The results viewer judges the session by the same marks.
    ResultsViewer viewer(session.files, session.messages);
    viewer.open(QString::fromLatin1(kRecordingFileName));
    QVERIFY(viewer.debriefPanel());
    const PassMarksPanel& marks = *viewer.debriefPanel()->passMarks();
    QVERIFY(!marks.isHidden());
    QCOMPARE(marks.title(), "Pass marks: " + title);
    QCOMPARE(shownMarks(*marks.table()), headless.marks);
}

// The drill a session's log names: missing from the folders, changed since, or the same.
void DrillsTest::viewerSaysWhyThereAreNoMarks() {
    const QByteArray drill = readFile(kShippedDrills + "/solenoid-stuck-open.drill");
    const std::string log =
        "# " + drillNote("stuck.drill", drill.toStdString()) + "\n1 tap Image7\n";
    const struct {
        QByteArray inFolder;
        QString note;
    } rows[] = {
        {{},
         "No pass marks: the drill file stuck.drill of this session is not in the drill "
         "folders."},
        {drill + "# an instructor's remark\n",
         "No pass marks: the drill file stuck.drill has changed since this session (its content "
         "is no longer " +
             QString::fromStdString(drillContentHash(drill.toStdString())) + ")."},
        {drill, {}},
    };
    for (const auto& row : rows) {
        TestFolders folders;
        if (!row.inFolder.isEmpty())
            QVERIFY(writeFile("stuck.drill", row.inFolder));
        const auto marks = drillMarksOfLog(log, {}, {QDir::currentPath().toStdString()});
        QVERIFY(marks);
        QCOMPARE(marks->note, row.note);
        QCOMPARE(marks->results.size(), row.note.isEmpty() ? 3u : 0u);
        PassMarksPanel panel;
        panel.showMarks(marks);
        QCOMPARE(panel.note()->isHidden(), row.note.isEmpty());
        QCOMPARE(panel.table()->isHidden(), !row.note.isEmpty());
        QVERIFY(!drillMarksOfLog("1 tap Image7\n", {}, {QDir::currentPath().toStdString()}));
    }
}

LOOPSIM_TEST_MAIN(DrillsTest)
#include "DrillsTest.moc"
