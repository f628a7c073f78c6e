// loopsim-run --export: the session it played, written after its other files in the format
// the file's name asks for and dated with the run's start, and the formats it refuses.
#include <gtest/gtest.h>

#include <ctime>
#include <sstream>

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

// The local date and time now, as the exports write them into the dive's start.
std::string localNow(const char* format) {
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[64];
    std::strftime(text, sizeof text, format, &local);
    return text;
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
        const std::string before = row.dateFormat ? localNow(row.dateFormat) : "";
        const test::RunResult run =
            runInFolder(folder, drillScenario(), {"--out", "out.csv", "--export", row.file});
        const std::string after = row.dateFormat ? localNow(row.dateFormat) : "";
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

// An export or a debrief in a format the runner does not write is refused with the command
// line; the other refusals and failed writes of these files are among the runner's files.
TEST(RunnerExport, AskedForAFormatItDoesNotWrite) {
    for (const auto& [option, file, message] :
         {std::tuple{"--export", "dive.xml",
                     "loopsim-run: --export writes FILE.ssrf, FILE.uddf or FILE.csv, not "
                     "'dive.xml'\n"},
          {"--debrief", "report.txt",
           "loopsim-run: --debrief writes FILE.json or FILE.html, not 'report.txt'\n"}}) {
        std::ostringstream err;
        EXPECT_FALSE(parseRunArguments({"a.scenario", option, file}, err));
        EXPECT_EQ(err.str(), message);
    }
}

}  // namespace
}  // namespace loopsim
