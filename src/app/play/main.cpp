// loopsim-window-play: plays a scenario through the simulator window with mouse events on
// its widgets, on a virtual wall clock, and saves pictures of the windows on the way. The
// README's screenshots are made with it; it also shows that a whole dive can be driven by
// the pointer alone. With --log and --out it keeps the window's session log and writes the
// recording file at the end, so a session driven through the window can be replayed headless
// and the two recordings compared. With --drill the scenario is the trainee's in that drill,
// played as a drilled session of the window plays it; --drill-list saves the list of drills
// with that drill chosen. The simulation's dialogs open as in the program, and
// --window-shot saves the one of the given name ("Options", "Bailout") instead of the main
// window. A pause line pauses the window's clock as its Pause button does, and resume
// restarts it, so the scenario's later times come that much later on the wall clock.
//
//   loopsim-window-play SCENARIO [--size WxH] [--warning FILE.png] [--shot SECONDS FILE.png]...
//                       [--window-shot SECONDS NAME FILE.png]...
//                       [--log FILE.scenario] [--out FILE.csv]
//                       [--drill FILE.drill [--drill-list FILE.png]]
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QListWidget>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>

#include "app/ProgramEnd.h"
#include "app/dialogs/DrillsDialog.h"
#include "app/dialogs/SessionDialogs.h"
#include "app/dialogs/StartupWarning.h"
#include "app/dialogs/UserMessages.h"
#include "app/session/AppSettings.h"
#include "app/session/DrillFiles.h"
#include "app/session/DrillPace.h"
#include "app/session/MonotonicClock.h"
#include "app/session/QtSoundBackend.h"
#include "app/session/RealTimeDriver.h"
#include "app/session/ScenarioFileLog.h"
#include "app/session/SessionLog.h"
#include "app/station/StationControls.h"
#include "app/window/MainWindow.h"
#include "app/window/PictureFiles.h"
#include "app/window/UnitView.h"
#include "drills/DrillNote.h"
#include "drills/DrillSettings.h"
#include "files/LostSession.h"
#include "files/RecordingFile.h"
#include "files/Scenario.h"
#include "simulation/Simulation.h"

namespace {

using namespace loopsim;

class ManualClock : public MonotonicClock {
  public:
    std::int64_t elapsedMilliseconds() const override { return now; }
    std::int64_t now = 0;
};

class NoAudio : public AudioOutputs {
  public:
    bool available() const override { return false; }
};

class QuietMessages : public UserMessages {
  public:
    void showMessage(QWidget*, const QString&) override {}
    bool askYesNo(QWidget*, const QString&) override { return false; }
};

// One scenario line as the pointer would do it.
bool pointerDoes(UnitView& unit, const Action& action) {
    QWidget* widget = unit.element(action.element);
    if (!widget)
        return false;
    switch (action.verb) {
        case Verb::Tap:
            QTest::mouseClick(widget, Qt::LeftButton);
            return true;
        case Verb::Press:
            QTest::mousePress(widget, Qt::LeftButton);
            return true;
        case Verb::Release:
            QTest::mouseRelease(widget, Qt::LeftButton);
            return true;
        case Verb::Move:
            QTest::mouseMove(widget);
            return true;
        case Verb::DblClick:
            QTest::mouseClick(widget, Qt::LeftButton);
            QTest::mouseDClick(widget, Qt::LeftButton);
            QTest::mouseRelease(widget, Qt::LeftButton);
            return true;
        case Verb::Check:
        case Verb::Uncheck:
            if (auto* box = qobject_cast<QCheckBox*>(widget);
                box && box->isChecked() != (action.verb == Verb::Check))
                QTest::mouseClick(box, Qt::LeftButton);
            return true;
        default:
            return false;
    }
}

bool save(QWidget& window, const QString& file) {
    if (!window.grab().save(file)) {
        std::fprintf(stderr, "loopsim-window-play: cannot write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

// The drills dialog as the Drills… button opens it, with the drill of that file chosen.
bool saveDrillList(const DrillFile& drill, const QString& shot) {
    const auto folders = drillFolders(QApplication::applicationDirPath().toStdString());
    std::vector<DrillFile> files = readDrillFiles(folders);
    const auto chosen = std::find_if(files.begin(), files.end(), [&](const DrillFile& file) {
        return file.fileName == drill.fileName;
    });
    const int row = static_cast<int>(chosen - files.begin());
    DrillsDialog dialog(std::move(files), folders);
    dialog.list()->setCurrentRow(row);
    dialog.show();
    QApplication::processEvents();
    return save(dialog, shot);
}

// A drilled session's log starts with the drill and the settings it starts from.
void noteDrill(SessionLog& log, const DrillFile& drill, const SettingsStore& startFrom) {
    log.note(drillNote(drill.fileName, drill.text));
    for (const std::string& line : storedSettingsNote(startFrom))
        log.note(line);
}

int play(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QString::fromLatin1(kSettingsOrganization));
    QApplication::setApplicationName(QString::fromLatin1(kSettingsApplication));
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 2) {
        std::fputs(
            "usage: loopsim-window-play SCENARIO [--size WxH] [--warning FILE.png] "
            "[--shot SECONDS FILE.png]... [--window-shot SECONDS NAME FILE.png]... "
            "[--log FILE.scenario] [--out FILE.csv]\n"
            "                           [--drill FILE.drill [--drill-list FILE.png]]\n",
            stderr);
        return 2;
    }
    QSize size(1600, 1000);
    QString warningShot;
    QString logFile;
    QString recordingFile;
    QString drillFile;
    QString drillListShot;
    // Each shot's file, after the name of the window it takes when not the main window.
    std::multimap<Millis, QStringList> shots;
    for (int i = 2; i + 1 < arguments.size(); i += 2) {
        if (arguments[i] == QLatin1String("--size")) {
            const QStringList parts = arguments[i + 1].split('x');
            size = QSize(parts.value(0).toInt(), parts.value(1).toInt());
        } else if (arguments[i] == QLatin1String("--warning")) {
            warningShot = arguments[i + 1];
        } else if (arguments[i] == QLatin1String("--log")) {
            logFile = arguments[i + 1];
        } else if (arguments[i] == QLatin1String("--out")) {
            recordingFile = arguments[i + 1];
        } else if (arguments[i] == QLatin1String("--drill")) {
            drillFile = arguments[i + 1];
        } else if (arguments[i] == QLatin1String("--drill-list")) {
            drillListShot = arguments[i + 1];
        } else if (arguments[i] == QLatin1String("--shot") && i + 2 < arguments.size()) {
            shots.emplace(parseScenarioTime(arguments[i + 1].toStdString()).value_or(0),
                          QStringList{arguments[i + 2]});
            ++i;
        } else if (arguments[i] == QLatin1String("--window-shot") && i + 3 < arguments.size()) {
            shots.emplace(parseScenarioTime(arguments[i + 1].toStdString()).value_or(0),
                          QStringList{arguments[i + 2], arguments[i + 3]});
            i += 2;
        }
    }

    QFile file(arguments[1]);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "loopsim-window-play: cannot read %s\n", qPrintable(arguments[1]));
        return 2;
    }
    const PictureFiles pictures(QApplication::applicationDirPath().toStdString());
    std::optional<DrillFile> drill;
    if (!drillFile.isEmpty()) {
        drill = readDrillFile(drillFile.toStdString());
        if (drill->error) {
            std::fprintf(stderr, "%s\n", drill->error->c_str());
            return 2;
        }
        if (!drillListShot.isEmpty() && !saveDrillList(*drill, drillListShot))
            return 1;
    }
    const MemorySettingsStore startFrom =
        drill ? drillStartSettings(MemorySettingsStore(), drill->drill) : MemorySettingsStore();
    Simulation simulation(&startFrom);
    const Scenario scenario = parseScenario(file.readAll().toStdString(), &simulation.input());
    if (scenario.error) {
        std::fprintf(stderr, "%s:%d: %s\n", qPrintable(arguments[1]), scenario.error->lineNumber,
                     scenario.error->message.c_str());
        return 2;
    }

