// The export of a five-hour session in each format from its replayed timeline (the figures
// the events need, the dive, and its text), and the whole of it from the session log.
#include <benchmark/benchmark.h>

#include "DiveScenarios.h"
#include "debrief/Debrief.h"
#include "debrief/SessionReplay.h"
#include "export/DiveFromSession.h"
#include "export/ExportFormat.h"

namespace loopsim {
namespace {

void FiveHourExport(benchmark::State& state, ExportFormat format) {
    const ReplayedSession replayed = replaySessionLog(fiveHourDiveScenario());
    if (replayed.error) {
        state.SkipWithError(replayed.error->c_str());
        return;
    }
    for (auto _ : state) {
        const ExportedDive dive =
            diveFromSession(computeDebrief(replayed.timeline), CalendarTime{2024, 5, 1, 10});
        benchmark::DoNotOptimize(exportText(dive, format));
    }
}
BENCHMARK_CAPTURE(FiveHourExport, ssrf, ExportFormat::Subsurface)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(FiveHourExport, uddf, ExportFormat::Uddf)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(FiveHourExport, csv, ExportFormat::Csv)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void FiveHourExportFromLog(benchmark::State& state) {
    const std::string log = fiveHourDiveScenario();
    for (auto _ : state) {
        ReplayedSession replayed = replaySessionLog(log);
        if (replayed.error) {
            state.SkipWithError(replayed.error->c_str());
            break;
        }
        const ExportedDive dive = diveFromSession(computeDebrief(std::move(replayed.timeline)),
                                                  CalendarTime{2024, 5, 1, 10});
        benchmark::DoNotOptimize(exportText(dive, ExportFormat::Subsurface));
    }
}
BENCHMARK(FiveHourExportFromLog)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace loopsim
