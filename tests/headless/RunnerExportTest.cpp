// loopsim-run --export: the session it played, written after its other files in the format
// the file's name asks for and dated with the run's start, as the golden exports of the
// bail-out drill have it with their start of 10:00 on 1 May 2024.
#include <gtest/gtest.h>

#include "RunInFolder.h"

namespace loopsim {
namespace {

using test::ScratchFolder;

TEST(RunnerExport, WritesTheSessionItPlayedDatedWithTheRunsStart) {
    struct Row {
        const char* file;
        const char* golden;
        const char* dateFormat;  // how the start is written; none for the CSV
        const char* goldenDate;
    };
    const std::string scenario = readTestFile(testDataPath("bail-out-drill.scenario"));
    for (const Row& row : {
             Row{"drill.ssrf", "bail-out-drill-export.ssrf", "date='%Y-%m-%d' time='%H:%M:%S'",
                 "date='2024-05-01' time='10:00:00'"},
             Row{"DRILL.UDDF", "bail-out-drill-export.uddf",
                 "<datetime>%Y-%m-%dT%H:%M:%S</datetime>",
                 "<datetime>2024-05-01T10:00:00</datetime>"},
             Row{"drill.csv", "bail-out-drill-export.csv", nullptr, nullptr},
         }) {
        const ScratchFolder folder;
        const std::string before = row.dateFormat ? test::localNow(row.dateFormat) : "";
        const test::RunResult run =
            test::runInFolder(folder, scenario, {"--out", "out.csv", "--export", row.file});
        const std::string after = row.dateFormat ? test::localNow(row.dateFormat) : "";
        ASSERT_EQ(run.status, kRunPlayed) << run.err;
        EXPECT_EQ(run.err, "");
        EXPECT_TRUE(std::filesystem::is_regular_file(folder / "out.csv"));

        std::string written = readTestFile((folder / row.file).string());
        if (row.dateFormat) {
            const std::size_t at = written.find(before.substr(0, 6));
            ASSERT_NE(at, std::string::npos) << row.file;
            const std::string dated = written.substr(at, before.size());
            EXPECT_TRUE(dated == before || dated == after) << dated;
            written.replace(at, dated.size(), row.goldenDate);
        }
        expectMatchesGoldenFile(written, row.golden);
    }
}

}  // namespace
}  // namespace loopsim
