// The loopsim program. With no arguments it runs the simulator: the offer to rebuild the
// recording of a session that was lost, the start-up warning, the main window, and at exit
// the results viewer. --results opens the results viewer alone on
// the recording file of the current folder; --render-chart draws a recording's chart into
// a PNG without a display, --render-viewer the whole results viewer as it opens on one.
#include <QApplication>
#include <cstdio>
#include <string_view>

#include "app/ProgramEnd.h"
#include "app/dialogs/FileChooser.h"
#include "app/dialogs/UserMessages.h"
#include "app/results/ChartRender.h"
#include "app/results/LogDebrief.h"
#include "app/results/ResultsViewer.h"
#include "app/session/AppSettings.h"
#include "app/session/LostSessionOffer.h"
#include "app/session/MonotonicClock.h"
#include "app/session/QtSettingsStore.h"
#include "app/session/QtSoundBackend.h"
#include "app/session/ScenarioFileLog.h"
#include "app/session/SessionFolderLock.h"
#include "app/session/SessionLog.h"
#include "app/session/SimulatorSession.h"

namespace {

constexpr const char* kUsage =
    "usage: loopsim [--results | --render-chart RECORDING.csv IMAGE.png |\n"
    "                --render-viewer RECORDING.csv IMAGE.png [--size WxH] [--event-from SECONDS]\n"
    "                                [--trainee NAME]]\n";

bool rendersOnly(int argc, char** argv) {
    const std::string_view option = argc > 1 ? argv[1] : "";
    return option == "--render-chart" || option == "--render-viewer";
}

void printNotes(const QString& recording, const QStringList& notes) {
    for (const QString& note : notes)
        std::fprintf(stderr, "loopsim: %s: %s\n", qPrintable(recording), qPrintable(note));
}

int renderChart(const QStringList& arguments) {
    if (arguments.size() != 4) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const loopsim::ChartRenderResult rendered =
        loopsim::renderRecordingChart(arguments[2], arguments[3]);
    if (rendered.error) {
        std::fprintf(stderr, "loopsim: %s\n", qPrintable(*rendered.error));
        return 1;
    }
    printNotes(arguments[2], rendered.notes);
    return 0;
}

// The viewer's status line goes to standard output, the messages it showed to standard error.
int renderViewer(const QStringList& arguments) {
    if (arguments.size() < 4 || arguments.size() % 2 != 0) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    loopsim::ViewerPicture picture;
    for (qsizetype i = 4; i + 1 < arguments.size(); i += 2) {
        const QString& value = arguments[i + 1];
        bool number = true;
        if (arguments[i] == QLatin1String("--size")) {
            const QStringList sides = value.split(QLatin1Char('x'));
            picture.size = QSize(sides.value(0).toInt(&number), sides.value(1).toInt());
            number = number && sides.size() == 2 && !picture.size.isEmpty();
        } else if (arguments[i] == QLatin1String("--event-from")) {
            picture.eventFrom = value.toDouble(&number);
        } else if (arguments[i] == QLatin1String("--trainee")) {
            picture.trainee = value;
        } else {
            number = false;
        }
        if (!number) {
            std::fputs(kUsage, stderr);
            return 2;
        }
    }
    const loopsim::ChartRenderResult rendered =
        loopsim::renderResultsViewer(arguments[2], arguments[3], picture);
    if (rendered.error) {
        std::fprintf(stderr, "loopsim: %s\n", qPrintable(*rendered.error));
        return 1;
    }
    std::printf("%s\n", qPrintable(rendered.notes.value(0)));
    printNotes(arguments[2], rendered.notes.mid(1));
    return 0;
}

int showResults(loopsim::FileChooser& files, loopsim::UserMessages& messages) {
    loopsim::ResultsViewer viewer(files, messages);
    QObject::connect(&viewer, &loopsim::ResultsViewer::exitRequested, qApp, &QApplication::quit);
    viewer.show();
    return QApplication::exec();
}

// A session lost before its exit gets its recording file back, shown in the results viewer.
void offerLostRecording(loopsim::FileChooser& files, loopsim::UserMessages& messages) {
    loopsim::QtSettingsStore settings;
    loopsim::offerToRebuildLostSession(nullptr, messages, settings,
                                       [&] { loopsim::showResultsUntilExit(files, messages); });
    settings.sync();
}

// A session the bail-out window's Exit ended left only its log: its debrief, before the new
// session's log replaces it.
void offerBailedOutDebrief(loopsim::FileChooser& files, loopsim::UserMessages& messages) {
    loopsim::offerBailedOutDebrief(nullptr, messages, [&] {
        loopsim::showDebriefOfLog(files, messages,
                                  QString::fromLatin1(loopsim::kSessionLogFileName));
    });
}

int runProgram(int argc, char** argv) {
    const bool renderOnly = rendersOnly(argc, argv);
    if (renderOnly && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QString::fromLatin1(loopsim::kSettingsOrganization));
    QApplication::setApplicationName(QString::fromLatin1(loopsim::kSettingsApplication));

    const QStringList arguments = QApplication::arguments();
    if (renderOnly)
        return arguments[1] == QLatin1String("--render-chart") ? renderChart(arguments)
                                                               : renderViewer(arguments);
    loopsim::DialogFileChooser files;
    loopsim::MessageBoxMessages messages;
    if (arguments.size() == 2 && arguments[1] == QLatin1String("--results"))
        return showResults(files, messages);
    if (arguments.size() > 1) {
        std::fputs(kUsage, stderr);
        return 2;
    }

    // In a folder where nothing can be written there is no lock to take; the session says at
    // its start that it runs without its log.
    loopsim::SessionFolderLock folderLock;
    if (folderLock.take() == loopsim::FolderLock::HeldByAnotherSession) {
        messages.showMessage(nullptr, loopsim::sessionFolderTakenMessage());
        return 1;
    }
    offerLostRecording(files, messages);
    offerBailedOutDebrief(files, messages);
    loopsim::MediaDeviceOutputs outputs;
    loopsim::ElapsedTimerClock wallClock;
    loopsim::ScenarioFileLog log(loopsim::kSessionLogFileName);
    loopsim::SimulatorSession session({QApplication::applicationDirPath().toStdString(),
                                       messages,
                                       outputs,
                                       wallClock,
                                       log,
                                       files,
                                       {}});
    QObject::connect(&session, &loopsim::SimulatorSession::finished, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    if (!session.start())
        return 0;
    return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
    loopsim::endProgram(runProgram(argc, argv));
}
