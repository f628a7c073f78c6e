// loopsim-run --export: the session it played, written after its other files in the format
// the file's name asks for and dated with the run's start; a target that is not a file to
// write refused before the run, a failed write said with status 1.
#include <gtest/gtest.h>

#include <ctime>
#include <functional>
#include <sstream>

#include "RunInFolder.h"
#include "export/ExportFormat.h"
#include "export/ExportedSessions.h"

namespace loopsim {
namespace {

namespace fs = std::filesystem;
using test::inFolder;
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

TEST(RunnerExport, RefusedOrFailedLikeTheRunsOtherFiles) {
    struct Row {
        const char* what;
        std::function<void(const ScratchFolder&)> prepare;
        std::vector<std::string> options;
        int status;
        std::string message;  // with {} for the folder
    };
    const auto nothing = [](const ScratchFolder&) {};
    const Row rows[] = {
        {"a folder named as the export",
         [](const ScratchFolder& f) { fs::create_directories(f / "d.ssrf"); },
         {"--out", "o.csv", "--export", "d.ssrf"},
         kRunRefused,
         "loopsim-run: --export {}d.ssrf is a folder, not a file to write\n"},
        {"the export named as the recording",
         nothing,
         {"--out", "o.csv", "--export", "o.csv"},
         kRunRefused,
         "loopsim-run: --export {}o.csv names the same file as --out {}o.csv\n"},
        {"the export's folder is missing",
         nothing,
         {"--out", "o.csv", "--export", "missing/d.uddf"},
         kRunWriteFailed,
         "loopsim-run: cannot write {}missing/d.uddf: No such file or directory\n"},
    };
    for (const Row& row : rows) {
        const ScratchFolder folder;
        row.prepare(folder);
        const test::RunResult run = runInFolder(folder, "1 tap Image7\n2 end\n", row.options);
        EXPECT_EQ(run.status, row.status) << row.what;
        EXPECT_EQ(run.err, inFolder(row.message, folder.path())) << row.what;
        EXPECT_EQ(fs::is_regular_file(folder / "o.csv"), row.status == kRunWriteFailed) << row.what;
        EXPECT_FALSE(test::holdsAPartialFile(folder.path())) << row.what;
    }
}

TEST(RunnerExport, AskedForAFormatItDoesNotWrite) {
    std::ostringstream err;
    EXPECT_FALSE(parseRunArguments({"a.scenario", "--export", "dive.xml"}, err));
    EXPECT_EQ(err.str(),
              "loopsim-run: --export writes FILE.ssrf, FILE.uddf or FILE.csv, not 'dive.xml'\n");
}

}  // namespace
}  // namespace loopsim