    NoAudio audio;
    QuietMessages messages;
    QtSoundBackend sound(pictures.folder() / "Sounds", audio, messages);
    if (!warningShot.isEmpty()) {
        StartupWarning warning(pictures, sound);
        warning.show();
        QApplication::processEvents();
        if (!save(warning, warningShot))
            return 1;
    }

    ManualClock wall;
    NullSessionLog noLog;
    std::optional<ScenarioFileLog> fileLog;
    if (!logFile.isEmpty())
        fileLog.emplace(logFile.toStdString());
    SessionLog& log = fileLog ? static_cast<SessionLog&>(*fileLog) : noLog;
    std::optional<DrillPace> pace;
    MainWindow window(pictures);
    RealTimeDriver driver(simulation, wall, log);
    SessionDialogs dialogs(&window, [&driver](const Action& action) { driver.apply(action); }, {});
    window.setDialogPresenter(&dialogs);
    window.resize(size);
    window.attach(simulation, driver);
    new StationControls(window, simulation, driver);  // its button, as the program shows it
    if (drill) {
        noteDrill(log, *drill, startFrom);
        driver.followDrill(pace.emplace(drill->drill, simulation));
    }
    window.show();
    driver.start();

    // The wall clock starts with the session's clock, at the takeover in a drill.
    const Millis started = simulation.now();
    auto runTo = [&](Millis time) {
        for (auto shot = shots.begin(); shot != shots.end() && shot->first <= time;) {
            wall.now = shot->first - started;
            driver.catchUp();
            QApplication::processEvents();
            QWidget* shown = &window;
            if (shot->second.size() > 1)
                shown =
                    window.findChild<QWidget*>(shot->second.first(), Qt::FindDirectChildrenOnly);
            if (!shown || !save(*shown, shot->second.last()))
                return false;
            shot = shots.erase(shot);
        }
        wall.now = std::max<std::int64_t>(wall.now, time - started);
        driver.catchUp();
        return true;
    };
    bool ended = false;
    for (const ScenarioLine& line : scenario.lines) {
        if (drill && line.time > drill->drill.end)
            break;
        if (line.action.verb == Verb::End || line.action.verb == Verb::Exit) {
            if (!runTo(line.time))
                return 1;
            driver.apply({Verb::Exit, {}, {}});
            ended = true;
            break;
        }
        if (!runTo(line.time))
            return 1;
        if (line.action.verb == Verb::Pause)
            driver.pause();
        else if (line.action.verb == Verb::Resume)
            driver.resume();
        else if (!pointerDoes(window.unit(), line.action) && line.action.verb != Verb::Dump)
            driver.apply(line.action);
        QApplication::processEvents();
    }
    Millis last = shots.empty() ? simulation.now() : shots.rbegin()->first;
    if (drill)
        last = std::max(last, drill->drill.end + 1);
    if (!runTo(last))
        return 1;
    if (!ended)
        driver.apply({Verb::Exit, {}, {}});
    if (!recordingFile.isEmpty()) {
        if (auto error =
                writeRecordingFile(recordingFile.toStdString(), simulation.recording().table(),
                                   simulation.state().RecordIndex, localCalendarTime())) {
            std::fprintf(stderr, "loopsim-window-play: %s\n", error->c_str());
            return 1;
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    loopsim::endProgram(play(argc, argv));
}
