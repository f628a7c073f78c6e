#include <sys/signalfd.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <fstream>

#include "core/SettingsStore.h"
#include "files/LostSession.h"
#include "files/OutputFile.h"
#include "files/RecordingFile.h"
#include "files/SettingsFile.h"
#include "headless/RunFiles.h"
#include "simulation/Simulation.h"
#include "stationweb/ServedRun.h"
#include "stationweb/StationServer.h"

namespace loopsim {
namespace {

// The stored settings the served session starts from, as the window's session log notes
// them, so the log replays from the same start.
void noteStart(std::ostream& log, const SettingsStore* settings) {
    const MemorySettingsStore defaults;
    const SettingsStore& store = settings ? *settings : defaults;
    log << "# A session served to the instructor station by loopsim-run --serve. Its stored\n"
           "# settings at start, for loopsim-run --settings FILE.ini:\n";
    for (const std::string& line : storedSettingsNote(store))
        log << "# " << line << "\n";
    log.flush();
}

}  // namespace

int serveRun(const RunOptions& options, std::ostream& out, std::ostream& err) {
    const ServeOptions& serve = *options.serve;
    std::optional<RunInputs> inputs = readRunInputs(options, err);
    if (!inputs)
        return kRunRefused;
    const RunFiles& files = inputs->files;
    std::optional<MemorySettingsStore>& settings = inputs->settings;
    Simulation simulation(settings ? &*settings : nullptr);
    Scenario scenario = parseScenario(inputs->scenarioText, &simulation.input());
    if (scenario.error) {
        err << options.scenario.string() << ":" << scenario.error->lineNumber << ": "
            << scenario.error->message << "\n";
        return kRunRefused;
    }
    std::ofstream log;
    if (serve.log) {
        log.open(*serve.log, std::ios::binary | std::ios::trunc);
        if (!log) {
            err << "loopsim-run: cannot write " << serve.log->string() << "\n";
            return kRunRefused;
        }
        noteStart(log, settings ? &*settings : nullptr);
    }

    // Ctrl+C or a kill ends the run as --until would, so its files are written. The signals
    // are read from a descriptor, blocked before any thread starts.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    const int stopRequests = signalfd(-1, &stopSignals, SFD_CLOEXEC);

    int argc = 1;
    char name[] = "loopsim-run";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    ServedRun run(simulation, std::move(scenario), options.until, serve.log ? &log : nullptr,
                  serve.drills.value_or(std::filesystem::path()));
    StationServer server(run, PairingCode::random());
    if (!server.listen(serve.localNetwork, static_cast<quint16>(serve.port))) {
        err << "loopsim-run: cannot listen on port " << serve.port << "\n";
        return kRunRefused;
    }
    QObject::connect(&run, &ServedRun::ended, &application, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    QSocketNotifier stopNotifier(stopRequests, QSocketNotifier::Read);
    QObject::connect(&stopNotifier, &QSocketNotifier::activated, &run, [&] {
        signalfd_siginfo info;
        if (::read(stopRequests, &info, sizeof info) > 0)
            run.stop();
    });
    out << "loopsim-run: the instructor station is at http://"
        << (serve.localNetwork ? "0.0.0.0" : "127.0.0.1") << ":" << server.port()
        << "/ with the pairing code " << server.code().digits() << std::endl;
    run.start();
    if (!run.over())
        application.exec();
    server.close();
    ::close(stopRequests);
    if (serve.log) {
        log << "# The session ended.\n";
        log.flush();
    }

    int status = kRunPlayed;
    if (simulation.dialogs().ending() == Ending::WithoutSaving)
        return status;
    auto report = [&](const std::optional<std::string>& error) {
        if (!error)
            return;
        err << "loopsim-run: " << *error << "\n";
        status = kRunWriteFailed;
    };
    if (settings) {
        simulation.saveSettings(*settings);
        report(writeWholeFile(*files.settings, settingsFileText(settings->values)));
    }
    report(writeRecordingFile(files.recording, simulation.recording().table(),
                              simulation.state().RecordIndex, localCalendarTime()));
    return status;
}

}  // namespace loopsim
