// A window session that never ends by itself, for the lost-session test to kill: the
// folder taken as the program takes it, the start-up warning accepted, the clock at ten times the
// speed, and a round of clicks on the unit every 40 ms of wall time, all logged in the session log
// of the current folder. The stored settings live in the folder named by the one argument.
#include <QApplication>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QtTest>

#include "RecordingFiles.h"
#include "WindowFixtures.h"
#include "app/session/ScenarioFileLog.h"
#include "app/session/SessionFolderLock.h"
#include "app/session/SimulatorSession.h"
#include "app/window/MainWindow.h"

using namespace loopsim;
using namespace loopsim::test;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const QString settingsFolder = QString::fromLocal8Bit(argv[1]);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder);

    SessionFolderLock folderLock;
    if (!folderLock.take())
        return 3;
    FakeAudioOutputs outputs(false);
    CollectedMessages messages;
    ScriptedFileChooser files;
    ElapsedTimerClock wall;
    ScenarioFileLog log(kSessionLogFileName);
    SimulatorSession session({runtimeFolder(), messages, outputs, wall, log, files, {}});
    answerStartupWarning("AcceptButton");
    if (!session.start())
        return 1;
    QTest::mouseClick(session.window()->findChild<QPushButton*>("Speed10"), Qt::LeftButton);

    // Cylinders, both handsets on and started, mouthpiece and breathing, the handset
    // buttons, the environment's depth; round and round until killed.
    static const char* const kRound[] = {"Image7",  "Image4",  "LHOO",    "Label8",
                                         "RHOO",    "Label11", "Image18", "Image19",
                                         "Label10", "Label9",  "Image10", "Label8"};
    int next = 0;
    QTimer clicks;
    QObject::connect(&clicks, &QTimer::timeout, [&] {
        QWidget* element = session.window()->unit().element(kRound[next]);
        if (element && element->isVisible())
            QTest::mouseClick(element, Qt::LeftButton);
        next = (next + 1) % static_cast<int>(std::size(kRound));
    });
    clicks.start(40);
    return QApplication::exec();
}
