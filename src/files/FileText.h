// A whole file's bytes as one string, for the readers of the system's text files.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace loopsim {

// Nothing when the file cannot be opened.
std::optional<std::string> readFileText(const std::filesystem::path& path);

// The text after a UTF-8 byte-order mark at its start, which some editors write and which
// is no part of the first line.
std::string_view withoutByteOrderMark(std::string_view text);

}  // namespace loopsim
