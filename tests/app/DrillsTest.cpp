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

#include "TestMain.h"
#include "WindowFixtures.h"
#include "app/dialogs/DrillsDialog.h"
#include "app/results/DebriefPanel.h"
#include "app/results/DrillMarks.h"
#include "app/results/PassMarksPanel.h"
#include "app/results/ResultsViewer.h"
#include "drills/DrillNote.h"
#include "drills/DrillPlay.h"
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
    void viewerSaysWhyThereAreNoMarks_data();
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
    QStringList titles;
    for (int row = 0; row < dialog.list()->count(); ++row)
        titles << dialog.list()->item(row)->text();
    QCOMPARE(
        titles,
        QStringList({"Automatic diluent valve failed on descent", "One cell drifting low",
                     "Handset flood", "Master battery low and exhausted",
                     "Scrubber breakthrough after a long dive", "Solenoid stuck closed at depth",
                     "Solenoid stuck open at depth", "Two cells drifting together",
                     "broken.drill:5: unknown failure 'cell_drop': failures go by "
                     "their debrief names, as 'cell_drift' or "
                     "'solenoid_stuck_closed'",
                     "One cell drifting low"}));

    // Each row: whether it can start, and the briefing it shows; never the notes.
    const std::string cellBriefing =
        readDrillFile(kShippedDrills.toStdString() + "/cell-drift.drill").drill.briefing;
    const struct {
        int row;
        bool startable;
        QString briefing;
    } rows[] = {
        {1, true, QString::fromStdString(cellBriefing) + "\n\nThe drill lasts 10 min."},
        {8, false, "This drill file cannot be started:\n\n" + titles[8]},
        {9, true, QString::fromStdString(cellBriefing) + "\n\nThe drill lasts 10 min."},
    };
    for (const auto& row : rows) {
        dialog.list()->setCurrentRow(row.row);
        QCOMPARE(dialog.startButton()->isEnabled(), row.startable);
        QCOMPARE(dialog.chosen() != nullptr, row.startable);
        QCOMPARE(dialog.briefing()->toPlainText(), row.briefing);
    }
}

void DrillsTest::drilledSessionReplaysHeadless_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("drill");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QByteArray>("trainee");
    QTest::addColumn<int>("status");
    const auto shipped = [](const char* name) { return readFile(kShippedDrills + "/" + name); };
    const auto trainee = [](const char* name) { return readFile(kTraineeScenarios + name); };
    QTest::newRow("stuck closed, passed")
        << "solenoid-stuck-closed.drill" << shipped("solenoid-stuck-closed.drill")
        << "Solenoid stuck closed at depth" << trainee("solenoid-stuck-closed.pass.scenario")
        << kRunPlayed;
    QTest::newRow("stuck closed, failed")
        << "solenoid-stuck-closed.drill" << shipped("solenoid-stuck-closed.drill")
        << "Solenoid stuck closed at depth" << trainee("solenoid-stuck-closed.fail.scenario")
        << kRunMarkMissed;
    QTest::newRow("battery, past the end")
        << "master-battery.drill" << shipped("master-battery.drill")
        << "Master battery low and exhausted" << trainee("master-battery.pass.scenario")
        << kRunPlayed;
    QTest::newRow("scrubber, the drill's settings")
        << "scrubber-breakthrough.drill" << shipped("scrubber-breakthrough.drill")
        << "Scrubber breakthrough after a long dive"
        << trainee("scrubber-breakthrough.fail.scenario") << kRunMarkMissed;
    // The answer comes at the very millisecond of a check, which runs first and so finds
    // the drift not yet answered: the second failure is injected at the next check.
    QTest::newRow("an answer at a check")
        << "answer.drill"
        << QByteArray(
               "[drill]\ntitle = An answer sets off the next\nlength = 1 min\n"
               "[failures]\ncell_drift at 5 s\n"
               "solenoid_stuck_closed after cell_drift answered\n"
               "[pass marks]\nresponse_seconds.cell_drift <= 30\n")
        << "An answer sets off the next" << QByteArray("20 hold Image5 1000\n") << kRunPlayed;
}

// The trainee's lines are applied by the window's driver at their times on the window's
// clock, some at the very millisecond of a check of the drill.
void DrillsTest::drilledSessionReplaysHeadless() {
    QFETCH(QString, file);
    QFETCH(QByteArray, drill);
    QFETCH(QString, title);
    QFETCH(QByteArray, trainee);
    QFETCH(int, status);
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

void DrillsTest::viewerSaysWhyThereAreNoMarks_data() {
    QTest::addColumn<QByteArray>("inFolder");
    QTest::addColumn<QString>("note");
    const QByteArray drill = readFile(kShippedDrills + "/solenoid-stuck-open.drill");
    QTest::newRow("missing") << QByteArray()
                             << "No pass marks: the drill file stuck.drill of this session is not "
                                "in the drill folders.";
    QTest::newRow("changed") << drill + "# an instructor's remark\n"
                             << "No pass marks: the drill file stuck.drill has changed since "
                                "this session (its content is no longer " +
                                    QString::fromStdString(drillContentHash(drill.toStdString())) +
                                    ").";
    QTest::newRow("the same") << drill << QString();
}

void DrillsTest::viewerSaysWhyThereAreNoMarks() {
    QFETCH(QByteArray, inFolder);
    QFETCH(QString, note);
    TestFolders folders;
    const QByteArray drill = readFile(kShippedDrills + "/solenoid-stuck-open.drill");
    if (!inFolder.isEmpty())
        QVERIFY(writeFile("stuck.drill", inFolder));
    const std::string log =
        "# " + drillNote("stuck.drill", drill.toStdString()) + "\n1 tap Image7\n";

    const auto marks = drillMarksOfLog(log, {}, {QDir::currentPath().toStdString()});
    QVERIFY(marks);
    QCOMPARE(marks->note, note);
    QCOMPARE(marks->results.size(), note.isEmpty() ? 3u : 0u);
    PassMarksPanel panel;
    panel.showMarks(marks);
    QCOMPARE(panel.note()->isHidden(), note.isEmpty());
    QCOMPARE(panel.table()->isHidden(), !note.isEmpty());
    QVERIFY(!drillMarksOfLog("1 tap Image7\n", {}, {QDir::currentPath().toStdString()}));
}

LOOPSIM_TEST_MAIN(DrillsTest)
#include "DrillsTest.moc"
