// loopsim-run --export: the session it played, written after its other files in the format
// the file's name asks for and dated with the run's start.
#include <gtest/gtest.h>

#include "RunInFolder.h"
#include "export/ExportFormat.h"
#include "export/ExportedSessions.h"

namespace loopsim {
namespace {

namespace fs = std::filesystem;
using test::runInFolder;
using test::ScratchFolder;

std::string drillScenario() {
    return readTestFile(test::scenarioPath("bail-out-drill"));
}

TEST(RunnerExport, WritesTheSessionItPlayedDatedWithTheRunsStart) {
    struct Row {
        const char* file;
        const char* dateFormat;  // how the start is written; none for the CSV
    };
    const ExportedDive dive = test::exportedSession("bail-out-drill");
    for (const Row& row :
         {Row{"drill.ssrf", "date='%Y-%m-%d' time='%H:%M:%S'"},
          Row{"DRILL.UDDF", "<datetime>%Y-%m-%dT%H:%M:%S</datetime>"}, Row{"drill.csv", nullptr}}) {
        const ScratchFolder folder;
        const std::string before = row.dateFormat ? test::localNow(row.dateFormat) : "";
        const test::RunResult run =
            runInFolder(folder, drillScenario(), {"--out", "out.csv", "--export", row.file});
        const std::string after = row.dateFormat ? test::localNow(row.dateFormat) : "";
        ASSERT_EQ(run.status, kRunPlayed) << run.err;
        EXPECT_EQ(run.err, "");
        EXPECT_TRUE(fs::is_regular_file(folder / "out.csv"));

        std::string written = readTestFile((folder / row.file).string());
        std::string expected = exportText(dive, exportFormatOf(row.file).value());
        if (row.dateFormat) {
            const std::string fixed = test::exportStartText(row.dateFormat);
            const std::size_t at = written.find(before.substr(0, 6));
            ASSERT_NE(at, std::string::npos) << row.file;
            const std::string dated = written.substr(at, before.size());
            EXPECT_TRUE(dated == before || dated == after) << dated;
            written.replace(at, dated.size(), fixed);
        }
        EXPECT_EQ(written, expected) << row.file;
    }
}

}  // namespace
}  // namespace loopsim
