// The runner's files (settings, recording, dumps, export and debrief): what it refuses before
// the run (status 2, nothing written), what a failed write does (status 1, the other files
// still written, no temporary left), links written through, full and read-only disks.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>

#include "RunInFolder.h"
#include "TinyFileSystem.h"

namespace loopsim {
namespace {

namespace fs = std::filesystem;
using test::folderContents;
using test::runInFolder;
using test::ScratchFolder;

constexpr const char* kDumpingScenario = "0 dump\n1 dump\n2 end\n";

// What a row puts in the folder before the run, and the options naming files in it.
struct Row {
    const char* what;
    std::function<void(const ScratchFolder&)> prepare;
    std::string options;  // split at the spaces
};

const auto nothing = [](const ScratchFolder&) {};

auto write(const char* name, std::string text) {
    return [=](const ScratchFolder& f) { f.write(name, text); };
}
auto folderAt(const char* name) {
    return [=](const ScratchFolder& f) { fs::create_directories(f / name); };
}
auto pipeAt(const char* name) {
    return [=](const ScratchFolder& f) { ASSERT_EQ(::mkfifo((f / name).c_str(), 0600), 0); };
}
auto linkAt(const char* name, const char* target) {
    return [=](const ScratchFolder& f) { fs::create_symlink(target, f / name); };
}

// Each row played in a folder of its own, refused before the run or failing a write, and
// what the runner said of it, {} standing for the folder. A refused run leaves the folder as
// it was, byte for byte; after a failed write the names left in the folder follow.
std::string played(bool refused, std::initializer_list<Row> rows) {
    std::string said;
    for (const Row& row : rows) {
        const ScratchFolder folder;
        folder.write("test.scenario", kDumpingScenario);
        row.prepare(folder);
        const auto before = folderContents(folder.path());
        std::vector<std::string> options;
        std::istringstream words(row.options);
        for (std::string word; words >> word;)
            options.push_back(word);
        const test::RunResult run = runInFolder(folder, kDumpingScenario, options);
        EXPECT_EQ(run.status, refused ? kRunRefused : kRunWriteFailed) << row.what;
        said += std::string(row.what) + ":\n    " + test::outOfFolder(run.err, folder.path());
        if (refused) {
            EXPECT_EQ(run.out, "") << row.what;
            EXPECT_EQ(folderContents(folder.path()), before) << row.what;
            continue;
        }
        said += "    left:";
        for (const auto& [name, contents] : folderContents(folder.path()))
            said += " " + name;
        said += "\n";
    }
    return said;
}

// Settings that are not ours, files that are not files, one file named twice, a dump file
// that cannot be made: refused before the run, as runner-refusals.txt has it.
TEST(RunnerFiles, RefusesBadTargetsBeforeTheRunAndWritesNothing) {
    const std::string said = played(
        true,
        {
            {"a scenario as settings", write("other.scenario", "# a walk\n0 tap Image7\n"),
             "--settings other.scenario"},
            {"a recording as settings", write("old.csv", "\"Tarven Calvendrite Simulator\",#\r\n"),
             "--settings old.csv --out o.csv"},
            {"a binary file as settings", write("b.ini", std::string("\x7f\0\x01\x02", 4)),
             "--settings b.ini"},
            {"another program's settings", write("o.ini", "[General]\ncolour=red\n"),
             "--settings o.ini"},
            {"a folder as settings", folderAt("s.ini"), "--settings s.ini"},
            {"a pipe as settings", pipeAt("s.ini"), "--settings s.ini"},
            {"a folder as the recording", folderAt("o.csv"), "--out o.csv"},
            {"a pipe as the recording", pipeAt("o.csv"), "--out o.csv"},
            {"a device as the recording", nothing, "--out /dev/null"},
            {"a link to a device as the dump file", linkAt("d.jsonl", "/dev/null"),
             "--out o.csv --dump d.jsonl"},
            {"a folder as the dump file", folderAt("d.jsonl"), "--out o.csv --dump d.jsonl"},
            {"a loop of links as the recording", linkAt("o.csv", "o.csv"), "--out o.csv"},
            {"the dump file is the recording", nothing, "--out o.csv --dump o.csv"},
            {"the dump file is the recording through a link", linkAt("d.jsonl", "o.csv"),
             "--out o.csv --dump d.jsonl"},
            {"the dump file is the recording spelled otherwise", folderAt("sub"),
             "--out o.csv --dump sub/../o.csv"},
            {"the dump file is the settings", write("s.ini", "[Settings]\n"),
             "--settings s.ini --out o.csv --dump s.ini"},
            {"the recording is the settings", nothing, "--settings s.ini --out s.ini"},
            {"the recording is the scenario", nothing, "--out test.scenario"},
            {"the dump file cannot be made", folderAt("d.jsonl.partial"),
             "--out o.csv --dump d.jsonl"},
            {"the dump file's folder is missing", nothing, "--out o.csv --dump missing/d.jsonl"},
            {"a folder as the export", folderAt("d.ssrf"), "--out o.csv --export d.ssrf"},
            {"the export is the recording", nothing, "--out o.csv --export o.csv"},
            {"a folder as the debrief", folderAt("r.json"), "--debrief r.json"},
            {"the debrief is the recording", nothing, "--out r.json --debrief r.json"},
        });
    expectMatchesGoldenFile(said, "runner-refusals.txt");
}

// A file that cannot be written is said, with its reason; the others are still written, no
// temporary file is left, and the status is 1, as runner-write-failures.txt has it.
TEST(RunnerFiles, AFailedWriteIsSaidAndTheOtherFilesAreStillWritten) {
    const std::string said = played(
        false,
        {
            {"the recording's folder is missing", nothing,
             "--settings s.ini --out missing/o.csv --dump d.jsonl"},
            {"a file where the recording's folder should be", write("file", "x"),
             "--out file/o.csv --dump d.jsonl"},
            {"a folder in the way of the recording's temporary file", folderAt("o.csv.partial"),
             "--settings s.ini --out o.csv"},
            {"the settings' folder is missing", nothing,
             "--settings missing/s.ini --out o.csv --dump d.jsonl"},
            {"a folder in the way of the settings' temporary file", folderAt("s.ini.partial"),
             "--settings s.ini --out o.csv"},
            {"the export's folder is missing", nothing, "--out o.csv --export missing/d.uddf"},
            {"the debrief's folder is missing", nothing, "--out o.csv --debrief missing/r.json"},
        });
    expectMatchesGoldenFile(said, "runner-write-failures.txt");
}

TEST(RunnerFiles, WritesThroughLinksToTheirTargets) {
    const ScratchFolder folder;
    folder.write("kept/settings.ini", "[Settings]\nCO2=20\n");
    for (const char* name : {"settings.ini", "out.csv", "dumps.jsonl"})
        fs::create_symlink(std::string("kept/") + name, folder / name);
    const test::RunResult run =
        runInFolder(folder, kDumpingScenario,
                    {"--settings", "settings.ini", "--out", "out.csv", "--dump", "dumps.jsonl"});
    ASSERT_EQ(run.status, kRunPlayed) << run.err;
    const auto read = [&](const char* name) { return readTestFile((folder / name).string()); };
    EXPECT_EQ(read("kept/settings.ini"),
              "[Settings]\nCO2=20\nLeftBattery=6.2\nLeftTimer=14\nRightBattery=6.2\n");
    EXPECT_EQ(read("kept/out.csv").rfind("\"Tarven Calvendrite Simulator\"", 0), 0u);
    EXPECT_EQ(read("kept/dumps.jsonl").rfind("{\"t\":0,", 0), 0u);
    for (const char* name : {"settings.ini", "out.csv", "dumps.jsonl"})
        EXPECT_TRUE(fs::is_symlink(folder / name)) << name;
}

// Each file on a small disk that is full, then read-only, the others beside it: the one on
// the disk fails with its reason (the dump file mid-run, or at its start when it cannot be
// made), the disk holds what it held, and the others are written, as runner-full-disks.txt
// has it.
TEST(RunnerFiles, AFullOrReadOnlyDiskFailsTheFileOnItAlone) {
    std::string said;
    for (const bool readOnly : {false, true}) {
        for (const std::string option : {"--out", "--dump", "--settings"}) {
            const ScratchFolder folder;
            const test::TinyFileSystem disk(folder / "disk", 64);
            if (!disk.mounted())
                GTEST_SKIP() << test::TinyFileSystem::skipReason();
            folder.write("disk/s.ini", "[Settings]\nCO2=20\n");
            if (readOnly)
                ASSERT_TRUE(disk.makeReadOnly());
            else
                disk.fill();
            const auto before = folderContents(folder / "disk");
            std::vector<std::string> options{"--out",   "o.csv",      "--dump",
                                             "d.jsonl", "--settings", "s.ini"};
            for (std::size_t i = 0; i < options.size(); i += 2)
                if (options[i] == option)
                    options[i + 1] = "disk/" + options[i + 1];
            const test::RunResult run = runInFolder(folder, kDumpingScenario, options);
            EXPECT_EQ(folderContents(folder / "disk"), before) << option << readOnly;
            said += option + (readOnly ? " on a read-only disk" : " on a full disk") + ": status " +
                    std::to_string(run.status) + "\n    " +
                    test::outOfFolder(run.err, folder.path()) + "    left:";
            for (const auto& [name, contents] : folderContents(folder.path()))
                if (name.rfind("disk", 0) != 0)
                    said += " " + name;
            said += "\n";
        }
    }
    expectMatchesGoldenFile(said, "runner-full-disks.txt");
}

}  // namespace
}  // namespace loopsim
