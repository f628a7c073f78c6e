// The debrief of a five-hour session: its log replayed with the observer, then every
// metric, the JSON and the HTML report worked out.
#include <benchmark/benchmark.h>

#include "DiveScenarios.h"
#include "debrief/Debrief.h"
#include "debrief/DebriefJson.h"
#include "debrief/ReportHtml.h"
#include "debrief/SessionReplay.h"

namespace loopsim {
namespace {

void FiveHourDebrief(benchmark::State& state) {
    const std::string log = fiveHourDiveScenario();
    for (auto _ : state) {
        ReplayedSession replayed = replaySessionLog(log);
        if (replayed.error) {
            state.SkipWithError(replayed.error->c_str());
            break;
        }
        const Debrief debrief = computeDebrief(std::move(replayed.timeline));
        benchmark::DoNotOptimize(debriefJson(debrief));
        benchmark::DoNotOptimize(debriefHtml(debrief, {"five-hour dive", "", ""}));
    }
}
BENCHMARK(FiveHourDebrief)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace loopsim
