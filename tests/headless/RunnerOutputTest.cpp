// The runner's standard output and standard error: dumps handed out one by one as they are
// taken, a standard output that cannot be written (closed, full, its reader gone) failing the
// run with its reason, and the note when a run goes on past the recording's last row.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "RunInFolder.h"

extern char** environ;

namespace loopsim {
namespace {

namespace fs = std::filesystem;
using test::runInFolder;
using test::ScratchFolder;

// A standard output that keeps each piece it is given apart.
class PiecesBuffer : public std::streambuf {
  public:
    std::vector<std::string> pieces;

  protected:
    std::streamsize xsputn(const char* text, std::streamsize count) override {
        pieces.emplace_back(text, static_cast<std::size_t>(count));
        return count;
    }
    int_type overflow(int_type c) override {
        if (c != traits_type::eof() && !pieces.empty())
            pieces.back() += traits_type::to_char_type(c);
        return c;
    }
};

TEST(RunnerOutput, EachDumpGoesOutAsItIsTaken) {
    const ScratchFolder folder;
    PiecesBuffer buffer;
    std::ostream out(&buffer);
    std::ostringstream err;
    RunOptions options;
    options.scenario = folder.write("test.scenario", "0 dump\n1 dump\n2.5 dump\n3 end\n");
    options.out = folder / "out.csv";
    ASSERT_EQ(runScenario(options, out, err), kRunPlayed) << err.str();
    const char* const starts[] = {"{\"t\":0,", "{\"t\":1000,", "{\"t\":2500,"};
    ASSERT_EQ(buffer.pieces.size(), std::size(starts));
    for (std::size_t i = 0; i < std::size(starts); ++i) {
        EXPECT_EQ(buffer.pieces[i].rfind(starts[i], 0), 0u) << i;
        EXPECT_EQ(buffer.pieces[i].find('\n'), buffer.pieces[i].size() - 1) << i;
    }
}

enum class StandardOutput { Closed, Full, ReaderGone };

// The runner itself as a process, its standard output as the row has it, its standard error
// in a file; gives the exit status.
int runTheRunner(const std::vector<std::string>& arguments, StandardOutput output,
                 const fs::path& errors) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    int pipeEnds[2] = {-1, -1};
    switch (output) {
        case StandardOutput::Closed:
            posix_spawn_file_actions_addclose(&actions, STDOUT_FILENO);
            break;
        case StandardOutput::Full:
            posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/full", O_WRONLY, 0);
            break;
        case StandardOutput::ReaderGone:
            if (::pipe(pipeEnds) != 0)
                return -1;
            ::close(pipeEnds[0]);
            posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
            break;
    }
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errors.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<std::string> words{LOOPSIM_RUNNER};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    const int spawned =
        posix_spawn(&child, LOOPSIM_RUNNER, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (pipeEnds[1] >= 0)
        ::close(pipeEnds[1]);
    int status = 0;
    if (spawned != 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

TEST(RunnerOutput, AStandardOutputThatCannotBeWrittenFailsTheRun) {
    const ScratchFolder folder;
    const std::string scenario = folder.write("test.scenario", "0 dump\n1 end\n").string();
    const std::string recording = (folder / "out.csv").string();
    const std::tuple<StandardOutput, bool, int, std::string> rows[] = {
        {StandardOutput::Closed, false, kRunWriteFailed, "Bad file descriptor"},
        {StandardOutput::Full, false, kRunWriteFailed, "No space left on device"},
        {StandardOutput::ReaderGone, false, kRunWriteFailed, "Broken pipe"},
        // the dumps in a file: nothing goes to the standard output
        {StandardOutput::Closed, true, kRunPlayed, ""},
    };
    for (const auto& [output, dumpFile, status, reason] : rows) {
        fs::remove(recording);
        std::vector<std::string> arguments{scenario, "--out", recording};
        if (dumpFile)
            arguments.insert(arguments.end(), {"--dump", (folder / "d.jsonl").string()});
        EXPECT_EQ(runTheRunner(arguments, output, folder / "errors.txt"), status) << reason;
        const std::string errors = readTestFile((folder / "errors.txt").string());
        EXPECT_EQ(errors, reason.empty() ? ""
                                         : "loopsim-run: cannot write the dumps to the standard "
                                           "output: " +
                                               reason + "\n");
        EXPECT_EQ(readTestFile(recording).rfind("\"Tarven Calvendrite Simulator\"", 0), 0u)
            << reason;
    }
}

// The recording holds 18,000 seconds; a longer run says on standard error where it stopped.
TEST(RunnerOutput, ARunPastTheLastRowSaysTheRestWasNotRecorded) {
    const ScratchFolder folder;
    const std::pair<const char*, const char*> rows[] = {
        {"18000 end\n", ""},
        {"18001.5 end\n",
         "loopsim-run: the recording stopped at its last row, second 18000; the run went on to "
         "18001.5 s, and the rest of it is not recorded\n"},
        // the latest time a scenario may have: a week of simulated time
        {"604800 end\n",
         "loopsim-run: the recording stopped at its last row, second 18000; the run went on to "
         "604800 s, and the rest of it is not recorded\n"},
    };
    for (const auto& [scenario, note] : rows) {
        const test::RunResult run = runInFolder(folder, scenario, {"--out", "o.csv"});
        EXPECT_EQ(run.status, kRunPlayed);
        EXPECT_EQ(run.err, note);
        const std::string recording = readTestFile((folder / "o.csv").string());
        EXPECT_NE(recording.find("\r\n18000,"), std::string::npos);
        EXPECT_EQ(recording.find("\r\n18001,"), std::string::npos);
    }
}

}  // namespace
}  // namespace loopsim
