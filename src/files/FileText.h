// A whole file's bytes as one string, for the readers of the system's text files.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace loopsim {

// Nothing when the file cannot be opened.
std::optional<std::string> readFileText(const std::filesystem::path& path);

}  // namespace loopsim
