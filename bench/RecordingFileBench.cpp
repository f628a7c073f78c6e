// Writing and reading back a full recording: five hours, 18000 rows.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "files/RecordingFile.h"

namespace loopsim {
namespace {

RecordTable fullTable() {
    RecordTable table;
    for (int row = 1; row <= RecordTable::kLastRow; ++row) {
        table.row(row) = {
            std::monostate{}, 0.7 + row * 1e-5, 0.71, static_cast<double>(row % 40), 1.3, 16.0};
        if (row % 60 == 0)
            table.row(row)[kStatusColumn] = std::string("Left handset: middle button");
    }
    return table;
}

std::filesystem::path benchFile() {
    return std::filesystem::temp_directory_path() / "loopsim-bench-recording.csv";
}

void WriteFullRecording(benchmark::State& state) {
    const RecordTable table = fullTable();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            writeRecordingFile(benchFile(), table, RecordTable::kLastRow, CalendarTime{}));
}
BENCHMARK(WriteFullRecording)->Unit(benchmark::kMillisecond);

void ReadFullRecording(benchmark::State& state) {
    writeRecordingFile(benchFile(), fullTable(), RecordTable::kLastRow, CalendarTime{});
    RecordTable table;
    for (auto _ : state)
        benchmark::DoNotOptimize(readRecordingFile(benchFile(), table));
}
BENCHMARK(ReadFullRecording)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace loopsim
