// The results viewer opening on a five-hour recording with its session log beside it: the
// recording read and charted while the log plays again for its debrief, the Debrief panel
// filled, and the window painted once, off screen. The files are the five-hour dive's, as
// the runner writes them.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <fstream>
#include <sstream>

#include "DiveScenarios.h"
#include "app/dialogs/FileChooser.h"
#include "app/dialogs/UserMessages.h"
#include "app/results/ResultsViewer.h"
#include "headless/Runner.h"

namespace loopsim {
namespace {

class NoOneThere : public FileChooser, public UserMessages {
  public:
    std::optional<QString> chooseFile(QWidget*, const FileRequest&) override { return {}; }
    void showMessage(QWidget*, const QString& text) override { said = text; }
    bool askYesNo(QWidget*, const QString&) override { return false; }
    QString said;
};

void FiveHourViewer(benchmark::State& state) {
    QTemporaryDir folder;
    const std::filesystem::path log = QDir(folder.path()).filePath("dive.scenario").toStdString();
    const std::filesystem::path recording = QDir(folder.path()).filePath("dive.csv").toStdString();
    std::ofstream(log) << fiveHourDiveScenario();
    RunOptions options;
    options.scenario = log;
    options.out = recording;
    std::ostringstream out, err;
    if (runScenario(options, out, err) != kRunPlayed) {
        state.SkipWithError(err.str().c_str());
        return;
    }
    for (auto _ : state) {
        NoOneThere noOne;
        ResultsViewer viewer(noOne, noOne);
        viewer.setAttribute(Qt::WA_DontShowOnScreen);
        viewer.openOnShow(QString::fromStdString(recording.string()));
        viewer.resize(1400, 820);
        viewer.show();
        QCoreApplication::sendPostedEvents();
        benchmark::DoNotOptimize(viewer.grab());
        if (!viewer.debrief() || !noOne.said.isEmpty()) {
            state.SkipWithError("the viewer showed no debrief");
            break;
        }
    }
}
BENCHMARK(FiveHourViewer)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace loopsim

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
