// The settings file: what reads as this program's settings and what does not, the exact
// bytes written, and values of any kind written and read back the same.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "GoldenFile.h"
#include "ScratchFolder.h"
#include "files/SettingsFile.h"

namespace loopsim {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

TEST(SettingsFile, ReadsBlanksCommentsTheGroupAndTheFourKeys) {
    const std::pair<std::string, SettingsValues> rows[] = {
        {"", {}},
        {"\n \n\t\n", {}},
        {readTestFile(testDataPath("diver.ini")),
         {{"CO2", "178"}, {"LeftTimer", "30"}, {"LeftBattery", "6.1"}, {"RightBattery", "5.9"}}},
        // a byte-order mark, CR LF, comments of both kinds, blanks around everything
        {"\xEF\xBB\xBF; stored\r\n# by hand\r\n  [Settings]  \r\n CO2 = 20 \r\n", {{"CO2", "20"}}},
        // a value is taken as it stands; the last of a key counts
        {"[Settings]\nLeftTimer=1, 2\nLeftBattery=@Invalid()\nCO2=\nCO2=nan\n",
         {{"LeftTimer", "1, 2"}, {"LeftBattery", "@Invalid()"}, {"CO2", "nan"}}},
        // quoted values and their escapes
        {"[Settings]\nCO2=\"14\"\nLeftTimer=\" 3 \" "
         "\nRightBattery=\"a\\\"b\\\\c\\n\\r\\t\\x41;\"\n",
         {{"CO2", "14"}, {"LeftTimer", " 3 "}, {"RightBattery", "a\"b\\c\n\r\tA;"}}},
        {"[Settings]\n[Settings]\nCO2=1\n", {{"CO2", "1"}}},
    };
    for (const auto& [text, values] : rows) {
        const SettingsFileRead read = readSettingsText(text);
        EXPECT_FALSE(read.refusal) << text << "\n" << read.refusal->reason;
        EXPECT_EQ(read.values, values) << text;
    }
}

TEST(SettingsFile, RefusesWhatIsNotThisProgramsSettings) {
    struct Row {
        std::string text;
        int lineNumber;
        const char* reason;
    };
    const std::string binary(
        "\x7f"
        "ELF\x02\x01\x01\0\0\0",
        10);
    const Row rows[] = {
        {"# a scenario\n0 tap Image7\n", 2,
         "neither a comment, nor the [Settings] group, nor a KEY=VALUE line"},
        {"\"Tarven Calvendrite Simulator\",#2024-05-01#,#10:00:00#\r\n", 1,
         "neither a comment, nor the [Settings] group, nor a KEY=VALUE line"},
        {binary, 1, "a NUL byte, so not a text file"},
        {"[General]\nCO2=14\n", 1, "a group other than [Settings]"},
        {"[Settings]\n[settings]\n", 2, "a group other than [Settings]"},
        {"CO2=14\n[Settings]\n", 1, "a setting before the [Settings] group"},
        {"[Settings]\nCO2=14\nColour=red\n", 3,
         "a key other than CO2, LeftTimer, LeftBattery and RightBattery"},
        {"[Settings]\nco2=14\n", 2, "a key other than"},
        {"[Settings]\n=14\n", 2, "a key other than"},
        {"[Settings]\nCO2=\"14\n", 2, "a quoted value has no closing quote"},
        {"[Settings]\nCO2=\"14\\\"\n", 2, "a quoted value has no closing quote"},
        {"[Settings]\nCO2=\"14\" 15\n", 2, "text follows a quoted value"},
        {"[Settings]\nCO2=\"1\\q\"\n", 2, "a quoted value has an unknown escape"},
        {"[Settings]\nCO2=\"\\x4\"\n", 2, "\\x in a quoted value takes two hexadecimal digits"},
        {std::string(kLargestSettingsFile + 1, '\n'), 0, "larger than any settings file"},
    };
    for (const Row& row : rows) {
        const SettingsFileRead read = readSettingsText(row.text);
        ASSERT_TRUE(read.refusal) << row.text;
        EXPECT_EQ(read.refusal->lineNumber, row.lineNumber) << row.text;
        EXPECT_NE(read.refusal->reason.find(row.reason), std::string::npos) << row.text << "\n"
                                                                            << read.refusal->reason;
        EXPECT_TRUE(read.values.empty());
    }
}

// The bytes of the earlier writer: the group, then the keys in order, plain numbers bare.
TEST(SettingsFile, WritesTheGroupAndTheKeysInOrder) {
    EXPECT_EQ(
        settingsFileText(
            {{"RightBattery", "6.2"}, {"LeftTimer", "14"}, {"LeftBattery", "6.2"}, {"CO2", "14"}}),
        "[Settings]\nCO2=14\nLeftBattery=6.2\nLeftTimer=14\nRightBattery=6.2\n");
    EXPECT_EQ(settingsFileText({}), "[Settings]\n");
    // Letters, digits, '.', '+', '-' and '_' stand bare; anything else is quoted.
    EXPECT_EQ(settingsFileText({{"CO2", "09azAZ.+-_"}, {"LeftTimer", "/:@[`{"}}),
              "[Settings]\nCO2=09azAZ.+-_\nLeftTimer=\"/:@[`{\"\n");
    EXPECT_EQ(settingsFileText({{"CO2", "a \"b\"\n\x01"}}),
              "[Settings]\nCO2=\"a \\\"b\\\"\\n\\x01\"\n");
}

TEST(SettingsFile, AnyValueReadsBackAsItWasWritten) {
    const std::string values[] = {
        "",    " 14",      "14 ",      "1, 2",      "@Invalid()",       "a=b;c",
        "#1",  "\"",       "\\",       "\\x41",     "\n0 tap Command1", "\r",
        "\0"s, "\x7f\x1b", "\xC3\xA9", "[Settings]"};
    for (const std::string& value : values) {
        const SettingsValues written{{"CO2", value}, {"LeftTimer", "14"}};
        const SettingsFileRead read = readSettingsText(settingsFileText(written));
        ASSERT_FALSE(read.refusal) << value << ": " << read.refusal->reason;
        EXPECT_EQ(read.values, written) << value;
    }
}

// The file itself: absent is no values; what cannot be a settings file is refused by name.
TEST(SettingsFile, ReadsTheFileThroughLinksAndRefusesSpecialFiles) {
    const test::ScratchFolder folder;
    folder.write("real.ini", "[Settings]\nCO2=20\n");
    fs::create_symlink("real.ini", folder / "link.ini");
    fs::create_directories(folder / "folder.ini");
    ASSERT_EQ(::mkfifo((folder / "pipe.ini").c_str(), 0600), 0);
    fs::create_symlink("loop.ini", folder / "loop.ini");

    EXPECT_EQ(readSettingsFile(folder / "link.ini").values, (SettingsValues{{"CO2", "20"}}));
    EXPECT_FALSE(readSettingsFile(folder / "absent.ini").refusal);
    EXPECT_TRUE(readSettingsFile(folder / "absent.ini").values.empty());
    const std::pair<const char*, const char*> refused[] = {
        {"folder.ini", "a folder, not a settings file"},
        {"pipe.ini", "a named pipe, not a settings file"},
        {"loop.ini", "a loop of symbolic links, not a settings file"},
    };
    for (const auto& [name, reason] : refused) {
        const SettingsFileRead read = readSettingsFile(folder / name);
        ASSERT_TRUE(read.refusal) << name;
        EXPECT_EQ(read.refusal->reason, reason);
        EXPECT_EQ(read.refusal->lineNumber, 0);
    }
    EXPECT_EQ(readSettingsFile("/dev/null").refusal->reason, "a device, not a settings file");

    folder.write("big.ini", std::string(kLargestSettingsFile + 1, ';'));
    EXPECT_EQ(readSettingsFile(folder / "big.ini").refusal->reason,
              "larger than any settings file");
    if (::geteuid() == 0)
        return;  // the superuser reads any file
    ASSERT_EQ(::chmod((folder / "real.ini").c_str(), 0), 0);
    EXPECT_EQ(readSettingsFile(folder / "real.ini").refusal->reason,
              "cannot be read: Permission denied");
}

}  // namespace
}  // namespace loopsim
