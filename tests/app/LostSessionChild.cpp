// A window session that never ends by itself, for the replay test to kill: the folder taken
// as the program takes it, the start-up warning accepted, the clock at ten times the speed,
// and a round of clicks on the unit every 40 ms of wall time, all logged in the session log
// of the current folder. The stored settings live in the folder named by the one argument.
#include "WindowFixtures.h"
#include "app/session/SessionFolderLock.h"

using namespace loopsim;
using namespace loopsim::test;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2)
        return 2;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromLocal8Bit(argv[1]));
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
    std::size_t next = 0;
    QTimer clicks;
    QObject::connect(&clicks, &QTimer::timeout, [&] {
        QWidget* element = session.window()->unit().element(kRound[next]);
        if (element && element->isVisible())
            QTest::mouseClick(element, Qt::LeftButton);
        next = (next + 1) % std::size(kRound);
    });
    clicks.start(40);
    return QApplication::exec();
}
