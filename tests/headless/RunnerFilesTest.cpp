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
using test::inFolder;
using test::runInFolder;
using test::ScratchFolder;

constexpr const char* kDumpingScenario = "0 dump\n1 dump\n2 end\n";

struct RefusalRow {
    const char* what;
    std::function<void(const ScratchFolder&)> prepare;
    std::vector<std::string> options;
};

// Settings that are not ours, files that are not files, one file named twice, a dump file
// that cannot be made: refused before the run, and the folder is as it was, byte for byte.
// What each refusal says, {} standing for the folder, is compared with runner-refusals.txt.
TEST(RunnerFiles, RefusesBadTargetsBeforeTheRunAndWritesNothing) {
    const auto nothing = [](const ScratchFolder&) {};
    const auto write = [](const char* name, std::string text) {
        return [=](const ScratchFolder& f) { f.write(name, text); };
    };
    const auto folderAt = [](const char* name) {
        return [=](const ScratchFolder& f) { fs::create_directories(f / name); };
    };
    const auto pipeAt = [](const char* name) {
        return [=](const ScratchFolder& f) { ASSERT_EQ(::mkfifo((f / name).c_str(), 0600), 0); };
    };
    const auto linkAt = [](const char* name, const char* target) {
        return [=](const ScratchFolder& f) { fs::create_symlink(target, f / name); };
    };
    const RefusalRow rows[] = {
        {"a scenario as settings",
         write("other.scenario", "# a walk\n0 tap Image7\n"),
         {"--settings", "other.scenario"}},
        {"a recording as settings",
         write("old.csv", "\"Tarven Calvendrite Simulator\",#\r\n"),
         {"--settings", "old.csv", "--out", "o.csv"}},
        {"a binary file as settings",
         write("b.ini", std::string("\x7f\0\x01\x02", 4)),
         {"--settings", "b.ini"}},
        {"another program's settings",
         write("o.ini", "[General]\ncolour=red\n"),
         {"--settings", "o.ini"}},
        {"a folder as settings", folderAt("s.ini"), {"--settings", "s.ini"}},
        {"a pipe as settings", pipeAt("s.ini"), {"--settings", "s.ini"}},
        {"a folder as the recording", folderAt("o.csv"), {"--out", "o.csv"}},
        {"a pipe as the recording", pipeAt("o.csv"), {"--out", "o.csv"}},
        {"a device as the recording", nothing, {"--out", "/dev/null"}},
        {"a link to a device as the dump file",
         linkAt("d.jsonl", "/dev/null"),
         {"--out", "o.csv", "--dump", "d.jsonl"}},
        {"a folder as the dump file", folderAt("d.jsonl"), {"--out", "o.csv", "--dump", "d.jsonl"}},
        {"a loop of links as the recording", linkAt("o.csv", "o.csv"), {"--out", "o.csv"}},
        {"the dump file is the recording", nothing, {"--out", "o.csv", "--dump", "o.csv"}},
        {"the dump file is the recording through a link",
         linkAt("d.jsonl", "o.csv"),
         {"--out", "o.csv", "--dump", "d.jsonl"}},
        {"the dump file is the recording spelled otherwise",
         folderAt("sub"),
         {"--out", "o.csv", "--dump", "sub/../o.csv"}},
        {"the dump file is the settings",
         write("s.ini", "[Settings]\n"),
         {"--settings", "s.ini", "--out", "o.csv", "--dump", "s.ini"}},
        {"the recording is the settings", nothing, {"--settings", "s.ini", "--out", "s.ini"}},
        {"the recording is the scenario", nothing, {"--out", "test.scenario"}},
        {"the dump file cannot be made",
         folderAt("d.jsonl.partial"),
         {"--out", "o.csv", "--dump", "d.jsonl"}},
        {"the dump file's folder is missing",
         nothing,
         {"--out", "o.csv", "--dump", "missing/d.jsonl"}},
        {"a folder as the export", folderAt("d.ssrf"), {"--out", "o.csv", "--export", "d.ssrf"}},
        {"the export is the recording", nothing, {"--out", "o.csv", "--export", "o.csv"}},
        {"a folder as the debrief", folderAt("r.json"), {"--debrief", "r.json"}},
        {"the debrief is the recording", nothing, {"--out", "r.json", "--debrief", "r.json"}},
    };
    std::string said;
    for (const RefusalRow& row : rows) {
        const ScratchFolder folder;
        folder.write("test.scenario", kDumpingScenario);
        row.prepare(folder);
        const auto before = folderContents(folder.path());
        const test::RunResult run = runInFolder(folder, kDumpingScenario, row.options);
        EXPECT_EQ(run.status, kRunRefused) << row.what;
        EXPECT_EQ(folderContents(folder.path()), before) << row.what;
        EXPECT_EQ(run.out, "") << row.what;
        said += std::string(row.what) + ":\n    " + test::outOfFolder(run.err, folder.path());
    }
    expectMatchesGoldenFile(said, "runner-refusals.txt");
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

struct WriteFailureRow {
    const char* what;
    std::function<void(const ScratchFolder&)> prepare;
    std::vector<std::string> options;
    std::string message;
    std::vector<const char*> written;  // the other files, written all the same
};

// A file that cannot be written is said, with its reason; the others are still written, and
// the status is 1.
TEST(RunnerFiles, AFailedWriteIsSaidAndTheOtherFilesAreStillWritten) {
    const auto nothing = [](const ScratchFolder&) {};
    const auto partialFolder = [](const char* name) {
        return [=](const ScratchFolder& f) { fs::create_directories(f / name); };
    };
    const WriteFailureRow rows[] = {
        {"the recording's folder is missing",
         nothing,
         {"--settings", "s.ini", "--out", "missing/o.csv", "--dump", "d.jsonl"},
         "loopsim-run: cannot write {}missing/o.csv: No such file or directory\n",
         {"s.ini", "d.jsonl"}},
        {"a file where the recording's folder should be",
         [](const ScratchFolder& f) { f.write("file", "x"); },
         {"--out", "file/o.csv", "--dump", "d.jsonl"},
         "loopsim-run: cannot write {}file/o.csv: Not a directory\n",
         {"d.jsonl"}},
        {"a folder in the way of the recording's temporary file",
         partialFolder("o.csv.partial"),
         {"--settings", "s.ini", "--out", "o.csv"},
         "loopsim-run: cannot write {}o.csv: {}o.csv.partial is in the way (a folder)\n",
         {"s.ini"}},
        {"the settings' folder is missing",
         nothing,
         {"--settings", "missing/s.ini", "--out", "o.csv", "--dump", "d.jsonl"},
         "loopsim-run: cannot write {}missing/s.ini: No such file or directory\n",
         {"o.csv", "d.jsonl"}},
        {"a folder in the way of the settings' temporary file",
         partialFolder("s.ini.partial"),
         {"--settings", "s.ini", "--out", "o.csv"},
         "loopsim-run: cannot write {}s.ini: {}s.ini.partial is in the way (a folder)\n",
         {"o.csv"}},
        {"the export's folder is missing",
         nothing,
         {"--out", "o.csv", "--export", "missing/d.uddf"},
         "loopsim-run: cannot write {}missing/d.uddf: No such file or directory\n",
         {"o.csv"}},
        {"the debrief's folder is missing",
         nothing,
         {"--out", "o.csv", "--debrief", "missing/r.json"},
         "loopsim-run: cannot write {}missing/r.json: No such file or directory\n",
         {"o.csv"}},
    };
    for (const WriteFailureRow& row : rows) {
        const ScratchFolder folder;
        row.prepare(folder);
        const test::RunResult run = runInFolder(folder, kDumpingScenario, row.options);
        EXPECT_EQ(run.status, kRunWriteFailed) << row.what;
        EXPECT_EQ(run.err, inFolder(row.message, folder.path())) << row.what;
        for (const char* name : row.written)
            EXPECT_TRUE(fs::is_regular_file(folder / name)) << row.what << ": " << name;
        EXPECT_FALSE(test::holdsAPartialFile(folder.path())) << row.what;
    }
}

// Each file on a small disk that is full, then read-only, the others beside it: the one on
// the disk fails with its reason (the dump file mid-run, or at its start when it cannot be
// made), the disk holds what it held, and the others are written.
TEST(RunnerFiles, AFullOrReadOnlyDiskFailsTheFileOnItAlone) {
    struct Row {
        const char* option;
        const char* name;
        bool readOnly;
        int status;
        const char* reason;
    };
    const Row rows[] = {
        {"--out", "o.csv", false, kRunWriteFailed, "No space left on device"},
        {"--dump", "d.jsonl", false, kRunWriteFailed, "No space left on device"},
        {"--settings", "s.ini", false, kRunWriteFailed, "No space left on device"},
        {"--out", "o.csv", true, kRunWriteFailed, "Read-only file system"},
        {"--dump", "d.jsonl", true, kRunRefused, "Read-only file system"},
        {"--settings", "s.ini", true, kRunWriteFailed, "Read-only file system"},
    };
    for (const Row& row : rows) {
        const ScratchFolder folder;
        const test::TinyFileSystem disk(folder / "disk", 64);
        if (!disk.mounted())
            GTEST_SKIP() << test::TinyFileSystem::skipReason();
        folder.write("disk/s.ini", "[Settings]\nCO2=20\n");
        if (row.readOnly)
            ASSERT_TRUE(disk.makeReadOnly());
        else
            disk.fill();
        const auto before = folderContents(folder / "disk");

        std::vector<std::string> options{"--out",   "o.csv",      "--dump",
                                         "d.jsonl", "--settings", "s.ini"};
        for (std::size_t i = 0; i < options.size(); i += 2)
            if (options[i] == row.option)
                options[i + 1] = std::string("disk/") + row.name;
        const test::RunResult run = runInFolder(folder, kDumpingScenario, options);
        const std::string what = std::string(row.option) + (row.readOnly ? " read-only" : " full");
        EXPECT_EQ(run.status, row.status) << what;
        EXPECT_EQ(run.err, "loopsim-run: cannot write " + (folder / "disk" / row.name).string() +
                               ": " + row.reason + "\n")
            << what;
        EXPECT_EQ(folderContents(folder / "disk"), before) << what;
        for (const char* name : {"o.csv", "d.jsonl", "s.ini"}) {
            if (name == std::string(row.name))
                continue;
            EXPECT_EQ(fs::exists(folder / name), row.status == kRunWriteFailed) << what << name;
        }
    }
}

}  // namespace
}  // namespace loopsim
