// The stored settings as a small INI file, the runner's --settings FILE:
//
//     [Settings]
//     CO2=14
//     LeftBattery=6.2
//     LeftTimer=14
//     RightBattery=6.2
//
// A text reads as settings when every line is blank, a comment (";" or "#" first), the group
// line "[Settings]", or, below that group, KEY=VALUE with one of the four stored keys. A value
// is the rest of the line without its outer blanks, taken as it stands, or a text in double
// quotes with backslash escapes (\\ \" \n \r \t \xHH). An empty text is settings with no
// values. Anything else is not this program's file, and the reader says which line and why,
// so the runner can refuse it rather than write over it.
#pragma once

#include <cstddef>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace loopsim {

inline constexpr const char* kSettingsGroup = "Settings";
// No settings file is nearly this large; a bigger file is something else.
inline constexpr std::size_t kLargestSettingsFile = 1 << 20;

using SettingsValues = std::map<std::string, std::string>;

struct SettingsRefusal {
    int lineNumber = 0;  // 0 for the file as a whole
    std::string reason;
};

struct SettingsFileRead {
    SettingsValues values;
    std::optional<SettingsRefusal> refusal;  // why the text is not settings
};

SettingsFileRead readSettingsText(std::string_view text);

// The file at path, through its links: an absent file is settings with no values; one that
// is not a regular file, cannot be read or does not read as settings is refused.
SettingsFileRead readSettingsFile(const std::filesystem::path& path);

// The file's text: the group line, then each key=value line in key order; a value that is
// not a plain word or number is quoted, so it reads back the same.
std::string settingsFileText(const SettingsValues& values);

}  // namespace loopsim
