// A five-hour dive played by the headless runner, and the calibration flush on its own.
// Both report how many simulated seconds pass per second of wall time.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "DiveScenarios.h"
#include "handset/Calibration.h"
#include "handset/Screens.h"
#include "headless/Runner.h"
#include "simulation/Simulation.h"

namespace loopsim {
namespace {

namespace fs = std::filesystem;

void reportSimulatedTime(benchmark::State& state, Millis simulated) {
    state.counters["simulated_seconds_per_wall_second"] = benchmark::Counter(
        static_cast<double>(simulated) / 1000.0 * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate);
}

void FiveHourDive(benchmark::State& state) {
    const fs::path folder = fs::temp_directory_path() / "loopsim-bench-dive";
    fs::create_directories(folder);
    RunOptions options;
    options.scenario = folder / "five-hour-dive.scenario";
    options.out = folder / "five-hour-dive.csv";
    options.dump = folder / "five-hour-dive.jsonl";
    std::ofstream(options.scenario) << fiveHourDiveScenario();

    for (auto _ : state) {
        std::ostringstream out, err;
        if (runScenario(options, out, err) != kRunPlayed || !err.str().empty()) {
            state.SkipWithError(err.str().c_str());
            break;
        }
    }
    reportSimulatedTime(state, kFiveHours);
    fs::remove_all(folder);
}
BENCHMARK(FiveHourDive)->Unit(benchmark::kMillisecond)->UseRealTime();

// From air at the surface: the master has confirmed the open oxygen valve and its display
// tick is about to start the flush; the time runs until the display leaves the flush.
void CalibrationFlush(benchmark::State& state) {
    const std::string preDive = preDiveLines();
    Millis simulated = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Simulation simulation;
        playScenario(simulation, preDive);
        simulation.advanceTo(simulation.clock().timer("Timer8").due() - 1);
        const HandsetState& master = simulation.state().LeftHandset;
        const Millis start = simulation.now();
        state.ResumeTiming();
        while (master.Screen == kFlushScreen && simulation.now() < start + kFlushTimeLimit * 2)
            simulation.advanceTo(simulation.now() + 100);
        simulated += simulation.now() - start;
    }
    state.counters["simulated_seconds_per_wall_second"] =
        benchmark::Counter(static_cast<double>(simulated) / 1000.0, benchmark::Counter::kIsRate);
}
BENCHMARK(CalibrationFlush)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace loopsim
