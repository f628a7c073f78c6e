// Output files: written whole through a temporary file or not at all, through links to what
// they name, with the system's reason when that fails, and never a temporary file left behind.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>

#include "GoldenFile.h"
#include "ScratchFolder.h"
#include "TinyFileSystem.h"
#include "files/OutputFile.h"

namespace loopsim {
namespace {

namespace fs = std::filesystem;

bool isLink(const fs::path& path) {
    return fs::is_symlink(fs::symlink_status(path));
}

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

struct OutputFiles : ::testing::Test {
    test::ScratchFolder folder;
    std::string text(const std::string& name) { return readTestFile((folder / name).string()); }
};

TEST_F(OutputFiles, WritesThroughLinksToWhatTheyName) {
    struct Row {
        const char* name;
        std::function<void()> prepare;
        const char* written;  // the file that gets the bytes
    };
    const Row rows[] = {
        {"new.txt", [] {}, "new.txt"},
        {"old.txt", [&] { folder.write("old.txt", "old contents, longer than the new"); },
         "old.txt"},
        {"link.txt",
         [&] {
             folder.write("target.txt", "old");
             fs::create_symlink("target.txt", folder / "link.txt");
         },
         "target.txt"},
        {"dangling.txt", [&] { fs::create_symlink("made.txt", folder / "dangling.txt"); },
         "made.txt"},
        {"chain.txt",
         [&] {
             fs::create_directories(folder / "sub");
             fs::create_symlink("sub/middle.txt", folder / "chain.txt");
             fs::create_symlink(folder / "end.txt", folder / "sub" / "middle.txt");
         },
         "end.txt"},
    };
    for (const Row& row : rows) {
        row.prepare();
        ASSERT_EQ(writeWholeFile(folder / row.name, "new"), std::nullopt) << row.name;
        EXPECT_EQ(text(row.written), "new") << row.name;
        EXPECT_EQ(isLink(folder / row.name), std::string(row.name) != row.written) << row.name;
    }
    EXPECT_EQ(namesIn(folder.path()),
              (std::vector<std::string>{"chain.txt", "dangling.txt", "end.txt", "link.txt",
                                        "made.txt", "new.txt", "old.txt", "sub", "target.txt"}));
}

TEST_F(OutputFiles, KeepsThePermissionsOfTheFileItReplaces) {
    folder.write("private.txt", "old");
    fs::permissions(folder / "private.txt", fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_EQ(writeWholeFile(folder / "private.txt", "new"), std::nullopt);
    EXPECT_EQ(fs::status(folder / "private.txt").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
}

// Each failure names the file as given and the reason; the old file stays, no temporary is
// left, and what was in the way is not removed.
TEST_F(OutputFiles, FailuresNameTheFileAndTheReasonAndLeaveNoTemporary) {
    folder.write("a-file", "not a folder");
    fs::create_directories(folder / "in-the-way.txt.partial");
    fs::create_directories(folder / "a-folder");
    fs::create_symlink("loop", folder / "loop");
    folder.write("stale.txt.partial", "left by a killed run");
    const std::pair<std::string, std::string> rows[] = {
        {"missing/x.txt", "No such file or directory"},
        {"a-file/x.txt", "Not a directory"},
        {"in-the-way.txt",
         (folder / "in-the-way.txt.partial").string() + " is in the way (a folder)"},
        {"a-folder", "Is a directory"},
        {"loop", "Too many levels of symbolic links"},
    };
    for (const auto& [name, reason] : rows)
        EXPECT_EQ(writeWholeFile(folder / name, "new"),
                  "cannot write " + (folder / name).string() + ": " + reason);
    EXPECT_EQ(writeWholeFile(folder / "stale.txt", "new"), std::nullopt);
    EXPECT_EQ(namesIn(folder.path()),
              (std::vector<std::string>{"a-file", "a-folder", "in-the-way.txt.partial", "loop",
                                        "stale.txt"}));
    EXPECT_TRUE(fs::is_empty(folder / "a-folder"));
}

// A file written bit by bit reaches the disk as it goes; given up, the old file is untouched.
TEST_F(OutputFiles, StreamsToItsTemporaryAndCommitsOrAbandons) {
    folder.write("kept.txt", "old");
    {
        OutputFile file(folder / "kept.txt");
        for (int i = 0; i < 100; ++i)
            ASSERT_TRUE(file.write(std::string(1000, 'x')));
        EXPECT_GE(fs::file_size(folder / "kept.txt.partial"), 64'000u);
        file.abandon();
        EXPECT_FALSE(file.write("more"));
    }
    { OutputFile dropped(folder / "kept.txt"); }  // never committed
    EXPECT_EQ(text("kept.txt"), "old");
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"kept.txt"});

    int openedSince = -1;
    {
        OutputFile file(folder / "kept.txt");
        file.write("new ");
        file.write("text");
        EXPECT_EQ(file.commit(), std::nullopt);
        openedSince = ::open(folder.path().c_str(), O_RDONLY);  // likely the number it gave back
    }
    // Committed, the file closed its descriptor once: the one opened since is still open.
    EXPECT_NE(::fcntl(openedSince, F_GETFD), -1);
    ::close(openedSince);
    EXPECT_EQ(text("kept.txt"), "new text");
}

TEST_F(OutputFiles, AFullDiskKeepsTheOldFileAndLeavesNoTemporary) {
    const test::TinyFileSystem disk(folder / "disk", 64);
    if (!disk.mounted())
        GTEST_SKIP() << test::TinyFileSystem::skipReason();
    folder.write("disk/old.txt", "old");
    EXPECT_EQ(
        writeWholeFile(folder / "disk" / "old.txt", std::string(100'000, 'x')),
        "cannot write " + (folder / "disk" / "old.txt").string() + ": No space left on device");
    EXPECT_EQ(text("disk/old.txt"), "old");
    EXPECT_EQ(namesIn(folder / "disk"), std::vector<std::string>{"old.txt"});
    ASSERT_TRUE(disk.makeReadOnly());
    EXPECT_EQ(writeWholeFile(folder / "disk" / "old.txt", "new"),
              "cannot write " + (folder / "disk" / "old.txt").string() + ": Read-only file system");
}

// The other kinds (a folder, a pipe, a device, a loop of links) are among what the runner
// refuses.
TEST_F(OutputFiles, TellsWhatCannotBeWrittenAndWhichNamesAreOneFile) {
    folder.write("file.txt", "x");
    fs::create_directories(folder / "folder");
    fs::create_symlink("folder", folder / "link-to-folder");
    fs::create_symlink("file.txt", folder / "link-to-file");
    fs::create_hard_link(folder / "file.txt", folder / "hard-link.txt");
    fs::create_symlink("loop", folder / "loop");
    const std::pair<fs::path, std::optional<std::string>> kinds[] = {
        {folder / "file.txt", std::nullopt},
        {folder / "absent.txt", std::nullopt},
        {folder / "missing" / "absent.txt", std::nullopt},
        {folder / "link-to-file", std::nullopt},
        {folder / "link-to-folder", "a folder"},
    };
    for (const auto& [path, kind] : kinds)
        EXPECT_EQ(notAFileToWrite(path), kind) << path;

    const std::string spelledOtherwise = (folder / "folder" / ".." / "file.txt").string();
    const std::tuple<fs::path, fs::path, bool> pairs[] = {
        {folder / "file.txt", spelledOtherwise, true},
        {folder / "file.txt", folder / "link-to-file", true},
        {folder / "file.txt", folder / "hard-link.txt", true},
        {folder / "absent.txt", folder / "folder" / ".." / "absent.txt", true},
        {folder / "absent.txt", folder / "other.txt", false},
        {folder / "file.txt", folder / "absent.txt", false},
        {folder / "loop", folder / "loop", false},
    };
    for (const auto& [a, b, same] : pairs)
        EXPECT_EQ(sameFile(a, b), same) << a << " " << b;
}

}  // namespace
}  // namespace loopsim
