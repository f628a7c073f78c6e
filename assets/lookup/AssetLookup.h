// Finds a picture or sound file by the name the simulation asks for. Names arrive in the
// unit's own spelling: with a leading backslash ("\HSOn.jpg"), with backslashes between
// folders ("\Sounds\LowO2.wav") and in letter cases that differ from the file on disk
// ("lowo2.wav" and "LowO2.wav" are one file). A case-sensitive file system would miss them,
// so every part of the name is matched without regard to ASCII letter case.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace loopsim::assets {

// The file `name` inside `folder`, or nothing when no such file exists. An exact match wins;
// otherwise the first case-insensitive match in name order, so the answer never depends on
// the order in which the directory lists its entries.
std::optional<std::filesystem::path> findAssetFile(const std::filesystem::path& folder,
                                                   std::string_view name);

}  // namespace loopsim::assets
